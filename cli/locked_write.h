// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once
// Every change norvanectl makes goes through here: under kqnet.ini's lock, the configuration is read
// as the file holds it at that moment, the command decides and makes its writes, and they land in
// one replacement of the file. Another writer's save comes wholly before or wholly after, so
// nothing it wrote is lost, and --if-match is checked against exactly what is changed.
#include "cli/configuration.h"
#include "cli/exit_status.h"

#include <functional>
#include <optional>
#include <string>

struct WriteRequest {
    std::optional<std::string> ifMatch;   // the version the configuration must still have
    bool preview = false;                 // tell what would change, write nothing
    bool keepBytes = false;               // keep the file's bytes before and after
};

struct WriteOutcome {
    bool changed = false;   // the file changed (or in a preview would)
    std::string path;       // kqnet.ini
    std::string before;
    std::string after;
};

// Makes the command's writes, given the configuration as the file holds it now (the command may
// change it to save from it). A failure it returns leaves the file as it was.
using Edit = std::function<std::optional<Failure>(Configuration& now)>;

[[nodiscard]] std::optional<Failure> WriteUnderLock(const WriteRequest& request, const Edit& edit,
                                                    WriteOutcome& outcome);
