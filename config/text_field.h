// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once
// The records' fixed text fields as strings: read up to the terminator (or the end of the field,
// should one lack it) and stored cut to the field's capacity, never past it nor inside a character.
#include <string_view>

#include "config/server_records.h"

[[nodiscard]] std::string_view FieldText(const char (&field)[kTextFieldSize]);
void StoreFieldText(char (&field)[kTextFieldSize], std::string_view text);
