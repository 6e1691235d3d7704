// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once
// Text as the terminal shows it: one char32_t per character cell. Control texts are single-byte
// (each byte its own character, as the Qt host reads them); the help file is UTF-8 (host_text.h).
#include <string>
#include <string_view>
#include <vector>

#include "ui/host/host_text.h"

namespace tui {

// Each byte is the character of the same number.
std::u32string FromAnsi(std::string_view text);
// Characters above 0xFF, which a single-byte text cannot hold, become '?'.
std::string ToAnsi(std::u32string_view text);

// A single-byte caption as cells, with its mnemonic marker taken out (ParseCaption's rules).
struct MnemonicText {
    std::u32string text;
    int hotkey = -1;   // index in `text` of the underlined character, -1 when none
};
MnemonicText StripMnemonic(std::string_view caption);

// Breaks `text` into lines of at most `width` characters, at blanks where it can and inside a
// word that is longer than a line. A '\n' always ends a line. Blanks at a break are dropped.
std::vector<std::u32string> WrapText(std::u32string_view text, int width);

}   // namespace tui
