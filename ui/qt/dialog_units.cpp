// SPDX-License-Identifier: GPL-2.0-or-later
#include "ui/qt/dialog_units.h"

#include <algorithm>

#include <QFontMetrics>
#include <QString>

namespace {

// a * b / c rounded to the nearest integer, halves away from zero.
int32_t MulDiv(int32_t a, int32_t b, int32_t c)
{
    const int64_t product = static_cast<int64_t>(a) * b;
    const int64_t half = c / 2;
    return static_cast<int32_t>((product >= 0 ? product + half : product - half) / c);
}

}   // namespace

DialogBaseUnits BaseUnitsOf(const QFont& font)
{
    const QFontMetrics metrics(font);
    const int letters = metrics.horizontalAdvance(QStringLiteral("ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz"));
    // Never 0, which would collapse every control.
    return {std::max(1, letters), std::max(1, metrics.height())};
}

Rect DialogUnitsToPixels(const Rect& dialogUnits, DialogBaseUnits units)
{
    constexpr int32_t kLetters = 52;
    return {MulDiv(dialogUnits.left, units.letters, 4 * kLetters), MulDiv(dialogUnits.top, units.height, 8),
            MulDiv(dialogUnits.right, units.letters, 4 * kLetters), MulDiv(dialogUnits.bottom, units.height, 8)};
}
