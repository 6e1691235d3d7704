// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once
// Dialog units to pixels. A dialog unit is a quarter of the dialog font's average letter width
// horizontally and an eighth of its height vertically, so a dialog grows with its font.
#include <QFont>

#include "ui/base/win_defs.h"

// Kept exact: the horizontal unit is the average letter width, which is seldom a whole pixel, and
// rounding it first would make every control narrower than its text needs.
struct DialogBaseUnits {
    int letters = 0;   // width of the 52 letters A-Z and a-z together, in pixels
    int height = 0;    // the font's line height, in pixels
};

// The base units of `font`; the desktop's UI font stands in for the templates' "MS Sans Serif" 8 pt.
DialogBaseUnits BaseUnitsOf(const QFont& font);

// `dialogUnits` in pixels: each edge converted on its own (x * letters / 52 / 4, y * height / 8,
// rounded to the nearest pixel, halves away from zero), so neighbouring controls share their edges.
Rect DialogUnitsToPixels(const Rect& dialogUnits, DialogBaseUnits units);
