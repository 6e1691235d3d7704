// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once
// kqnet.ini holds the platform's single-byte text, UTF-8, as norvanectl's command line, output and
// documents do; but a file written by hand may hold bytes that start no character. Such a text is
// shown with U+FFFD for each of them, and a document that gives it back unchanged keeps its bytes
// (apply_command.cpp).
#include <string>
#include <string_view>

// `bytes` as UTF-8, each byte that starts no character as U+FFFD.
[[nodiscard]] std::string ShownText(std::string_view bytes);

// For a terminal: ShownText with each control character shown as '?'.
[[nodiscard]] std::string PrintableText(std::string_view bytes);

// The number of characters of UTF-8 text, for lining up columns.
[[nodiscard]] size_t Utf8Width(std::string_view text);
