// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once
// The numbered keys of one section ("Server12", "alphaQueue3"), grouped by the text before their
// number, so that a reader of numbered keys can visit the numbers that are there instead of every
// number up to a count the file claims.
#include "platform/profile_text.h"

#include <cstdint>
#include <string_view>
#include <unordered_map>
#include <vector>

class ProfileKeyNumbers {
public:
    // A key as parsed (trimmed). A key counts when it ends in a number from 1 to 2^31 - 1 written
    // without a sign or leading zero: the only forms a reader's "<stem><n>" can name. `key` must
    // stay alive as long as this index.
    void Add(std::string_view key);
    // After the first keys were added with Add: sorts what they gave. Later Adds keep the order.
    void Seal();
    // The numbers of `stem`, ascending and without repeats; null when there are none. `stem` must
    // not end in a digit.
    const std::vector<int32_t>* Numbers(std::string_view stem) const;

private:
    std::unordered_map<std::string_view, std::vector<int32_t>, ProfileNameHash, ProfileNameEqual> m_stems;
    bool m_sealed = false;
};
