// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once
// Draws a running dialog from its live windows: the frame with its caption, then each shown
// control in template order, disabled ones dimmed.
#include <string_view>

#include "ui/tui/canvas.h"
#include "ui/tui/dialog_view.h"

namespace tui {

// `active`: the dialog the keyboard is in, which shows its focus and the terminal's cursor.
void PaintDialog(Canvas& canvas, DialogView& view, bool active);

// A window's surface, border and caption. No context-help button: nothing here is clicked, and
// Shift+F1 or Alt+? does what it would.
void PaintFrame(Canvas& canvas, const Rect& window, std::string_view caption);

}   // namespace tui
