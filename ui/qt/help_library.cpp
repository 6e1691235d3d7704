#include "ui/qt/help_library.h"

#include <QCoreApplication>
#include <QStringList>
#include <utility>

HelpLibrary::HelpLibrary(std::filesystem::path file) : m_file(std::move(file)) {}

std::filesystem::path HelpLibrary::InstalledFile()
{
    const std::filesystem::path programDir(QCoreApplication::applicationDirPath().toStdString());
    return (programDir / ".." / "share" / "norvane" / "help" / "norvane-help.txt").lexically_normal();
}

const HelpTopics* HelpLibrary::Topics()
{
    if (!m_loaded) {
        m_topics = HelpTopics::Load(m_file);
        m_loaded = true;
    }
    return m_topics ? &*m_topics : nullptr;
}

const HelpTopic* HelpLibrary::FindTopic(uint32_t contextId)
{
    const HelpTopics* topics = Topics();
    return topics ? topics->FindTopic(contextId) : nullptr;
}

const HelpTopic* HelpLibrary::FindOverview(uint32_t templateId)
{
    const HelpTopics* topics = Topics();
    return topics ? topics->FindOverview(templateId) : nullptr;
}

QString HelpLibrary::PopupText(uint32_t contextId)
{
    const HelpTopic* topic = FindTopic(contextId);
    return topic ? TopicHtml(*topic) : MissingTopicText();
}

QString HelpLibrary::MissingTopicText()
{
    if (!Topics())
        return QStringLiteral("<p>Help is not available: the help file %1 could not be read.</p>")
            .arg(QString::fromStdString(m_file.string()).toHtmlEscaped());
    return QStringLiteral("<p>No help topic is available for this item.</p>");
}

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
    return html;
}

QString TopicPlainText(const HelpTopic& topic)
{
    return FromHelpText(topic.title) + QStringLiteral(": ") + FromHelpText(topic.body);
}
