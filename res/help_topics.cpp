// SPDX-License-Identifier: GPL-2.0-or-later
#include "res/help_topics.h"

#include <algorithm>
#include <charconv>
#include <fstream>
#include <sstream>
#include <system_error>
#include <utility>

#include "res/translation.h"

namespace {

constexpr std::string_view kBlanks = " \t\r\f\v";

std::string_view Trim(std::string_view s)
{
    const auto first = s.find_first_not_of(kBlanks);
    if (first == std::string_view::npos) {
        return {};
    }
    return s.substr(first, s.find_last_not_of(kBlanks) - first + 1);
}

// A whole token as a decimal number no greater than `max`.
std::optional<uint32_t> ParseNumber(std::string_view token, uint32_t max)
{
    uint32_t value = 0;
    const auto [end, ec] = std::from_chars(token.data(), token.data() + token.size(), value);
    if (ec != std::errc{} || end != token.data() + token.size() || value > max) {
        return std::nullopt;
    }
    return value;
}

// "<context id>" or "<template id>:<control id>", the latter standing for the context id the
// dialog base computes: the template id in the high half, the control id in the low half.
std::optional<uint32_t> ParseContextId(std::string_view token)
{
    const auto colon = token.find(':');
    if (colon == std::string_view::npos) {
        return ParseNumber(token, UINT32_MAX);
    }
    const auto templateId = ParseNumber(token.substr(0, colon), 0xFFFF);
    const auto controlId = ParseNumber(token.substr(colon + 1), 0xFFFF);
    if (!templateId || !controlId) {
        return std::nullopt;
    }
    return *templateId << 16 | *controlId;
}

struct Header {
    HelpTopicKind kind;
    uint32_t id;
    std::string_view title;
};

// "@topic <context> <title>" or "@overview <template id> <title>".
std::optional<Header> ParseHeader(std::string_view line)
{
    const auto keywordEnd = line.find_first_of(kBlanks);
    if (keywordEnd == std::string_view::npos) {
        return std::nullopt;
    }
    const std::string_view keyword = line.substr(0, keywordEnd);
    const std::string_view rest = Trim(line.substr(keywordEnd));
    const auto idEnd = rest.find_first_of(kBlanks);
    if (idEnd == std::string_view::npos) {
        return std::nullopt;   // an id without a title
    }
    const std::string_view idToken = rest.substr(0, idEnd);
    const std::string_view title = Trim(rest.substr(idEnd));

    std::optional<uint32_t> id;
    HelpTopicKind kind{};
    if (keyword == "@topic") {
        kind = HelpTopicKind::Context;
        id = ParseContextId(idToken);
    } else if (keyword == "@overview") {
        kind = HelpTopicKind::Overview;
        id = ParseNumber(idToken, 0xFFFF);
    }
    if (!id) {
        return std::nullopt;
    }
    return Header{kind, *id, title};
}

// Builds one topic's body from its lines: a paragraph's lines are joined with a blank, a blank line
// separates paragraphs, and a line starting with "- " (a list item) begins a line of its own. Each
// paragraph is translated whole, as the catalog of translations lists it.
class BodyBuilder {
public:
    void AddLine(std::string_view line)
    {
        if (line.empty()) {
            EndParagraph();
            return;
        }
        if (!m_paragraph.empty())
            m_paragraph += line.starts_with("- ") ? '\n' : ' ';
        m_paragraph += line;
    }

    [[nodiscard]] std::string Take()
    {
        EndParagraph();
        return std::exchange(m_body, {});
    }

private:
    void EndParagraph()
    {
        if (m_paragraph.empty())
            return;
        if (!m_body.empty())
            m_body += "\n\n";
        m_body += Translate(m_paragraph.c_str());
        m_paragraph.clear();
    }

    std::string m_body;
    std::string m_paragraph;
};

}  // namespace

HelpTopics HelpTopics::Parse(std::string_view text)
{
    HelpTopics topics;
    BodyBuilder body;
    bool inTopic = false;   // false before the first header and after a rejected one

    const auto finishTopic = [&] {
        if (inTopic) {
            topics.m_topics.back().body = body.Take();
        }
    };

    while (!text.empty()) {
        const auto eol = text.find('\n');
        const std::string_view raw = text.substr(0, eol);
        text = eol == std::string_view::npos ? std::string_view{} : text.substr(eol + 1);

        const std::string_view line = Trim(raw);
        if (line.starts_with('#')) {
            continue;
        }
        if (line.starts_with('@')) {
            finishTopic();
            const auto header = ParseHeader(line);
            inTopic = header && !topics.Find(header->kind, header->id);
            if (inTopic) {
                topics.m_topics.push_back({header->kind, header->id, Translate(std::string(header->title).c_str()), {}});
            } else {
                ++topics.m_skippedLines;
            }
            continue;
        }
        if (inTopic) {
            body.AddLine(line);
        } else if (!line.empty()) {
            ++topics.m_skippedLines;
        }
    }
    finishTopic();
    return topics;
}

std::optional<HelpTopics> HelpTopics::Load(const std::filesystem::path& path)
{
    std::error_code ec;
    if (!std::filesystem::is_regular_file(path, ec)) {
        return std::nullopt;   // missing, or a directory, which would open but read as nothing
    }
    std::ifstream in(path, std::ios::binary);
    if (!in) {
        return std::nullopt;
    }
    std::ostringstream content;
    content << in.rdbuf();
    if (in.bad()) {
        return std::nullopt;
    }
    return Parse(content.view());
}

const HelpTopic* HelpTopics::FindTopic(uint32_t contextId) const
{
    return Find(HelpTopicKind::Context, contextId);
}

const HelpTopic* HelpTopics::FindOverview(uint32_t templateId) const
{
    return Find(HelpTopicKind::Overview, templateId);
}

const HelpTopic* HelpTopics::Find(HelpTopicKind kind, uint32_t id) const
{
    const auto it = std::ranges::find_if(m_topics, [&](const HelpTopic& t) { return t.kind == kind && t.id == id; });
    return it == m_topics.end() ? nullptr : &*it;
}
