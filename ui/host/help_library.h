// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once
// The help topics as every host shows them: read once from the help file installed beside the
// program, looked up by context or dialog, and searched. A host only turns a topic into what it
// can draw (rich text, lines of cells).
#include <cstdint>
#include <filesystem>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "res/help_topics.h"

class HelpLibrary {
public:
    // Topics from `file`, read when first needed.
    explicit HelpLibrary(std::filesystem::path file = InstalledFile());

    // <dir of the running program>/../share/norvane/help/norvane-help.txt, the installed layout
    // that the build tree mirrors.
    static std::filesystem::path InstalledFile();
    // The help window's caption.
    static std::string WindowCaption();

    const std::filesystem::path& file() const { return m_file; }
    // Null when the file cannot be read (every request then shows why).
    const HelpTopics* Topics();

    // The topic of a help context id (HelpTopicKind::Context) or of a dialog's overview; null when
    // there is none.
    const HelpTopic* Find(HelpTopicKind kind, uint32_t id);
    const HelpTopic* FindTopic(uint32_t contextId) { return Find(HelpTopicKind::Context, contextId); }
    const HelpTopic* FindOverview(uint32_t templateId) { return Find(HelpTopicKind::Overview, templateId); }
    // Where `topic` stands in Topics(); -1 for null.
    int IndexOf(const HelpTopic* topic);

    // Why a requested topic cannot be shown (UTF-8): the file could not be read, or it has no such topic.
    std::string MissingTopicText();

    // Indexes in Topics() of the topics whose title or text contains `query`, compared by the
    // program's case folding; every topic for an empty query.
    std::vector<size_t> Search(std::u32string_view query);

private:
    std::filesystem::path m_file;
    bool m_loaded = false;
    std::optional<HelpTopics> m_topics;
    // Each topic's title and text, folded, for the search.
    std::vector<std::u32string> m_foldedTitles;
    std::vector<std::u32string> m_foldedBodies;
};
