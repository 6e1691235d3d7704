// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once
// Texts and rectangles between the dialog model and Qt. The model's texts are the platform's
// single-byte text, which is UTF-8 (platform/ansi_text.h).
#include <QRect>
#include <QString>
#include <string>
#include <string_view>

#include "ui/base/win_defs.h"

// A byte that starts no character shows as U+FFFD; the widget that shows it leaves the model's
// bytes alone until the user edits it, and then keeps those the edit does not touch (EditedText).
QString ToQString(std::string_view text);
std::string FromQString(const QString& text);

// A caption with its mnemonic marker taken out (ParseCaption), for a widget that shows none.
QString WithoutMnemonic(const QString& text);

QRect ToQRect(const Rect& rect);
Rect FromQRect(const QRect& rect);
