// SPDX-License-Identifier: GPL-2.0-or-later
#include "ui/tui/help_text.h"

#include "res/resource_ids.h"
#include "ui/base/message_box.h"
#include "ui/tui/tui_text.h"

namespace tui {

namespace {

constexpr std::u32string_view kItemMark = U"- ";

}   // namespace

std::vector<std::u32string> TopicLines(const HelpTopic& topic, int width)
{
    std::vector<std::u32string> lines = WrapText(FromUtf8(topic.title), width);
    const std::u32string body = FromUtf8(topic.body);
    size_t start = 0;
    while (start < body.size()) {
        size_t end = body.find(U"\n\n", start);
        if (end == std::u32string::npos)
            end = body.size();
        const std::u32string_view paragraph = std::u32string_view(body).substr(start, end - start);
        if (!paragraph.empty())
            lines.emplace_back();
        size_t lineStart = 0;
        while (lineStart < paragraph.size()) {
            size_t lineEnd = paragraph.find(U'\n', lineStart);
            if (lineEnd == std::u32string_view::npos)
                lineEnd = paragraph.size();
            const std::u32string_view line = paragraph.substr(lineStart, lineEnd - lineStart);
            if (line.starts_with(kItemMark)) {
                // A list item hangs under its mark.
                const std::vector<std::u32string> item = WrapText(line.substr(kItemMark.size()), width - 2);
                for (size_t i = 0; i < item.size(); ++i)
                    lines.push_back((i == 0 ? std::u32string(kItemMark) : U"  ") + item[i]);
            } else {
                for (std::u32string& wrapped : WrapText(line, width))
                    lines.push_back(std::move(wrapped));
            }
            lineStart = lineEnd + 1;
        }
        start = end + 2;
    }
    // The help file speaks of clicks and buttons; a dialog's overview adds the terminal's keys.
    if (topic.kind == HelpTopicKind::Overview) {
        lines.emplace_back();
        for (std::u32string& wrapped : WrapText(FromAnsi(LoadString(IDS_HELP_KEYS_TERMINAL)), width))
            lines.push_back(std::move(wrapped));
    }
    return lines;
}

}   // namespace tui
