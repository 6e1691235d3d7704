// SPDX-License-Identifier: GPL-2.0-or-later
#include "config/filter_types.h"

namespace {

// In the order of the dialog's list: binary (pass-thru), DVI, text, plot, Fortran, CIF plot.
constexpr std::string_view kFilterLetters[kUserDefinedFilter] = {"v", "d", "f", "g", "r", "c"};

} // namespace

int32_t FilterLetterToIndex(std::string_view filter)
{
    for (int32_t index = 0; index < kUserDefinedFilter; ++index) {
        if (filter == kFilterLetters[index])
            return index;
    }
    return kUserDefinedFilter;
}

std::string_view FilterIndexToLetter(int32_t index)
{
    if (index < 0 || index >= kUserDefinedFilter)
        return {};
    return kFilterLetters[index];
}
