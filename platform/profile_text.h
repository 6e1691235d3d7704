#pragma once
// The text rules of profile files: what counts as a blank, how names compare, how values are
// unquoted and numbers read.
#include <cstdint>
#include <string>
#include <string_view>

bool IsProfileBlank(char c);
std::string_view TrimProfileBlanks(std::string_view text);
// The lookup form of a section or key name: trimmed, ASCII letters lower-cased.
std::string ProfileNameKey(std::string_view name);
// A value as a reader sees it: one pair of matching quotes around it removed.
std::string_view UnquoteProfileValue(std::string_view trimmedValue);
// Optional sign and leading decimal digits, modulo 2^32; 0 when there are no digits.
uint32_t ParseProfileInt(std::string_view value);
