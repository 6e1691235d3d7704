// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once

namespace tui {

enum class TerminalDescription { Usable, Unknown, CannotPlaceItsCursor };

// What the terminal database says of `TERM` for standard output, read before curses takes the
// terminal, so that a terminal refused has had nothing drawn on it.
TerminalDescription DescribeTerminal();

}   // namespace tui
