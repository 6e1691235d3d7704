// SPDX-License-Identifier: GPL-2.0-or-later
#include "fuzz/fuzz_file.h"

#include <cstdio>
#include <cstdlib>
#include <dirent.h>
#include <string_view>

std::string ReadWholeFile(const std::string& path)
{
    std::string bytes;
    if (FILE* file = std::fopen(path.c_str(), "rb")) {
        char buffer[65536];
        for (size_t n; (n = std::fread(buffer, 1, sizeof buffer, file)) > 0;)
            bytes.append(buffer, n);
        std::fclose(file);
    }
    return bytes;
}

void ReplaceWholeFile(const std::string& path, const std::string& bytes)
{
    const std::string next = path + ".next";
    FILE* file = std::fopen(next.c_str(), "wb");
    Check(file != nullptr);
    Check(std::fwrite(bytes.data(), 1, bytes.size(), file) == bytes.size());
    Check(std::fclose(file) == 0);
    Check(std::rename(next.c_str(), path.c_str()) == 0);
}

bool HasTemporaries(const std::string& directory)
{
    bool found = false;
    if (DIR* d = opendir(directory.c_str())) {
        while (const dirent* entry = readdir(d))
            found |= std::string_view(entry->d_name).starts_with(".kqnet.ini.tmp");
        closedir(d);
    }
    return found;
}

void Check(bool condition)
{
    if (!condition)
        std::abort();
}
