// SPDX-License-Identifier: GPL-2.0-or-later
#include "ui/host/host_text.h"

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

}   // namespace

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
    return FoldCase(static_cast<unsigned char>(parsed.text[static_cast<size_t>(parsed.hotkey)]));
}
