// SPDX-License-Identifier: GPL-2.0-or-later
#include "fuzz/fuzz_dir.h"

#include <cstdlib>
#include <filesystem>
#include <unistd.h>

namespace {

struct Dir {
    Dir()
    {
        const char* base = access("/dev/shm", W_OK) == 0 ? "/dev/shm" : "/tmp";
        std::string pattern = std::string(base) + "/norvane-fuzz-XXXXXX";
        if (!mkdtemp(pattern.data()))
            std::abort();
        path = pattern;
        setenv("NORVANE_SYSTEM_DIR", path.c_str(), 1);
    }
    ~Dir()
    {
        std::error_code ignored;
        std::filesystem::remove_all(path, ignored);
    }
    std::string path;
};

} // namespace

const std::string& FuzzSystemDir()
{
    static Dir dir;
    return dir.path;
}

std::string FuzzProfilePath()
{
    return FuzzSystemDir() + "/kqnet.ini";
}
