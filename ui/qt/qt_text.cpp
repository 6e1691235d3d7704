// SPDX-License-Identifier: GPL-2.0-or-later
#include "ui/qt/qt_text.h"

#include "platform/ansi_text.h"
#include "ui/host/host_text.h"

QString ToQString(std::string_view text)
{
    // Qt's decoder is the quicker; a text that is not UTF-8 takes ours, which gives each stray byte
    // its own U+FFFD, as the terminal shows it.
    if (IsWellFormedAnsi(text))
        return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
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
