// SPDX-License-Identifier: GPL-2.0-or-later
#include "ui/qt/help_html.h"

#include <QStringList>

#include "res/resource_ids.h"
#include "ui/base/message_box.h"
#include "ui/host/help_library.h"
#include "ui/qt/qt_text.h"

QString FromHelpText(const std::string& text)
{
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

QString TopicHtml(const HelpTopic& topic)
{
    QString html = QStringLiteral("<p><b>%1</b></p>").arg(FromHelpText(topic.title).toHtmlEscaped());
    const QStringList paragraphs = FromHelpText(topic.body).split(QStringLiteral("\n\n"), Qt::SkipEmptyParts);
    for (const QString& paragraph : paragraphs) {
        // A paragraph is its text, then one line per list item ("- item").
        QString text;
        QString items;
        for (const QString& line : paragraph.split(u'\n')) {
            if (line.startsWith(QStringLiteral("- ")))
                items += QStringLiteral("<li>%1</li>").arg(line.mid(2).toHtmlEscaped());
            else
                text += line.toHtmlEscaped();
        }
        if (!text.isEmpty())
            html += QStringLiteral("<p>%1</p>").arg(text);
        if (!items.isEmpty())
            html += QStringLiteral("<ul>%1</ul>").arg(items);
    }
    // The help file speaks of every platform's ways; a dialog's overview adds this window's own.
    if (topic.kind == HelpTopicKind::Overview)
        html += QStringLiteral("<p><i>%1</i></p>").arg(ToQString(LoadString(IDS_HELP_KEYS_QT)).toHtmlEscaped());
    return html;
}

QString TopicPlainText(const HelpTopic& topic)
{
    return FromHelpText(topic.title) + QStringLiteral(": ") + FromHelpText(topic.body);
}

QString TopicHtml(const HelpTopic* topic, HelpLibrary& help)
{
    if (topic)
        return TopicHtml(*topic);
    return QStringLiteral("<p>%1</p>").arg(FromHelpText(help.MissingTopicText()).toHtmlEscaped());
}
