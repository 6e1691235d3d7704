// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once
// The help viewer's entry, with the platform's commands, over the host's help services.
#include <cstdint>

#include "ui/base/win_defs.h"

// HELP_WM_HELP: `data` is the address of a list of (control id, context id) pairs ending with a
//   (0, 0) pair; shows the first pair's topic as a popup by `window`.
// HELP_CONTEXTMENU: the same list; offers "What's This?" at the cursor and shows the popup when
//   it is chosen.
// HELP_CONTEXT: opens the help window at topic `data`.
// HELP_QUIT: closes the help window.
// Returns false for an unknown command, an empty pair list or when no host is installed.
bool WinHelpA(HWND window, UINT command, uintptr_t data);
