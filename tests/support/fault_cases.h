// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once
// Every step of a file replacement failing with each of three errors, for the fault tests of every
// layer, and the seam's fault made for the life of an object.
#include <string>
#include <vector>

#include "platform/file_fault.h"

struct FaultCase {
    FileStep step;
    int error;
};

std::vector<FaultCase> EveryStepAndError();
// "Rename_ENOSPC": a test name for the case.
std::string FaultCaseName(const FaultCase& c);

// Files beside kqnet.ini that a writer uses for its temporaries; -1 when the folder cannot be read.
int CountTemporaries(const std::string& directory);

// Makes the case's step fail until the object ends or Clear() is called, and counts how often the
// step was reached, so that a test cannot pass by never getting there.
class InjectedFault {
public:
    explicit InjectedFault(const FaultCase& c);
    ~InjectedFault();
    InjectedFault(const InjectedFault&) = delete;
    InjectedFault& operator=(const InjectedFault&) = delete;

    int reached() const { return m_reached; }
    void Clear();

private:
    int m_reached = 0;
};
