// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once
// The help topics, shipped as a text file beside the program (share/norvane/help/norvane-help.txt)
// and read at run time, so that the texts can be corrected without a rebuild. The file format is
// described at the top of res/help/norvane-help.txt.
#include <cstdint>
#include <filesystem>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

enum class HelpTopicKind {
    Context,    // the help of one context id: a control of a dialog, or OK, Cancel and Help
    Overview,   // the help of a whole dialog, keyed by its template id
};

struct HelpTopic {
    HelpTopicKind kind;
    uint32_t id;            // the help context id, or the template id of an overview
    std::string title;
    std::string body;       // paragraphs separated by "\n\n"; each list item starts a line of its own
};

class HelpTopics {
public:
    // Reads topics from the text of a help file. Never fails: a malformed line is skipped (and
    // counted), together with the body lines that belong to no valid topic; a repeated key keeps
    // its first topic.
    [[nodiscard]] static HelpTopics Parse(std::string_view text);

    // Parse of the file at `path`; nullopt when it cannot be read.
    [[nodiscard]] static std::optional<HelpTopics> Load(const std::filesystem::path& path);

    // The topic of a help context id (as computed by the dialog base), or nullptr.
    [[nodiscard]] const HelpTopic* FindTopic(uint32_t contextId) const;

    // The overview topic of a dialog template, or nullptr.
    [[nodiscard]] const HelpTopic* FindOverview(uint32_t templateId) const;

    // Every topic in file order, which is the order of a contents list.
    [[nodiscard]] std::span<const HelpTopic> Topics() const { return m_topics; }

    // Non-blank lines that were skipped as malformed or as belonging to no topic.
    [[nodiscard]] int SkippedLines() const { return m_skippedLines; }

private:
    [[nodiscard]] const HelpTopic* Find(HelpTopicKind kind, uint32_t id) const;

    std::vector<HelpTopic> m_topics;
    int m_skippedLines = 0;
};
