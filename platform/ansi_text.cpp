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
