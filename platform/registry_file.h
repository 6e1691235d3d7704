// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once
// The REGEDIT4 text the registry is read from:
//   REGEDIT4                                  first line, exactly
//   [HKEY_LOCAL_MACHINE\System\...\KQNET95]   a key; later values belong to it
//   "StaticVxD"="VKQNFS.VXD"                  a string value; \\ and \" are its only escapes
//   @="text"                                  the key's default value
//   "Count"=dword:0000001a                    4 bytes, little-endian
//   "Blob"=hex:01,02,ff   "Other"=hex(7):..   bytes; a trailing '\' continues the list on the next line
// Lines may end in CRLF; blank lines and lines starting with ';' are skipped. A line that fits none
// of these forms is skipped, and after a malformed key line every value up to the next good key
// line is skipped with it. Deletions ("[-key]", "name"=-) are not applied. A key listed twice
// gathers the values of both; a value listed twice keeps the later one.
#include <cstdint>
#include <map>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

struct RegistryValue {
    std::string name;  // as written; "" for the default value
    uint32_t type = 0;
    std::string data;  // the bytes a query hands out; a string's include its terminating zero
};

// The keys listed, by their lookup path (see RegistryPathKey), values in the order first listed.
// Their ancestors exist too, as they would after importing the file, but are not stored: a deeply
// nested key would otherwise cost the square of its length. FindRegistryKey finds both.
using RegistryKeys = std::map<std::string, std::vector<RegistryValue>, std::less<>>;

// nullopt when the first line is not "REGEDIT4".
[[nodiscard]] std::optional<RegistryKeys> ParseRegistryText(std::string_view text);

// The values of the key at `path` (lookup form): a listed key's own, none for a key that exists only
// as the ancestor of a listed one; null when there is no such key.
[[nodiscard]] const std::vector<RegistryValue>* FindRegistryKey(const RegistryKeys& keys, std::string_view path);

// The lookup form of a key path: ASCII letters upper-cased. nullopt for an empty path or one with
// an empty component ("A\\B", "\A", "A\").
[[nodiscard]] std::optional<std::string> RegistryPathKey(std::string_view path);

// The value named `name`, compared ignoring ASCII case, or null.
[[nodiscard]] const RegistryValue* FindRegistryValue(const std::vector<RegistryValue>& values, std::string_view name);
