#pragma once
// The help topics as the terminal shows them: read once from the help file beside the program,
// and laid out as lines of text for popups and the help window.
#include <cstdint>
#include <filesystem>
#include <optional>
#include <string>
#include <vector>

#include "res/help_topics.h"

namespace tui {

class TuiHelp {
public:
    // Topics from `file`, read when first needed.
    explicit TuiHelp(std::filesystem::path file);

    // <dir of the running program>/../share/norvane/help/norvane-help.txt, the installed layout
    // that the build tree mirrors.
    static std::filesystem::path InstalledFile();

    // Null when the file cannot be read.
    const HelpTopics* Topics();
    const HelpTopic* FindTopic(uint32_t contextId);
    const HelpTopic* FindOverview(uint32_t templateId);
    // Why a requested topic cannot be shown: the file is missing, or it has no such topic.
    std::u32string MissingTopicText();

private:
    std::filesystem::path m_file;
    bool m_loaded = false;
    std::optional<HelpTopics> m_topics;
};

// A topic as lines of at most `width` cells: its title, a blank line, then its paragraphs with a
// blank line between them; a list item starts "- " and its further lines are indented.
std::vector<std::u32string> TopicLines(const HelpTopic& topic, int width);

}   // namespace tui
