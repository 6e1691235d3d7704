// SPDX-License-Identifier: GPL-2.0-or-later
#include "ui/tui/terminal_description.h"

// term.h defines capability names (lines, columns, …) as macros: kept to this file alone.
#include <curses.h>
#include <term.h>
#include <unistd.h>

namespace tui {

TerminalDescription DescribeTerminal()
{
    // Read on its own rather than through newterm, which leaks its screen when the description is
    // missing.
    int found = 0;
    if (setupterm(nullptr, STDOUT_FILENO, &found) != OK)
        return TerminalDescription::Unknown;
    // A terminal that cannot place its cursor (TERM=dumb, a printing terminal) cannot show a dialog.
    const char* move = tigetstr("cup");
    const bool placesItsCursor = move != nullptr && move != reinterpret_cast<char*>(-1);
    del_curterm(cur_term);
    return placesItsCursor ? TerminalDescription::Usable : TerminalDescription::CannotPlaceItsCursor;
}

}   // namespace tui
