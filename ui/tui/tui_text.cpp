// SPDX-License-Identifier: GPL-2.0-or-later
#include "ui/tui/tui_text.h"

#include <algorithm>

#include "platform/ansi_text.h"
#include "ui/base/message_box.h"
#include "ui/host/host_text.h"

namespace tui {

namespace {

bool IsBlank(char32_t c)
{
    return c == U' ' || c == U'\t';
}

}   // namespace

std::u32string FromAnsi(std::string_view text)
{
    return FromUtf8(text);
}

std::u32string LoadText(uint32_t id)
{
    return FromAnsi(LoadString(id));
}

std::string ToAnsi(std::u32string_view text)
{
    return ToUtf8(text);
}

int CellWidth(char32_t c)
{
    struct Range {
        char32_t first;
        char32_t last;
    };
    // Hangul Jamo; CJK radicals to Yi; Hangul syllables; compatibility ideographs; vertical and
    // small forms; full-width forms; pictographs and emoji; the supplementary ideographic planes.
    static constexpr Range kWide[] = {
        {0x1100, 0x115F}, {0x2E80, 0x303E}, {0x3041, 0x33FF}, {0x3400, 0x4DBF}, {0x4E00, 0x9FFF},
        {0xA000, 0xA4CF}, {0xAC00, 0xD7A3}, {0xF900, 0xFAFF}, {0xFE30, 0xFE4F}, {0xFF00, 0xFF60},
        {0xFFE0, 0xFFE6}, {0x1F300, 0x1F64F}, {0x1F900, 0x1F9FF}, {0x20000, 0x2FFFD}, {0x30000, 0x3FFFD},
    };
    if (c < kWide[0].first)
        return 1;
    for (const Range& range : kWide)
        if (c >= range.first && c <= range.last)
            return 2;
    return 1;
}

int CellCount(std::u32string_view text)
{
    int cells = 0;
    for (const char32_t c : text)
        cells += CellWidth(c);
    return cells;
}

MnemonicText StripMnemonic(std::string_view caption)
{
    const Caption parsed = ParseCaption(caption);
    const int hotkey =
        parsed.hotkey < 0 ? -1 : CharacterCount(std::string_view(parsed.text).substr(0, static_cast<size_t>(parsed.hotkey)));
    return {FromAnsi(parsed.text), hotkey};
}

std::vector<std::u32string> WrapText(std::u32string_view text, int width)
{
    std::vector<std::u32string> lines;
    if (width < 1)
        return lines;
    const auto limit = static_cast<size_t>(width);
    size_t start = 0;
    while (true) {
        const size_t newline = text.find(U'\n', start);
        const size_t end = newline == std::u32string_view::npos ? text.size() : newline;
        std::u32string_view paragraph = text.substr(start, end - start);
        while (true) {
            // The characters that fit the width; a wide one alone goes on a line of its own.
            size_t fit = 0;
            for (size_t used = 0; fit < paragraph.size() && used + static_cast<size_t>(CellWidth(paragraph[fit])) <= limit;
                 ++fit)
                used += static_cast<size_t>(CellWidth(paragraph[fit]));
            if (fit == paragraph.size())
                break;
            fit = std::max<size_t>(fit, 1);
            // Break at the last blank that leaves a line no longer than the limit.
            size_t cut = paragraph.find_last_of(U" \t", fit);
            size_t next = cut;
            if (cut == std::u32string_view::npos || cut == 0)
                cut = next = fit;
            while (cut > 0 && IsBlank(paragraph[cut - 1]))
                --cut;
            lines.emplace_back(paragraph.substr(0, cut));
            paragraph.remove_prefix(next);
            while (!paragraph.empty() && IsBlank(paragraph.front()))
                paragraph.remove_prefix(1);
        }
        // What is left of a paragraph that ended at a break is nothing to show.
        if (!paragraph.empty() || end == start || lines.empty())
            lines.emplace_back(paragraph);
        if (newline == std::u32string_view::npos)
            break;
        start = newline + 1;
    }
    return lines;
}

}   // namespace tui
