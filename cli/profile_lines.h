// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once
// A profile file read line by line with the profile functions' reading rules (platform/profile.h),
// keeping where each key stands, for reports that name the line.
#include <cstdint>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

struct ProfileKeyLine {
    uint32_t number;          // 1 for the first line
    std::string_view section; // as written in its header, trimmed
    std::string_view key;     // trimmed
    std::string_view value;   // as a reader sees it: trimmed, one pair of quotes removed
};

class ProfileLines {
public:
    // `bytes` must outlive the object: the lines point into it.
    explicit ProfileLines(std::string_view bytes);

    // Every key line of the file, in file order, also those a reader never reaches.
    const std::vector<ProfileKeyLine>& Keys() const { return m_keys; }

    // The line a reader takes for the key: the first of that name in the first section of that name
    // (names compared as the profile functions compare them). Null when there is none.
    const ProfileKeyLine* Find(std::string_view section, std::string_view key) const;

private:
    std::vector<ProfileKeyLine> m_keys;
    // By section, then key, in ProfileNameKey form: the index into m_keys of the line that counts.
    std::unordered_map<std::string, std::unordered_map<std::string, size_t>> m_index;
};
