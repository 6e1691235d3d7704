// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once
// Single-byte string helpers with the platform's names.
#include <cstdint>

// Upper-cases the ASCII letters of the zero-terminated `text` in place; every other byte is kept.
// Returns `text` (null stays null).
char* CharUpperA(char* text);

// Compares byte by byte, as unsigned bytes: negative, 0 or positive. There is no locale-aware
// ordering, so 0 means exactly equal. A null string orders before any other; two nulls are equal.
[[nodiscard]] int32_t lstrcmpA(const char* first, const char* second);
