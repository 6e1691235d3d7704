// SPDX-License-Identifier: GPL-2.0-or-later
#include "tests/support/fault_cases.h"

#include <cerrno>
#include <dirent.h>
#include <string_view>

std::vector<FaultCase> EveryStepAndError()
{
    std::vector<FaultCase> cases;
    for (FileStep step : {FileStep::OpenLock, FileStep::Lock, FileStep::CreateTemp, FileStep::Write, FileStep::Sync,
                          FileStep::Chmod, FileStep::Link, FileStep::Rename, FileStep::SyncDirectory})
        for (int error : {ENOSPC, EACCES, EIO})
            cases.push_back({step, error});
    return cases;
}

std::string FaultCaseName(const FaultCase& c)
{
    static const char* const steps[] = {"OpenLock", "Lock", "CreateTemp", "Write",        "Sync",
                                        "Chmod",    "Link", "Rename",     "SyncDirectory"};
    const char* error = c.error == ENOSPC ? "ENOSPC" : c.error == EACCES ? "EACCES" : "EIO";
    return std::string(steps[static_cast<int>(c.step)]) + "_" + error;
}

int CountTemporaries(const std::string& directory)
{
    DIR* d = opendir(directory.c_str());
    if (!d)
        return -1;
    int count = 0;
    while (const dirent* entry = readdir(d))
        count += std::string_view(entry->d_name).starts_with(".kqnet.ini.tmp");
    closedir(d);
    return count;
}

InjectedFault::InjectedFault(const FaultCase& c)
{
    SetFileFaultForTesting([this, c](FileStep step) {
        if (step != c.step)
            return 0;
        ++m_reached;
        return c.error;
    });
}

InjectedFault::~InjectedFault()
{
    Clear();
}

void InjectedFault::Clear()
{
    SetFileFaultForTesting({});
}
