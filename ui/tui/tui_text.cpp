#include "ui/tui/tui_text.h"

namespace tui {

namespace {

constexpr char32_t kReplacement = 0xFFFD;

// Length of the UTF-8 sequence that starts with `lead`, 0 for a byte that cannot start one.
int SequenceLength(unsigned char lead)
{
    if (lead < 0x80)
        return 1;
    if ((lead & 0xE0) == 0xC0)
        return lead >= 0xC2 ? 2 : 0;
    if ((lead & 0xF0) == 0xE0)
        return 3;
    if ((lead & 0xF8) == 0xF0)
        return lead <= 0xF4 ? 4 : 0;
    return 0;
}

bool IsBlank(char32_t c)
{
    return c == U' ' || c == U'\t';
}

}   // namespace

std::u32string FromAnsi(std::string_view text)
{
    std::u32string result;
    result.reserve(text.size());
    for (const char c : text)
        result.push_back(static_cast<unsigned char>(c));
    return result;
}

std::string ToAnsi(std::u32string_view text)
{
    std::string result;
    result.reserve(text.size());
    for (const char32_t c : text)
        result.push_back(c <= 0xFF ? static_cast<char>(c) : '?');
    return result;
}

std::u32string FromUtf8(std::string_view text)
{
    std::u32string result;
    result.reserve(text.size());
    size_t i = 0;
    while (i < text.size()) {
        const auto lead = static_cast<unsigned char>(text[i]);
        const int length = SequenceLength(lead);
        if (length == 0 || i + static_cast<size_t>(length) > text.size()) {
            result.push_back(kReplacement);
            ++i;
            continue;
        }
        char32_t c = length == 1 ? lead : lead & (0xFF >> (length + 1));
        bool valid = true;
        for (int k = 1; k < length; ++k) {
            const auto next = static_cast<unsigned char>(text[i + static_cast<size_t>(k)]);
            if ((next & 0xC0) != 0x80) {
                valid = false;
                break;
            }
            c = (c << 6) | (next & 0x3F);
        }
        // Overlong forms, surrogates and values past the last code point are not characters.
        const bool overlong = (length == 3 && c < 0x800) || (length == 4 && c < 0x10000);
        if (!valid || overlong || (c >= 0xD800 && c <= 0xDFFF) || c > 0x10FFFF) {
            result.push_back(kReplacement);
            ++i;
            continue;
        }
        result.push_back(c);
        i += static_cast<size_t>(length);
    }
    return result;
}

std::string ToUtf8(std::u32string_view text)
{
    std::string result;
    result.reserve(text.size());
    for (char32_t c : text) {
        if (c > 0x10FFFF || (c >= 0xD800 && c <= 0xDFFF))
            c = kReplacement;
        if (c < 0x80) {
            result.push_back(static_cast<char>(c));
        } else if (c < 0x800) {
            result.push_back(static_cast<char>(0xC0 | (c >> 6)));
            result.push_back(static_cast<char>(0x80 | (c & 0x3F)));
        } else if (c < 0x10000) {
            result.push_back(static_cast<char>(0xE0 | (c >> 12)));
            result.push_back(static_cast<char>(0x80 | ((c >> 6) & 0x3F)));
            result.push_back(static_cast<char>(0x80 | (c & 0x3F)));
        } else {
            result.push_back(static_cast<char>(0xF0 | (c >> 18)));
            result.push_back(static_cast<char>(0x80 | ((c >> 12) & 0x3F)));
            result.push_back(static_cast<char>(0x80 | ((c >> 6) & 0x3F)));
            result.push_back(static_cast<char>(0x80 | (c & 0x3F)));
        }
    }
    return result;
}

MnemonicText StripMnemonic(std::u32string_view caption)
{
    MnemonicText result;
    for (size_t i = 0; i < caption.size(); ++i) {
        if (caption[i] != U'&') {
            result.text.push_back(caption[i]);
            continue;
        }
        // A marker at the very end stands for nothing.
        if (++i == caption.size())
            break;
        if (caption[i] != U'&' && result.hotkey < 0)
            result.hotkey = static_cast<int>(result.text.size());
        result.text.push_back(caption[i]);
    }
    return result;
}

char32_t MnemonicOf(std::string_view caption)
{
    const MnemonicText stripped = StripMnemonic(FromAnsi(caption));
    return stripped.hotkey < 0 ? 0 : FoldCase(stripped.text[static_cast<size_t>(stripped.hotkey)]);
}

char32_t FoldCase(char32_t c)
{
    return c >= U'A' && c <= U'Z' ? c - U'A' + U'a' : c;
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
        while (paragraph.size() > limit) {
            // Break at the last blank that leaves a line no longer than the limit.
            size_t cut = paragraph.find_last_of(U" \t", limit);
            size_t next = cut;
            if (cut == std::u32string_view::npos || cut == 0)
                cut = next = limit;
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
