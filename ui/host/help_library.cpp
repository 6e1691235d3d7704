// SPDX-License-Identifier: GPL-2.0-or-later
#include "ui/host/help_library.h"

#include <utility>

#include "res/resource_ids.h"
#include "res/translation.h"
#include "ui/base/format_string.h"
#include "ui/base/message_box.h"
#include "ui/host/host_text.h"

HelpLibrary::HelpLibrary(std::filesystem::path file) : m_file(std::move(file)) {}

std::filesystem::path HelpLibrary::InstalledFile()
{
    return InstalledDataDir() / "norvane" / "help" / "norvane-help.txt";
}

std::string HelpLibrary::WindowCaption()
{
    return AfxFormatString2(IDS_HELP_CAPTION, LoadString(IDS_APP_TITLE), "");
}

const HelpTopics* HelpLibrary::Topics()
{
    if (!m_loaded) {
        m_topics = HelpTopics::Load(m_file);
        m_loaded = true;
        for (const HelpTopic& topic : m_topics ? m_topics->Topics() : std::span<const HelpTopic>()) {
            m_foldedTitles.push_back(FoldCase(FromUtf8(topic.title)));
            m_foldedBodies.push_back(FoldCase(FromUtf8(topic.body)));
        }
    }
    return m_topics ? &*m_topics : nullptr;
}

const HelpTopic* HelpLibrary::Find(HelpTopicKind kind, uint32_t id)
{
    const HelpTopics* topics = Topics();
    if (!topics)
        return nullptr;
    return kind == HelpTopicKind::Overview ? topics->FindOverview(id) : topics->FindTopic(id);
}

int HelpLibrary::IndexOf(const HelpTopic* topic)
{
    const HelpTopics* topics = Topics();
    return topic && topics ? static_cast<int>(topic - topics->Topics().data()) : -1;
}

std::string HelpLibrary::MissingTopicText()
{
    if (!Topics())
        return AfxFormatString2(IDS_HELP_FILE_UNREADABLE, m_file.string(), "");
    return LoadString(IDS_HELP_NO_TOPIC);
}

std::vector<size_t> HelpLibrary::Search(std::u32string_view query)
{
    std::vector<size_t> found;
    const HelpTopics* topics = Topics();
    if (!topics)
        return found;
    const std::u32string wanted = FoldCase(query);
    for (size_t i = 0; i < m_foldedTitles.size(); ++i) {
        if (m_foldedTitles[i].find(wanted) != std::u32string::npos || m_foldedBodies[i].find(wanted) != std::u32string::npos)
            found.push_back(i);
    }
    return found;
}
