// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once
// Single-byte ("ANSI") strings with the platform's names. On Linux that code page is the locale's,
// UTF-8: a character is one well-formed UTF-8 sequence, and a byte that starts none (a stray
// continuation byte, a cut or overlong sequence, a surrogate) is a character of its own that
// stands for U+FFFD. So any bytes split into characters and join back to the same bytes, and a
// text read from a file that is not UTF-8 can be shown and still be written back unchanged.
#include <cstddef>
#include <cstdint>
#include <string_view>

// Upper-cases the ASCII letters of the zero-terminated `text` in place; every other byte is kept.
// Returns `text` (null stays null).
char* CharUpperA(char* text);

// Compares byte by byte, as unsigned bytes: negative, 0 or positive. There is no locale-aware
// ordering, so 0 means exactly equal. A null string orders before any other; two nulls are equal.
[[nodiscard]] int32_t lstrcmpA(const char* first, const char* second);

inline constexpr char32_t kReplacementCharacter = 0xFFFD;

struct AnsiChar {
    char32_t code;   // kReplacementCharacter for a byte that starts no character
    size_t length;   // its bytes: 1 to 4, never past the text's end
};
// The character that starts at `text[at]`; `at` must lie inside the text.
[[nodiscard]] AnsiChar DecodeAnsiChar(std::string_view text, size_t at);

// Whether every byte of `text` belongs to a well-formed character.
[[nodiscard]] bool IsWellFormedAnsi(std::string_view text);

// The length of the longest front of `text`, at most `maxBytes` long, that does not end inside a
// character: where a field's byte limit cuts a text, no character is cut in half.
[[nodiscard]] size_t AnsiFitLength(std::string_view text, size_t maxBytes);
