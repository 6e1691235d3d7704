// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once
// How a host learns that the model changed, so that its widgets follow the live windows.
#include "ui/base/win_defs.h"

// What changed about one live window.
enum class WindowChange {
    Text,       // the window text (a control's text or a dialog's caption)
    Enabled,    // WS_DISABLED came or went
    Visible,    // WS_VISIBLE came or went
    Style,      // other style or extended style bits (for instance BS_DEFPUSHBUTTON, WS_EX_CONTEXTHELP),
                // or an edit field's text limit
    Check,      // check state of a check box or radio button
    Rows,       // rows of a list box or items of a combo box (re-read them all)
    Selection,  // current row or item
    Focus,      // this window received the keyboard focus
    Placement,  // the dialog's window was moved or resized (reported on the dialog's frame)
    SystemMenu, // items were appended to the dialog's system menu (reported on the frame)
    Icon,       // the dialog's icon was set (reported on the frame)
};

// Told of every change of a live window's state, whatever caused it: dialog code, the layer's own
// default processing, or an input entry point acting for the user. The new value may already be
// what the widget shows (the user just typed it); a host compares before it applies and applies
// without raising its own change signals, so nothing reaches the dialog twice.
class WindowObserver {
public:
    virtual ~WindowObserver() = default;
    virtual void OnWindowChanged(HWND window, WindowChange change) = 0;
};
