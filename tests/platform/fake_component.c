// SPDX-License-Identifier: GPL-2.0-or-later
/* A network component library for tests. Its entry 503 appends the 8 bytes it is handed to the
   file named by NORVANE_COMPONENT_LOG. Built without ENTRY_503 it exports another function only. */
#include <stdio.h>
#include <stdlib.h>

#ifdef ENTRY_503
int Ordinal503(void* request)
{
    const char* log = getenv("NORVANE_COMPONENT_LOG");
    FILE* file = log ? fopen(log, "ab") : NULL;
    if (!file)
        return 0;
    fwrite(request, 1, 8, file);
    fclose(file);
    return 1;
}
#else
int Ordinal502(void* request)
{
    return request != NULL;
}
#endif
