// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once
// Why a save of the configuration store was refused, handed back beside its ProfileResult, so that
// a window can tell the user which file was refused and why without asking the platform itself.
#include "config/profile_result.h"
#include "platform/file_failure.h"

#include <cstdint>
#include <string>

enum class SaveProblem {
    None,
    NoSystemDirectory,   // no profile path can be formed
    TextTooLong,         // a key or line would not fit its 259 characters
    File,                // a file refused the save: `file` says why
};

struct SaveFailure {
    SaveProblem problem = SaveProblem::None;
    // The file refused (kqnet.ini, its lock file, the system directory...) and why; for a text too
    // long, kqnet.ini alone.
    FileFailure file;
};

// Stores in `why` (when not null) why a save of `path` stopped: the refusal of the profile function
// that failed last when there was one, else `otherwise`. Returns ProfileFailed. The caller clears
// the last error before the save begins.
ProfileResult SaveRefused(SaveFailure* why, const char* path, SaveProblem otherwise);

// Marks a save as successful in `why` (when not null) and returns ProfileOk.
ProfileResult SaveSucceeded(SaveFailure* why);

// The words of a refusal's reason, for every program that tells it: the string (res/resource_ids.h)
// that says why, with the text for its "%1" (the process holding a lock); or, for a system call that
// failed, no string and the errno whose description says why.
struct FailureReason {
    uint32_t stringId = 0;
    std::string argument;
    int error = 0;
};
[[nodiscard]] FailureReason ReasonOf(const FileFailure& failure);
[[nodiscard]] FailureReason ReasonOf(const SaveFailure& failure);

// The file a failed save names: the one refused, or "kqnet.ini" when there is no system directory.
[[nodiscard]] std::string SaveFailureFile(const SaveFailure& failure);
