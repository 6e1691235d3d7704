// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once
// A key as the terminal host understands it, whatever the terminal sent for it.

namespace tui {

enum class KeyCode {
    Char,        // a character: `ch`
    Tab,
    BackTab,     // Shift+Tab
    Enter,
    Escape,
    Backspace,
    Delete,
    Left,
    Right,
    Up,
    Down,
    Home,
    End,
    PageUp,
    PageDown,
    F1,
    F4,
    F10,
    Resize,      // the terminal changed its size
    EndOfInput,  // the terminal is gone: nothing more will come
    None,        // nothing usable (an unknown sequence)
};

struct Key {
    KeyCode code = KeyCode::None;
    char32_t ch = 0;      // for KeyCode::Char
    bool alt = false;     // Alt (or Esc before it)
    bool shift = false;   // reported only where the terminal tells: Shift+F1, Shift+F10, Shift+arrows
    bool ctrl = false;    // Ctrl with a letter, for Char

    static Key Of(KeyCode code) { return Key{code}; }
    static Key Char(char32_t c) { return Key{KeyCode::Char, c}; }
    bool Is(KeyCode code_) const { return code == code_ && !alt && !shift && !ctrl; }
    bool IsChar(char32_t c) const { return code == KeyCode::Char && ch == c && !alt && !ctrl; }
};

}   // namespace tui
