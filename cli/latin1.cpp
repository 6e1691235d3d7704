// SPDX-License-Identifier: GPL-2.0-or-later
#include "cli/latin1.h"

#include <cstdint>

std::string Latin1ToUtf8(std::string_view bytes)
{
    std::string text;
    text.reserve(bytes.size());
    for (const char c : bytes) {
        const auto byte = static_cast<unsigned char>(c);
        if (byte < 0x80) {
            text += c;
        } else {
            text += static_cast<char>(0xC0 | (byte >> 6));
            text += static_cast<char>(0x80 | (byte & 0x3F));
        }
    }
    return text;
}

std::optional<std::string> Utf8ToLatin1(std::string_view text, bool* unstorable)
{
    if (unstorable)
        *unstorable = false;
    std::string bytes;
    bytes.reserve(text.size());
    for (size_t i = 0; i < text.size(); ++i) {
        const auto lead = static_cast<unsigned char>(text[i]);
        if (lead < 0x80) {
            bytes += text[i];
            continue;
        }
        // The length of the sequence, the bits its lead byte holds, and the smallest code it may
        // stand for (no overlong forms).
        struct Form {
            unsigned char mask;
            unsigned char lead;
            size_t length;
            uint32_t smallest;
        };
        static constexpr Form kForms[] = {{0xE0, 0xC0, 2, 0x80}, {0xF0, 0xE0, 3, 0x800}, {0xF8, 0xF0, 4, 0x10000}};
        const Form* form = nullptr;
        for (const Form& candidate : kForms) {
            if ((lead & candidate.mask) == candidate.lead)
                form = &candidate;
        }
        if (!form)
            return std::nullopt;
        const size_t length = form->length;
        uint32_t code = lead & static_cast<unsigned char>(~form->mask);
        if (i + length > text.size())
            return std::nullopt;
        for (size_t k = 1; k < length; ++k) {
            const auto next = static_cast<unsigned char>(text[i + k]);
            if ((next & 0xC0) != 0x80)
                return std::nullopt;
            code = (code << 6) | (next & 0x3F);
        }
        if (code < form->smallest || code > 0x10FFFF || (code >= 0xD800 && code <= 0xDFFF))
            return std::nullopt;
        i += length - 1;
        if (code > 0xFF) {
            // Still read on, so that text that is not UTF-8 at all is told as such.
            if (unstorable)
                *unstorable = true;
            continue;
        }
        bytes += static_cast<char>(code);
    }
    if (unstorable && *unstorable)
        return std::nullopt;
    return bytes;
}

std::string PrintableText(std::string_view bytes)
{
    std::string text = Latin1ToUtf8(bytes);
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
