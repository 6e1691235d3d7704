// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once
// Text as the terminal shows it: one char32_t per character cell. Control texts are the platform's
// single-byte text, UTF-8, where each byte that starts no character shows as U+FFFD in a cell of
// its own (host_text.h); the help file is UTF-8 too.
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "ui/host/host_text.h"

namespace tui {

// A control's text as cells and back: FromUtf8 and ToUtf8, by the name of the text they carry.
std::u32string FromAnsi(std::string_view text);
// String resource `id` (in the user's language) as cells.
std::u32string LoadText(uint32_t id);
std::string ToAnsi(std::u32string_view text);

// The cells a character takes on a terminal: 2 for the wide characters of East Asian scripts, the
// full-width forms and pictographs, 1 for every other (a combining mark too, in a cell of its own).
// Terminals agree on these whatever the locale, so the table is the host's own.
int CellWidth(char32_t c);
// The cells `text` takes on one line.
int CellCount(std::u32string_view text);

// A caption as cells, with its mnemonic marker taken out (ParseCaption's rules).
struct MnemonicText {
    std::u32string text;
    int hotkey = -1;   // index in `text` of the underlined character, -1 when none
};
MnemonicText StripMnemonic(std::string_view caption);

// Breaks `text` into lines of at most `width` cells, at blanks where it can and inside a word that
// is longer than a line (a wide character alone on a line of one cell overhangs it). A '\n' always
// ends a line. Blanks at a break are dropped.
std::vector<std::u32string> WrapText(std::u32string_view text, int width);

}   // namespace tui
