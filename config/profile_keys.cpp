// SPDX-License-Identifier: GPL-2.0-or-later
#include "config/profile_keys.h"

bool NameKey(char (&key)[kTextFieldSize], const char (&name)[kTextFieldSize], const char* suffix)
{
    return FieldText(key).AddField(name).Add(suffix).Fits();
}

bool NumberedKey(char (&key)[kTextFieldSize], const char* stem, int32_t n)
{
    return FieldText(key).Add(stem).Add(int64_t{n}).Fits();
}
