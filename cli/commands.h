// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once
// The commands. Each writes its output to `out` and returns what went wrong, if anything; `differs`
// is set by the commands that can end with ExitStatus::Differs (apply --check, check).
#include "cli/command_line.h"
#include "cli/exit_status.h"

#include <istream>
#include <optional>
#include <ostream>

struct Streams {
    std::istream& in;
    std::ostream& out;
    std::ostream& err;   // for warnings; errors are the caller's to print
};

using CommandFunction = std::optional<Failure> (*)(const Invocation& invocation, Streams& streams, bool& differs);

std::optional<Failure> RunShow(const Invocation& invocation, Streams& streams, bool& differs);
std::optional<Failure> RunApply(const Invocation& invocation, Streams& streams, bool& differs);
std::optional<Failure> RunCheck(const Invocation& invocation, Streams& streams, bool& differs);
// server, stream-queue, lpr-queue and option commands.
std::optional<Failure> RunEdit(const Invocation& invocation, Streams& streams, bool& differs);
