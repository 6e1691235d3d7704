// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once
#include <cstdint>

// The text of string resource `id`, or nullptr when the table has no such string.
const char* FindString(uint32_t id);
