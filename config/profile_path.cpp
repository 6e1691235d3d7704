// SPDX-License-Identifier: GPL-2.0-or-later
#include "config/server_file.h"

#include "platform/profile.h"

#include <cstdio>

bool GetProfilePath(char (&path)[kProfilePathSize])
{
    path[0] = '\0';
    char directory[kProfilePathSize];
    const uint32_t length = GetSystemDirectoryA(directory, sizeof directory);
    if (length == 0 || length >= sizeof directory)
        return false;
    const char* separator = directory[length - 1] == '/' ? "" : "/";
    const int written = std::snprintf(path, sizeof path, "%s%s%s", directory, separator, "kqnet.ini");
    if (written < 0 || static_cast<std::size_t>(written) >= sizeof path) {
        path[0] = '\0';
        return false;
    }
    return true;
}
