// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once
// Profile (INI) file functions, with the platform's names, argument order and return conventions.
// Every other layer reaches kqnet.ini through these and the scopes in profile_scope.h only.
//
// Reading rules that stored files and the network component rely on:
//  - lines end at LF, CRLF or a lone CR; a NUL ends the content of its line; a UTF-8 BOM is skipped;
//  - "[name]" headers (name up to the last ']', trimmed), "key=value" lines split at the first '=',
//    both sides trimmed of space, tab, CR, LF, VT, FF and 0x1A; ';' lines are comments;
//  - section and key names match ignoring ASCII case; the first section and the first key of a
//    name win; one pair of matching quotes around a value is removed.
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

// The reading rules above, for callers that build keys from texts of their own (a server's name is
// the front of its queue keys): whether `c` is one of the blanks trimmed from names and values, and
// the form in which two section or key names are the same name (trimmed, ASCII letters lower-cased).
// Inline, since the parser asks for every byte it trims.
inline bool IsProfileBlank(char c)
{
    constexpr uint64_t kBlanks = 1ull << ' ' | 1ull << '\t' | 1ull << '\r' | 1ull << '\n' | 1ull << '\v' | 1ull << '\f'
                               | 1ull << 0x1A;
    const auto byte = static_cast<unsigned char>(c);
    return byte <= ' ' && ((kBlanks >> byte) & 1) != 0;
}
std::string ProfileNameKey(std::string_view name);

// The directory that holds kqnet.ini, the registry file and the component library:
// $NORVANE_SYSTEM_DIR if set and not empty, else $XDG_CONFIG_HOME/norvane when that is an absolute
// path, else $HOME/.config/norvane.
// Returns its length, or 0 when none can be formed or it does not fit `size` with its terminator.
uint32_t GetSystemDirectoryA(char* buffer, uint32_t size);

// Copies the value (or the default, treated like a value) cut to size - 1 bytes and terminated;
// returns the number of bytes copied. The cut counts bytes as the platform's does, even where it
// falls inside a character: a caller can tell a value that filled its buffer by the count, and
// the broken end shows as U+FFFD (ansi_text.h) rather than vanishing. A key present with an empty value gives "" and 0.
// Absent file, section or key gives the default. Size 0 writes nothing and returns 0.
uint32_t GetPrivateProfileStringA(const char* section, const char* key, const char* defaultValue,
                                  char* buffer, uint32_t size, const char* path);

// The value's optional sign and leading decimal digits, modulo 2^32 (no digits: 0);
// the default when the key is absent or its value empty.
uint32_t GetPrivateProfileIntA(const char* section, const char* key, int32_t defaultValue, const char* path);

// Replaces the value of the first matching key in place, or adds the key at the end of its section,
// or adds the section at the end of the file; every other byte of the file is kept. The file is
// replaced atomically under an advisory lock. Returns nonzero on success; 0 when refused, with the
// reason in GetLastError() and, with the file it concerns, in GetLastFileFailure(): the file cannot
// be created, read or replaced (the errno of the failed step; a file that is no regular file, a link
// of another user, a lock held too long by another program are told apart there), the path does not
// fit 260 bytes (ENAMETOOLONG), or the text would not read back as written (EINVAL: a section with
// ']' or a line break; a key that is empty, holds '=', a line break, or starts with '[' or ';'; a
// value with a line break; a null section, key or value).
int32_t WritePrivateProfileStringA(const char* section, const char* key, const char* value, const char* path);

// The numbers n from 1 to 2^31 - 1, ascending, for which `section` holds a key named `stem`
// followed by n in decimal (no sign, no leading zero): the only n for which a read of that key can
// find one. A reader of numbered keys visits these instead of every number up to a count the file
// claims, so its cost follows the file. `stem` must not end in a decimal digit. Empty when the
// file, the section or such keys are absent.
std::vector<int32_t> ListProfileKeyNumbers(const char* section, const char* stem, const char* path);

// How many keys the profile functions have looked up so far in this process: lets a test tell that
// a reader's cost follows the file rather than the counts written in it.
uint64_t ProfileKeyLookupsForTesting();
