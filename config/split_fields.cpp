// SPDX-License-Identifier: GPL-2.0-or-later
#include "config/server_file.h"

int32_t SplitFields(char* text, char** fields, int32_t maximum)
{
    if (!text || !fields || maximum < 1)
        return -1;
    int32_t count = 1;
    fields[0] = text;
    for (char* at = text; *at; ++at) {
        if (*at != ',')
            continue;
        *at = '\0';
        // Commas past the maximum are cut too, so a caller never sees a field with a comma in it.
        if (count < maximum)
            fields[count] = at + 1;
        if (count < INT32_MAX)
            ++count;
    }
    return count <= maximum ? count : 0;
}
