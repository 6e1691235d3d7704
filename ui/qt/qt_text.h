// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once
// Texts and rectangles between the dialog model and Qt. The model's texts are single-byte strings;
// Latin-1 maps every byte to one character and back, so a text survives the round trip and a
// field's byte limit is its character limit.
#include <QRect>
#include <QString>
#include <string>
#include <string_view>

#include "ui/base/win_defs.h"

QString ToQString(std::string_view text);
// Characters outside Latin-1 become '?', as the platform's conversion to its code page does.
std::string FromQString(const QString& text);

// A caption with its mnemonic marker taken out (ParseCaption), for a widget that shows none.
QString WithoutMnemonic(const QString& text);

QRect ToQRect(const Rect& rect);
Rect FromQRect(const QRect& rect);
