#pragma once
// Text as the terminal shows it: one char32_t per character cell. Control texts are single-byte
// (each byte its own character, as the Qt host reads them); the help file is UTF-8.
#include <string>
#include <string_view>
#include <vector>

namespace tui {

// Each byte is the character of the same number.
std::u32string FromAnsi(std::string_view text);
// Characters above 0xFF, which a single-byte text cannot hold, become '?'.
std::string ToAnsi(std::u32string_view text);
// Malformed sequences become U+FFFD.
std::u32string FromUtf8(std::string_view text);
std::string ToUtf8(std::u32string_view text);

// A caption with its mnemonic marker taken out: "&&" stands for '&', "&x" underlines x.
struct MnemonicText {
    std::u32string text;
    int hotkey = -1;   // index in `text` of the underlined character, -1 when none
};
MnemonicText StripMnemonic(std::u32string_view caption);
// The mnemonic letter of a caption, lower-cased; 0 when it has none.
char32_t MnemonicOf(std::string_view caption);
// ASCII letters lower-cased; every other character as it is.
char32_t FoldCase(char32_t c);

// Breaks `text` into lines of at most `width` characters, at blanks where it can and inside a
// word that is longer than a line. A '\n' always ends a line. Blanks at a break are dropped.
std::vector<std::u32string> WrapText(std::u32string_view text, int width);

}   // namespace tui
