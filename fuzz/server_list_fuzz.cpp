// SPDX-License-Identifier: GPL-2.0-or-later
// LoadServerList on an arbitrary kqnet.ini, then SaveServerList and LoadServerList again: the second
// load gives the same list, or the save was refused and the file kept every byte.
#include "config/server_file.h"
#include "fuzz/fuzz_dir.h"
#include "fuzz/fuzz_file.h"
#include "tests/reliability/sample_configs.h"

#include <string>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* bytes, size_t size)
{
    const std::string file(reinterpret_cast<const char*>(bytes), size);
    const std::string path = FuzzProfilePath();
    ReplaceWholeFile(path, file);

    OwnedList first;
    Check(LoadServerList(first.head) == ProfileOk);
    if (SaveServerList(first.head) != ProfileOk) {
        Check(ReadWholeFile(path) == file);
        Check(!HasTemporaries(FuzzSystemDir()));
        return 0;
    }
    OwnedList second;
    Check(LoadServerList(second.head) == ProfileOk);
    Check(DescribeDifference(first.head, second.head).empty());
    return 0;
}
