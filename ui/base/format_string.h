// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once
// Messages with blanks: "%1" and "%2" in a string resource stand for the texts given.
#include <cstdint>
#include <string>
#include <string_view>

// String `stringId` with every "%1" replaced by `first` and every "%2" by `second`. The inserted
// texts are not scanned again, so a "%2" inside `first` stays as it is. Empty when the table has
// no such string.
std::string AfxFormatString2(uint32_t stringId, std::string_view first, std::string_view second);
