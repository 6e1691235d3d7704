// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once
// The platform's window functions over live windows, under their platform names. A handle that
// names no live window (null, or a window already destroyed) gets the platform's failure result.
#include "ui/base/live_window.h"
#include "ui/base/win_defs.h"

// Delivers a message to the window's current procedure, synchronously.
LRESULT SendMessage(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
LRESULT CallWindowProc(WNDPROC windowProc, HWND window, UINT message, WPARAM wParam, LPARAM lParam);
// Replaces the window's procedure (the platform's SetWindowLongA with GWL_WNDPROC); returns the
// previous one, or null when the window does not exist.
WNDPROC SetWindowProc(HWND window, WNDPROC windowProc);
// The procedure every control starts with: WM_HELP and WM_CONTEXTMENU go on to the parent
// unchanged, as the platform's default processing does; everything else answers 0.
LRESULT DefControlProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);

// True while the handle names a live window.
bool IsWindow(HWND window);
// The control id, or 0 when the window does not exist.
int GetDlgCtrlID(HWND window);
HWND GetParent(HWND window);
// Copies the class name, at most maxCount - 1 characters and a terminator; returns the count.
int GetClassNameA(HWND window, char* buffer, int maxCount);
bool IsWindowVisible(HWND window);
bool IsWindowEnabled(HWND window);
// The window's rectangle in screen pixels, from the host's placement of its dialog.
bool GetWindowRect(HWND window, Rect* rect);
// Left and top edges inside, right and bottom edges outside.
bool PtInRect(const Rect& rect, Point point);
// The client rectangle of the desktop window, from the host.
Rect GetDesktopClientRect();

// Calls `step` for every descendant of `parent` (children before their own children), in
// creation order, until it returns FALSE.
using WNDENUMPROC = BOOL (*)(HWND, LPARAM);
void EnumChildWindows(HWND parent, WNDENUMPROC step, LPARAM lParam);
// The next (or previous) control after `control` in the dialog's tab order that is visible,
// enabled and carries WS_TABSTOP, wrapping around; `control` itself when no other qualifies;
// with a null `control`, the first (or last) such control. Null when the dialog has none.
HWND GetNextDlgTabItem(HWND dialog, HWND control, bool previous);
