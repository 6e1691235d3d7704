// SPDX-License-Identifier: GPL-2.0-or-later
#include "ui/host/host_text.h"

#include "platform/ansi_text.h"
#include "res/resource_ids.h"
#include "ui/base/format_string.h"

std::u32string FromUtf8(std::string_view text)
{
    std::u32string result;
    result.reserve(text.size());
    for (size_t at = 0; at < text.size();) {
        const AnsiChar c = DecodeAnsiChar(text, at);
        result.push_back(c.code);
        at += c.length;
    }
    return result;
}

int CharacterCount(std::string_view text)
{
    int count = 0;
    for (size_t at = 0; at < text.size(); at += DecodeAnsiChar(text, at).length)
        ++count;
    return count;
}

size_t CharacterOffset(std::string_view text, int characters)
{
    size_t at = 0;
    for (; characters > 0 && at < text.size(); --characters)
        at += DecodeAnsiChar(text, at).length;
    return at;
}

std::string EditedText(std::string_view before, std::u32string_view edited)
{
    const std::u32string shown = FromUtf8(before);
    size_t front = 0;
    while (front < shown.size() && front < edited.size() && shown[front] == edited[front])
        ++front;
    size_t back = 0;
    while (back < shown.size() - front && back < edited.size() - front &&
           shown[shown.size() - 1 - back] == edited[edited.size() - 1 - back])
        ++back;
    std::string text(before.substr(0, CharacterOffset(before, static_cast<int>(front))));
    text += ToUtf8(edited.substr(front, edited.size() - front - back));
    text += before.substr(CharacterOffset(before, static_cast<int>(shown.size() - back)));
    return text;
}

std::string ToUtf8(std::u32string_view text)
{
    std::string result;
    result.reserve(text.size());
    for (char32_t c : text) {
        if (c > 0x10FFFF || (c >= 0xD800 && c <= 0xDFFF))
            c = kReplacementCharacter;
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

char32_t FoldCase(char32_t c)
{
    // A-Z, Latin-1's capitals but the multiplication sign, Greek and Cyrillic capitals: their small
    // letters stand 0x20 further on (0x50 for Cyrillic's first sixteen).
    if ((c >= U'A' && c <= U'Z') || (c >= 0xC0 && c <= 0xDE && c != 0xD7) || (c >= 0x391 && c <= 0x3AB && c != 0x3A2) ||
        (c >= 0x410 && c <= 0x42F))
        return c + 0x20;
    if (c >= 0x400 && c <= 0x40F)
        return c + 0x50;
    if (c == 0x178)
        return 0xFF;
    // Latin Extended-A pairs each capital with the small letter after it: even capitals, but odd
    // ones in two runs; a few letters have no partner there.
    if (c >= 0x100 && c <= 0x17E && c != 0x130 && c != 0x131 && c != 0x138 && c != 0x149) {
        const bool oddCapitals = (c >= 0x139 && c <= 0x148) || c >= 0x179;
        if ((c % 2 == 1) == oddCapitals)
            return c + 1;
    }
    return c;
}

std::u32string FoldCase(std::u32string_view text)
{
    std::u32string folded(text);
    for (char32_t& c : folded)
        c = FoldCase(c);
    return folded;
}

Caption ParseCaption(std::string_view caption)
{
    Caption result;
    for (size_t i = 0; i < caption.size(); ++i) {
        if (caption[i] != '&') {
            result.text.push_back(caption[i]);
            continue;
        }
        if (++i == caption.size())
            break;
        if (caption[i] != '&' && result.hotkey < 0)
            result.hotkey = static_cast<int>(result.text.size());
        result.text.push_back(caption[i]);
    }
    return result;
}

char32_t MnemonicOf(std::string_view caption)
{
    const Caption parsed = ParseCaption(caption);
    if (parsed.hotkey < 0)
        return 0;
    return FoldCase(DecodeAnsiChar(parsed.text, static_cast<size_t>(parsed.hotkey)).code);
}

std::string FieldFullText(int limitBytes)
{
    return AfxFormatString2(IDS_FIELD_FULL, std::to_string(limitBytes), "");
}
