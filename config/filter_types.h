// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once
// The filter types of an LPR queue: the position of an item in the dialog's filter type list is its
// index, and each of the first six stands for one print-file type letter of the line printer
// protocol. The last, "User Defined", lets the user type the letter.
#include <cstdint>
#include <string_view>

inline constexpr int32_t kFilterTypeCount = 7;
inline constexpr int32_t kUserDefinedFilter = 6;

// 0 to 5 for a filter text that is exactly one of the six letters (case matters); 6 for any other.
[[nodiscard]] int32_t FilterLetterToIndex(std::string_view filter);

// The letter of filter type `index` 0 to 5; empty for "User Defined" and for an index out of range.
[[nodiscard]] std::string_view FilterIndexToLetter(int32_t index);
