// SPDX-License-Identifier: GPL-2.0-or-later
#include "config/text_field.h"

#include <algorithm>
#include <cstring>

std::string_view FieldText(const char (&field)[kTextFieldSize])
{
    return {field, strnlen(field, kTextFieldSize)};
}

void StoreFieldText(char (&field)[kTextFieldSize], std::string_view text)
{
    const size_t length = std::min(text.size(), kTextFieldSize - 1);
    std::memcpy(field, text.data(), length);
    std::memset(field + length, 0, kTextFieldSize - length);
}
