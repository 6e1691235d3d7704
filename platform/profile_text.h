// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once
// The text rules of profile files: what counts as a blank, how names compare (both public, in
// profile.h), how values are unquoted and numbers read.
#include "platform/profile.h"

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

inline std::string_view TrimProfileBlanks(std::string_view text)
{
    while (!text.empty() && IsProfileBlank(text.front()))
        text.remove_prefix(1);
    while (!text.empty() && IsProfileBlank(text.back()))
        text.remove_suffix(1);
    return text;
}
// Hash and equality of trimmed section and key names: ASCII case ignored.
struct ProfileNameHash {
    size_t operator()(std::string_view name) const;
};
struct ProfileNameEqual {
    bool operator()(std::string_view a, std::string_view b) const
    {
        return a.size() == b.size() && EqualIgnoringCase(a, b);
    }
    // For names of the same length.
    static bool EqualIgnoringCase(std::string_view a, std::string_view b);
};
// A value as a reader sees it: one pair of matching quotes around it removed.
std::string_view UnquoteProfileValue(std::string_view trimmedValue);
// Optional sign and leading decimal digits, modulo 2^32; 0 when there are no digits.
uint32_t ParseProfileInt(std::string_view value);
