#pragma once
// The text rules of profile files: what counts as a blank, how names compare (both public, in
// profile.h), how values are unquoted and numbers read.
#include "platform/profile.h"

#include <cstdint>
#include <string>
#include <string_view>

std::string_view TrimProfileBlanks(std::string_view text);
// A value as a reader sees it: one pair of matching quotes around it removed.
std::string_view UnquoteProfileValue(std::string_view trimmedValue);
// Optional sign and leading decimal digits, modulo 2^32; 0 when there are no digits.
uint32_t ParseProfileInt(std::string_view value);
