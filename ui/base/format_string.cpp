// SPDX-License-Identifier: GPL-2.0-or-later
#include "ui/base/format_string.h"

#include "ui/base/message_box.h"

std::string AfxFormatString2(uint32_t stringId, std::string_view first, std::string_view second)
{
    const std::string format = LoadString(stringId);
    std::string text;
    text.reserve(format.size() + first.size() + second.size());
    for (size_t i = 0; i < format.size(); ++i) {
        const bool blank = format[i] == '%' && i + 1 < format.size() && (format[i + 1] == '1' || format[i + 1] == '2');
        if (!blank) {
            text += format[i];
            continue;
        }
        text += format[i + 1] == '1' ? first : second;
        ++i;
    }
    return text;
}
