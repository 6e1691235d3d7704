// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once
// A plain, unoptimised reading of profile text, written separately from the profile layer so the
// fuzz targets can compare the two: every key the reading rules reach, with its trimmed value.
#include <map>
#include <string>
#include <string_view>
#include <utility>

// (section, key) in lower case -> trimmed value, quotes still on. First section and first key of a
// name win; keys before the first section are unreachable and left out.
using ProfileModel = std::map<std::pair<std::string, std::string>, std::string>;

ProfileModel ModelProfile(std::string_view bytes);

// The trimmed text with one pair of matching quotes removed, as a reader sees a value.
std::string ReadValueOf(std::string_view value);

// What the profile functions accept for writing: the text reads back in the place it was written.
bool WritableNames(std::string_view section, std::string_view key, std::string_view value);

// A section or key name as the model keys it: trimmed and in lower case.
std::string NameOf(std::string_view name);
