// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once
// What a host calls when the user acts. Each entry point does what the platform does for that
// input, so a dialog receives the same notifications whichever host is in front. Input aimed at
// a window that no longer exists, or that the user could not reach (disabled or hidden), is
// ignored; entry points taking a dialog ignore it when it is not running or has ended.
#include <string_view>

#include "ui/base/dialog.h"
#include "ui/base/win_defs.h"

// The user changed an edit field's text to `text` (cut to the field's limit in bytes, if it has one,
// where no character is cut in half): EN_CHANGE once.
void UserTypeText(HWND edit, std::string_view text);
// A click on a button: automatic check boxes toggle, automatic radio buttons check themselves and
// clear the other automatic radio buttons of their group, then BN_CLICKED (for a push button,
// its command).
void UserClick(HWND button);
// The user selected row `index` of a list box (LBN_SELCHANGE when it has LBS_NOTIFY) or item
// `index` of a combo box (CBN_SELCHANGE); -1 for "none" in a list box.
void UserSelectRow(HWND listOrCombo, int index);
// A double click on row `index` of a list box: it is selected as by UserSelectRow, then
// LBN_DBLCLK (with LBS_NOTIFY). -1 is a double click below the last row: LBN_DBLCLK alone.
void UserDoubleClickRow(HWND list, int index);
// Enter: presses the default button when it is enabled and visible; IDOK when the dialog has no
// default button.
void UserPressEnter(CDialog& dialog);
// Esc: command IDCANCEL.
void UserPressEscape(CDialog& dialog);
// The caption's close box (or the system menu's Close): WM_CLOSE, whose default is IDCANCEL.
void UserCloseBox(CDialog& dialog);
// F1 while `window` has the focus, or a "What's This?" click on `window` (a control, or the
// dialog's frame): WM_HELP with a HELPINFO for it, sent to that window. `mouse` in screen pixels.
void UserHelpRequest(HWND window, Point mouse);
// A right click: `clicked` is the control that takes the click, or the dialog's frame when the
// click lands on the dialog's surface (including on disabled controls, labels and group boxes,
// which do not take mouse input); `screen` is the cursor in screen pixels. WM_CONTEXTMENU.
void UserContextMenu(HWND clicked, Point screen);
// The keyboard focus moved to `window`.
void UserFocus(HWND window);
// An item of the system menu was chosen: WM_SYSCOMMAND with its id.
void UserSystemCommand(CDialog& dialog, UINT command);
