// SPDX-License-Identifier: GPL-2.0-or-later
#include "cli/file_text.h"

#include "platform/ansi_text.h"

std::string ShownText(std::string_view bytes)
{
    std::string text;
    text.reserve(bytes.size());
    for (size_t at = 0; at < bytes.size();) {
        const AnsiChar c = DecodeAnsiChar(bytes, at);
        const bool stray = c.code == kReplacementCharacter && c.length == 1;
        text += stray ? std::string_view("\xEF\xBF\xBD") : bytes.substr(at, c.length);
        at += c.length;
    }
    return text;
}

std::string PrintableText(std::string_view bytes)
{
    std::string text = ShownText(bytes);
    for (char& c : text) {
        const auto byte = static_cast<unsigned char>(c);
        if (byte < 0x20 || byte == 0x7F)
            c = '?';
    }
    return text;
}

size_t Utf8Width(std::string_view text)
{
    size_t width = 0;
    for (const char c : text)
        width += (static_cast<unsigned char>(c) & 0xC0) != 0x80;
    return width;
}
