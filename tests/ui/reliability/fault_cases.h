#pragma once
// Every step of a file replacement, each failing with each of three errors, for the dialogs' tests.
#include "platform/file_fault.h"

#include <string>
#include <vector>

struct FaultCase {
    FileStep step;
    int error;
};

std::vector<FaultCase> EveryStepAndError();
std::string FaultCaseName(const FaultCase& c);

// Files beside kqnet.ini that a writer uses for its temporaries.
int CountTemporaries(const std::string& directory);

// Makes the case's step fail for the life of the object, and counts how often the step was reached.
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
