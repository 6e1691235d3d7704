// SPDX-License-Identifier: GPL-2.0-or-later
#include "ui/tui/tui_application.h"

#include <clocale>
#include <cstdio>
#include <string>

#include "ui/tui/curses_terminal.h"
#include "ui/tui/tui_host.h"

namespace tui {

int RunWithTuiHost(const std::function<int()>& body)
{
    // Keys and the screen speak the user's character set (UTF-8 on any current system).
    (void)std::setlocale(LC_CTYPE, "");
    std::string error;
    const std::unique_ptr<CursesTerminal> terminal = CursesTerminal::Open(&error);
    if (!terminal) {
        std::fprintf(stderr, "norvane: cannot run in this terminal: %s\n", error.c_str());
        return 1;
    }
    TuiHost host(*terminal);
    const HostScope scope(host);
    return body();
}

}   // namespace tui
