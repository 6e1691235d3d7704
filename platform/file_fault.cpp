// SPDX-License-Identifier: GPL-2.0-or-later
#include "platform/file_fault.h"

#include <cerrno>

namespace {
std::function<int(FileStep)>& Fault()
{
    static std::function<int(FileStep)> fault;
    return fault;
}
} // namespace

void SetFileFaultForTesting(std::function<int(FileStep)> fault)
{
    Fault() = std::move(fault);
}

int InjectedFileFault(FileStep step)
{
    const int error = Fault() ? Fault()(step) : 0;
    if (error != 0)
        errno = error;
    return error;
}
