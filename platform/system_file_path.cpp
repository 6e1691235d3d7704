// SPDX-License-Identifier: GPL-2.0-or-later
#include "platform/system_file_path.h"

#include "platform/profile.h"

#include <climits>

std::string SystemFilePath(const char* name)
{
    char directory[PATH_MAX];
    const uint32_t length = GetSystemDirectoryA(directory, sizeof directory);
    if (length == 0)
        return {};
    std::string path(directory, length);
    if (path.back() != '/')
        path += '/';
    return path + name;
}
