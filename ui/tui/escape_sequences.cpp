// SPDX-License-Identifier: GPL-2.0-or-later
#include "ui/tui/escape_sequences.h"

#include <vector>

namespace tui {

namespace {

// No key's sequence is longer; anything longer is noise.
constexpr size_t kLongestSequence = 16;

bool IsFinal(char32_t ch)
{
    // rxvt ends its Shift variants with '$'.
    return (ch >= U'@' && ch <= U'~') || ch == U'$';
}

bool IsParameter(char32_t ch)
{
    return ch >= U'0' && ch <= U'?';
}

// The numbers between the sequence's introducer and its final character ("1;2" gives 1, 2).
std::vector<int> Parameters(std::u32string_view text)
{
    std::vector<int> numbers{0};
    for (const char32_t ch : text) {
        if (ch == U';')
            numbers.push_back(0);
        else if (ch >= U'0' && ch <= U'9' && numbers.back() < 1000)
            numbers.back() = numbers.back() * 10 + static_cast<int>(ch - U'0');
    }
    return numbers;
}

// A key with xterm's modifier parameter (2 Shift, 3 Alt, 5 Ctrl and their sums plus one).
Key Modified(KeyCode code, int modifier)
{
    Key key = Key::Of(code);
    if (modifier > 1) {
        const int bits = modifier - 1;
        key.shift = (bits & 1) != 0;
        key.alt = (bits & 2) != 0;
        key.ctrl = (bits & 4) != 0;
    }
    return key;
}

// Shift+F1 and Shift+F10 are F11 and F20 to rxvt and PuTTY, F13 to the Linux console. None of
// those keys has a use of its own here, so each always means the shifted key.
Key Shifted(KeyCode code)
{
    Key key = Key::Of(code);
    key.shift = true;
    return key;
}

// ESC [ n ~ and rxvt's ESC [ n $ (Shift) and ESC [ n ^ (Ctrl).
Key VtKey(int number, int modifier)
{
    switch (number) {
    case 1:
    case 7:
        return Modified(KeyCode::Home, modifier);
    case 4:
    case 8:
        return Modified(KeyCode::End, modifier);
    case 3:
        return Modified(KeyCode::Delete, modifier);
    case 5:
        return Modified(KeyCode::PageUp, modifier);
    case 6:
        return Modified(KeyCode::PageDown, modifier);
    case 11:
        return Modified(KeyCode::F1, modifier);
    case 14:
        return Modified(KeyCode::F4, modifier);
    case 21:
        return Modified(KeyCode::F10, modifier);
    case 23:
    case 25:
        return Shifted(KeyCode::F1);
    case 34:
        return Shifted(KeyCode::F10);
    default:
        return Key::Of(KeyCode::None);
    }
}

// The keys xterm sends with a final letter, after ESC [ or ESC O.
Key LetterKey(char32_t final, int modifier)
{
    switch (final) {
    case U'A':
        return Modified(KeyCode::Up, modifier);
    case U'B':
        return Modified(KeyCode::Down, modifier);
    case U'C':
        return Modified(KeyCode::Right, modifier);
    case U'D':
        return Modified(KeyCode::Left, modifier);
    case U'H':
        return Modified(KeyCode::Home, modifier);
    case U'F':
        return Modified(KeyCode::End, modifier);
    case U'P':
        return Modified(KeyCode::F1, modifier);
    case U'S':
        return Modified(KeyCode::F4, modifier);
    default:
        return Key::Of(KeyCode::None);
    }
}

// The keypad in application mode (ESC O p is 0 and so on), and its Enter.
Key KeypadKey(char32_t final)
{
    if (final == U'M')
        return Key::Of(KeyCode::Enter);
    constexpr std::u32string_view kFinals = U"pqrstuvwxyjkmnolX";
    constexpr std::u32string_view kCharacters = U"0123456789*+-./,=";
    const size_t at = kFinals.find(final);
    return at == std::u32string_view::npos ? Key::Of(KeyCode::None) : Key::Char(kCharacters[at]);
}

}   // namespace

bool SequenceEnds(std::u32string_view sequence)
{
    if (sequence.size() < 2)
        return false;
    if (sequence.size() >= kLongestSequence)
        return true;
    const char32_t last = sequence.back();
    if (sequence[0] == U'[' && sequence[1] == U'[')
        return sequence.size() == 3;   // the Linux console's F1 to F5: ESC [ [ A to E
    if (sequence[0] != U'[' && sequence[0] != U'O')
        return true;
    return !IsParameter(last);
}

Key DecodeSequence(std::u32string_view sequence)
{
    if (sequence.size() < 2 || sequence.size() >= kLongestSequence || !IsFinal(sequence.back()) ||
        (sequence[0] != U'[' && sequence[0] != U'O'))
        return Key::Of(KeyCode::None);
    const char32_t final = sequence.back();
    if (sequence.substr(0, 2) == U"[[")
        return final == U'A' ? Key::Of(KeyCode::F1) : final == U'D' ? Key::Of(KeyCode::F4) : Key::Of(KeyCode::None);
    const std::u32string_view middle = sequence.substr(1, sequence.size() - 2);
    for (const char32_t ch : middle) {
        if (!IsParameter(ch))
            return Key::Of(KeyCode::None);
    }
    const std::vector<int> numbers = Parameters(middle);
    const int modifier = numbers.size() > 1 ? numbers[1] : 0;
    if (sequence[0] == U'O') {
        // Old xterms put the modifier straight after the O: ESC O 2 P is Shift+F1.
        const Key key = LetterKey(final, numbers[0]);
        return key.code != KeyCode::None || !middle.empty() ? key : KeypadKey(final);
    }
    switch (final) {
    case U'~':
        return VtKey(numbers[0], modifier);
    case U'$':
        return VtKey(numbers[0], 2);
    case U'^':
        return VtKey(numbers[0], 5);
    case U'Z':
        return Key::Of(KeyCode::BackTab);
    default:
        return LetterKey(final, modifier);
    }
}

}   // namespace tui
