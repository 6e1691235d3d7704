// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once
// kqnet.ini holds single-byte text, which the Norvane window shows as Latin-1 (each byte one
// character). norvanectl speaks UTF-8 on its command line, in its output and in its documents, so
// each text crosses between the two here, and a text survives the round trip unchanged.
#include <optional>
#include <string>
#include <string_view>

// Each byte as the UTF-8 form of the character of that code.
[[nodiscard]] std::string Latin1ToUtf8(std::string_view bytes);

// The bytes of the characters of `text`; nullopt when it is not UTF-8 or holds a character above
// U+00FF. `unstorable` tells which of the two.
[[nodiscard]] std::optional<std::string> Utf8ToLatin1(std::string_view text, bool* unstorable = nullptr);

// For a terminal: Latin1ToUtf8 with each control character shown as '?'.
[[nodiscard]] std::string PrintableText(std::string_view bytes);

// The number of characters of UTF-8 text, for lining up columns.
[[nodiscard]] size_t Utf8Width(std::string_view text);
