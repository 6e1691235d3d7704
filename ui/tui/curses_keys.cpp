// SPDX-License-Identifier: GPL-2.0-or-later
// Keys from curses: function keys by their codes, Alt as Esc before a key, and the end of the
// terminal when reads keep failing.
#include "ui/tui/curses_terminal.h"

#include <string>

#ifndef NCURSES_WIDECHAR
#define NCURSES_WIDECHAR 1
#endif
#include <curses.h>
#include <poll.h>
#include <unistd.h>

#include "ui/tui/escape_sequences.h"

namespace tui {

namespace {

// How long after Esc a further key still counts as Alt held with it.
constexpr int kAltDelayMs = 40;
// Failed reads in a row after which the terminal counts as gone.
constexpr int kFailedReadLimit = 3;

bool InputHungUp()
{
    pollfd input{STDIN_FILENO, POLLIN, 0};
    return poll(&input, 1, 0) < 0 || (input.revents & (POLLHUP | POLLERR | POLLNVAL)) != 0;
}

}   // namespace

Key CursesTerminal::ReadKey()
{
    if (m_ended)
        return Key::Of(KeyCode::EndOfInput);
    wint_t ch = 0;
    const int result = wget_wch(stdscr, &ch);
    if (result == ERR) {
        if (InputHungUp() || ++m_failedReads >= kFailedReadLimit) {
            m_ended = true;
            return Key::Of(KeyCode::EndOfInput);
        }
        return Key::Of(KeyCode::None);
    }
    m_failedReads = 0;
    if (result == KEY_CODE_YES)
        return FunctionKey(static_cast<int>(ch));
    switch (ch) {
    case 27:
        return KeyAfterEscape();
    case L'\t':
        return Key::Of(KeyCode::Tab);
    case L'\r':
    case L'\n':
        return Key::Of(KeyCode::Enter);
    case 8:
    case 127:
        return Key::Of(KeyCode::Backspace);
    default:
        break;
    }
    if (ch >= 1 && ch <= 26) {
        Key key = Key::Char(U'a' + ch - 1);
        key.ctrl = true;
        return key;
    }
    if (ch < 0x20)
        return Key::Of(KeyCode::None);
    return Key::Char(static_cast<char32_t>(ch));
}

Key CursesTerminal::KeyAfterEscape()
{
    // Esc alone, the first half of Alt with a key, or a key's sequence that curses did not know:
    // what follows at once decides.
    wtimeout(stdscr, kAltDelayMs);
    wint_t ch = 0;
    int result = wget_wch(stdscr, &ch);
    std::u32string sequence;
    if (result == OK && (ch == L'[' || ch == L'O')) {
        sequence.push_back(static_cast<char32_t>(ch));
        while (!SequenceEnds(sequence) && (result = wget_wch(stdscr, &ch)) == OK)
            sequence.push_back(static_cast<char32_t>(ch));
    }
    wtimeout(stdscr, -1);
    if (sequence.size() == 1)   // Alt+[ or Alt+O, nothing after it
        return Key{KeyCode::Char, sequence[0], true};
    if (!sequence.empty())
        return result == OK ? DecodeSequence(sequence) : Key::Of(KeyCode::None);
    if (result == ERR)
        return Key::Of(KeyCode::Escape);
    if (result == OK && ch == 27) {
        // Two Esc keys in a row are two keys.
        unget_wch(ch);
        return Key::Of(KeyCode::Escape);
    }
    Key key = result == KEY_CODE_YES ? FunctionKey(static_cast<int>(ch)) : Key::Char(static_cast<char32_t>(ch));
    if (result == OK && (ch == L'\r' || ch == L'\n'))
        key = Key::Of(KeyCode::Enter);
    key.alt = true;
    return key;
}

Key CursesTerminal::FunctionKey(int code)
{
    Key key;
    switch (code) {
    case KEY_RESIZE:
        m_repaintAll = true;
        return Key::Of(KeyCode::Resize);
    case KEY_BTAB:
        return Key::Of(KeyCode::BackTab);
    case KEY_ENTER:
        return Key::Of(KeyCode::Enter);
    case KEY_BACKSPACE:
        return Key::Of(KeyCode::Backspace);
    case KEY_DC:
        return Key::Of(KeyCode::Delete);
    case KEY_LEFT:
    case KEY_SLEFT:
        key.code = KeyCode::Left;
        key.shift = code == KEY_SLEFT;
        return key;
    case KEY_RIGHT:
    case KEY_SRIGHT:
        key.code = KeyCode::Right;
        key.shift = code == KEY_SRIGHT;
        return key;
    case KEY_UP:
        return Key::Of(KeyCode::Up);
    case KEY_DOWN:
        return Key::Of(KeyCode::Down);
    case KEY_HOME:
    case KEY_FIND:   // what xterm's description calls ESC [ 1 ~
    case KEY_A1:
    case KEY_SHOME:
        key.code = KeyCode::Home;
        key.shift = code == KEY_SHOME;
        return key;
    case KEY_END:
    case KEY_SELECT:   // ESC [ 4 ~
    case KEY_C1:
    case KEY_SEND:
        key.code = KeyCode::End;
        key.shift = code == KEY_SEND;
        return key;
    case KEY_PPAGE:
        return Key::Of(KeyCode::PageUp);
    case KEY_NPAGE:
        return Key::Of(KeyCode::PageDown);
    case KEY_F(1):
        return Key::Of(KeyCode::F1);
    case KEY_F(11):   // Shift+F1 on rxvt and PuTTY
    case KEY_F(13):   // Shift+F1 on xterm and the Linux console
        key.code = KeyCode::F1;
        key.shift = true;
        return key;
    case KEY_F(4):
        return Key::Of(KeyCode::F4);
    case KEY_F(10):
        return Key::Of(KeyCode::F10);
    case KEY_F(20):   // Shift+F10 on rxvt and PuTTY
    case KEY_F(22):   // Shift+F10 on xterm
        key.code = KeyCode::F10;
        key.shift = true;
        return key;
    default:
        break;
    }
    if (m_altDown != 0 && code == m_altDown) {
        key.code = KeyCode::Down;
        key.alt = true;
        return key;
    }
    return Key::Of(KeyCode::None);
}

}   // namespace tui
