#pragma once
// The help topics as the host shows them: read once from the help file beside the program, and
// rendered as rich text for popups, "What's This?" texts and the help window.
#include <QString>
#include <cstdint>
#include <filesystem>
#include <optional>

#include "res/help_topics.h"

class HelpLibrary {
public:
    // Topics from `file`, read when first needed.
    explicit HelpLibrary(std::filesystem::path file);

    // <dir of the executable>/../share/norvane/help/norvane-help.txt, the installed layout that
    // the build tree mirrors.
    static std::filesystem::path InstalledFile();

    const std::filesystem::path& file() const { return m_file; }
    // Null when the file cannot be read (every request then shows why).
    const HelpTopics* Topics();

    // The topic of a help context id, or of a dialog's overview; null when there is none.
    const HelpTopic* FindTopic(uint32_t contextId);
    const HelpTopic* FindOverview(uint32_t templateId);

    // Rich text of the topic of `contextId`, or of why there is none.
    QString PopupText(uint32_t contextId);
    // Why a requested topic cannot be shown: the file is missing, or it has no such topic.
    QString MissingTopicText();

private:
    std::filesystem::path m_file;
    bool m_loaded = false;
    std::optional<HelpTopics> m_topics;
};

// A text of the help file, which is UTF-8.
QString FromHelpText(const std::string& text);
// The topic as rich text: its title as a heading, then its paragraphs and list items.
QString TopicHtml(const HelpTopic& topic);
// The topic as plain text (title and body), for screen readers.
QString TopicPlainText(const HelpTopic& topic);
