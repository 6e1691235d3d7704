// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once
// The least room each kind of control needs to be read in a terminal.
#include "res/dialog_template.h"

namespace tui {

// Cells a shown control needs across, and down at `columns` wide (a label all its lines).
int MinimumColumns(const ControlTemplate& control);
int MinimumRows(const ControlTemplate& control, int columns);

// Cells around a button's or box's caption: "[" and "]", "[x] ", "┌─ " and " ─┐".
inline constexpr int kPushButtonMargin = 2;
inline constexpr int kCheckMarkWidth = 4;
inline constexpr int kGroupCaptionMargin = 6;

}   // namespace tui
