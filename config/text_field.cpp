// SPDX-License-Identifier: GPL-2.0-or-later
#include "config/text_field.h"

#include <cstring>

#include "platform/ansi_text.h"

std::string_view FieldText(const char (&field)[kTextFieldSize])
{
    return {field, strnlen(field, kTextFieldSize)};
}

void StoreFieldText(char (&field)[kTextFieldSize], std::string_view text)
{
    const size_t length = AnsiFitLength(text, kTextFieldSize - 1);
    std::memcpy(field, text.data(), length);
    std::memset(field + length, 0, kTextFieldSize - length);
}
