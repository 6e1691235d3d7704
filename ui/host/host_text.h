// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once
// Text rules both hosts apply the same way: UTF-8 (the help file's, and the controls' texts, which
// are the platform's single-byte text), the one way letters are compared without regard to case,
// and the mnemonic marker of a caption.
#include <string>
#include <string_view>

// Each byte that starts no character becomes one U+FFFD (platform/ansi_text.h), so the characters
// of a text and its bytes correspond one to one or more.
std::u32string FromUtf8(std::string_view text);
std::string ToUtf8(std::u32string_view text);
// The number of characters FromUtf8 makes of `text`, and where in its bytes character `characters`
// starts (the end of the text for one past its last).
int CharacterCount(std::string_view text);
size_t CharacterOffset(std::string_view text, int characters);
// A text the user edited, as bytes: `edited` is what the field showed of `before` (FromUtf8) after
// the edit. The characters before and after the edited stretch keep their bytes from `before`, so
// that a stray byte the user did not touch stays as it was.
std::string EditedText(std::string_view before, std::u32string_view edited);

// The case-folding rule of the program (help search, mnemonics, typing in a list): capitals of the
// Latin, Greek and Cyrillic alphabets fold to their small letters; every other character stays.
char32_t FoldCase(char32_t c);
std::u32string FoldCase(std::u32string_view text);

// A caption without its mnemonic marker: "&&" stands for '&', "&x" underlines x, a lone '&' at the
// end stands for nothing. `hotkey` is a byte index, the first byte of the underlined character.
struct Caption {
    std::string text;
    int hotkey = -1;   // index in `text` of the underlined character; -1 when none
};
Caption ParseCaption(std::string_view caption);
// The folded mnemonic letter of a caption; 0 when it has none.
char32_t MnemonicOf(std::string_view caption);

// Why an edit field whose limit is `limitBytes` refuses what was typed or pasted.
std::string FieldFullText(int limitBytes);
