// SPDX-License-Identifier: GPL-2.0-or-later
#include "platform/system_directory.h"

#include "platform/profile.h"

#include <cerrno>
#include <cstdlib>
#include <cstring>
#include <string>
#include <sys/stat.h>

namespace {

std::string SystemDirectory()
{
    if (const char* dir = std::getenv("NORVANE_SYSTEM_DIR"); dir && *dir)
        return dir;
    // A relative XDG_CONFIG_HOME is invalid, and ignored as the base directory rules ask.
    if (const char* config = std::getenv("XDG_CONFIG_HOME"); config && *config == '/')
        return std::string(config) + "/norvane";
    if (const char* home = std::getenv("HOME"); home && *home)
        return std::string(home) + "/.config/norvane";
    return {};
}

std::string WithoutTrailingSlashes(std::string path)
{
    while (path.size() > 1 && path.back() == '/')
        path.pop_back();
    return path;
}

} // namespace

uint32_t GetSystemDirectoryA(char* buffer, uint32_t size)
{
    const std::string dir = SystemDirectory();
    if (dir.empty() || !buffer || dir.size() + 1 > size)
        return 0;
    std::memcpy(buffer, dir.c_str(), dir.size() + 1);
    return static_cast<uint32_t>(dir.size());
}

int CreateSystemDirectoryFor(const std::string& directory)
{
    const std::string system = SystemDirectory();
    if (system.empty() || WithoutTrailingSlashes(system) != WithoutTrailingSlashes(directory))
        return ENOENT;
    // Create each missing component in turn, like mkdir -p, private as the base directory rules ask.
    for (size_t slash = 1; slash != std::string::npos;) {
        slash = system.find('/', slash + 1);
        const std::string part = system.substr(0, slash);
        if (mkdir(part.c_str(), 0700) != 0 && errno != EEXIST)
            return errno;
    }
    return 0;
}
