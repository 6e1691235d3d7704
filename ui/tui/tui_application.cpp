// SPDX-License-Identifier: GPL-2.0-or-later
#include "ui/tui/tui_application.h"

#include <langinfo.h>

#include <clocale>
#include <cstdio>
#include <string>
#include <string_view>

#include "ui/tui/curses_terminal.h"
#include "ui/tui/tui_host.h"

namespace tui {

int RunWithTuiHost(const std::function<int()>& body)
{
    // Keys and the screen speak the user's character set (set from the environment at start-up,
    // StartTranslation), curses converting the controls' UTF-8 to it. Without one (the C locale's
    // ASCII, which shows no other letter) it is UTF-8, which is what nearly every terminal speaks
    // today.
    if (std::string_view(nl_langinfo(CODESET)) == "ANSI_X3.4-1968")
        (void)std::setlocale(LC_CTYPE, "C.UTF-8");
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
