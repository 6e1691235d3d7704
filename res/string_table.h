// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once
#include <cstdint>
#include <span>

struct StringEntry {
    uint32_t id;
    const char* text;   // English, the text the translations are made from
};

// The text of string resource `id` in the user's language (res/translation.h), or nullptr when
// the table has no such string.
const char* FindString(uint32_t id);

// Every string of the table, in English, sorted by id: what the catalog of translations lists.
std::span<const StringEntry> StringTableEntries();
