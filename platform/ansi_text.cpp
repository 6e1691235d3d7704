// SPDX-License-Identifier: GPL-2.0-or-later
#include "platform/ansi_text.h"

#include <cstring>

char* CharUpperA(char* text)
{
    if (!text)
        return nullptr;
    for (char* c = text; *c; ++c) {
        if (*c >= 'a' && *c <= 'z')
            *c = static_cast<char>(*c - 'a' + 'A');
    }
    return text;
}

int32_t lstrcmpA(const char* first, const char* second)
{
    if (!first || !second)
        return (first != nullptr) - (second != nullptr);
    const int order = std::strcmp(first, second);
    return (order > 0) - (order < 0);
}

AnsiChar DecodeAnsiChar(std::string_view text, size_t at)
{
    const auto lead = static_cast<unsigned char>(text[at]);
    if (lead < 0x80)
        return {lead, 1};
    // The length a lead byte announces, and the smallest code of that length (shorter is overlong).
    size_t length = 0;
    char32_t smallest = 0;
    if (lead >= 0xC2 && lead <= 0xDF) {
        length = 2;
        smallest = 0x80;
    } else if ((lead & 0xF0) == 0xE0) {
        length = 3;
        smallest = 0x800;
    } else if (lead >= 0xF0 && lead <= 0xF4) {
        length = 4;
        smallest = 0x10000;
    }
    const AnsiChar stray{kReplacementCharacter, 1};
    if (length == 0 || text.size() - at < length)
        return stray;
    char32_t code = lead & (0x7F >> length);
    for (size_t k = 1; k < length; ++k) {
        const auto next = static_cast<unsigned char>(text[at + k]);
        if ((next & 0xC0) != 0x80)
            return stray;
        code = (code << 6) | (next & 0x3F);
    }
    if (code < smallest || code > 0x10FFFF || (code >= 0xD800 && code <= 0xDFFF))
        return stray;
    return {code, length};
}

bool IsWellFormedAnsi(std::string_view text)
{
    for (size_t at = 0; at < text.size();) {
        const AnsiChar c = DecodeAnsiChar(text, at);
        // A byte that starts no character is the only one-byte character above 0x7F.
        if (c.code == kReplacementCharacter && c.length == 1)
            return false;
        at += c.length;
    }
    return true;
}

size_t AnsiFitLength(std::string_view text, size_t maxBytes)
{
    if (text.size() <= maxBytes)
        return text.size();
    size_t fit = 0;
    while (true) {
        const size_t next = fit + DecodeAnsiChar(text, fit).length;
        if (next > maxBytes)
            return fit;
        fit = next;
    }
}
