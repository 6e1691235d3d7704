#include "config/profile_keys.h"

#include <cstdarg>
#include <cstdio>

bool FormatText(char (&buffer)[kTextFieldSize], const char* format, ...)
{
    va_list arguments;
    va_start(arguments, format);
    const int length = std::vsnprintf(buffer, sizeof buffer, format, arguments);
    va_end(arguments);
    return length >= 0 && static_cast<std::size_t>(length) < sizeof buffer;
}
