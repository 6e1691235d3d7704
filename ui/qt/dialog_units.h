#pragma once
// Dialog units to pixels. A dialog unit is a quarter of the dialog font's average letter width
// horizontally and an eighth of its height vertically, so a dialog grows with its font.
#include <QFont>

#include "ui/base/win_defs.h"

struct DialogBaseUnits {
    int x = 0;   // average width of the 52 letters A-Z and a-z, in pixels
    int y = 0;   // the font's line height, in pixels
};

// The base units of `font`; the desktop's UI font stands in for the templates' "MS Sans Serif" 8 pt.
DialogBaseUnits BaseUnitsOf(const QFont& font);

// `dialogUnits` in pixels: each edge converted on its own (x * baseX / 4, y * baseY / 8, rounded
// to the nearest pixel, halves away from zero), so neighbouring controls share their edges.
Rect DialogUnitsToPixels(const Rect& dialogUnits, DialogBaseUnits units);
