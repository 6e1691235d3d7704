// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once
// The real terminal, through curses: the only class of the program that includes it. It takes the
// terminal on standard input and output over for its lifetime and gives it back as it was.
#include <memory>
#include <string>

#include "ui/tui/terminal_io.h"

namespace tui {

class CursesTerminal : public TerminalIo {
public:
    // Null, with the reason in `error`, when standard input and output are no terminal that
    // curses can drive (TERM unknown, for instance).
    static std::unique_ptr<CursesTerminal> Open(std::string* error);
    ~CursesTerminal() override;
    CursesTerminal(const CursesTerminal&) = delete;
    CursesTerminal& operator=(const CursesTerminal&) = delete;

    TerminalSize Size() override;
    Key ReadKey() override;
    void Present(const Canvas& canvas) override;
    void Beep() override;

private:
    struct Screen;
    CursesTerminal(std::unique_ptr<Screen> screen, int altDown);
    // Keys (curses_keys.cpp).
    Key KeyAfterEscape();
    Key FunctionKey(int code);

    std::unique_ptr<Screen> m_screen;
    int m_altDown;   // the key code curses gives Alt+Down, 0 when the terminal has none
    bool m_repaintAll = false;
    bool m_ended = false;
    int m_failedReads = 0;
};

}   // namespace tui
