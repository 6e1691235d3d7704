// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once
// Showing that a save waits for another program. The wait happens deep in this layer, which has no
// screen: the UI host in front installs a presenter, and a writer that waits longer than half a
// second for the lock of kqnet.ini tells it.
#include <functional>

enum class WaitPhase {
    Started,   // the wait has lasted half a second; the host shows that the program waits
    Ended,     // the wait is over, with or without the lock
};

using WaitPresenter = std::function<void(WaitPhase phase)>;

// Installs `presenter` (an empty one removes it) and returns the one it replaces.
WaitPresenter SetWaitPresenter(WaitPresenter presenter);

// Tells the installed presenter, if any.
void PresentWait(WaitPhase phase);
