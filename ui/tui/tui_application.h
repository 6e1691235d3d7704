// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once
// The program's entry into the terminal: the curses terminal and the terminal host for as long as
// `body` runs.
#include <functional>

namespace tui {

// Takes the terminal over, installs a TuiHost (HostScope) and returns what `body` returns. The
// terminal is given back before this returns. When the terminal cannot be used, says why on
// standard error and returns 1 without running `body`.
int RunWithTuiHost(const std::function<int()>& body);

}   // namespace tui
