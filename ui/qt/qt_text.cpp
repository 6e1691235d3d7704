// SPDX-License-Identifier: GPL-2.0-or-later
#include "ui/qt/qt_text.h"

#include "ui/host/host_text.h"

QString ToQString(std::string_view text)
{
    return QString::fromStdU32String(FromUtf8(text));
}

std::string FromQString(const QString& text)
{
    return text.toStdString();
}

QString WithoutMnemonic(const QString& text)
{
    return ToQString(ParseCaption(FromQString(text)).text);
}

QRect ToQRect(const Rect& rect)
{
    return QRect(rect.left, rect.top, rect.width(), rect.height());
}

Rect FromQRect(const QRect& rect)
{
    return {rect.left(), rect.top(), rect.left() + rect.width(), rect.top() + rect.height()};
}
