// SPDX-License-Identifier: GPL-2.0-or-later
#include "cli/norvanectl.h"

#include "cli/commands.h"

#ifndef NORVANE_VERSION
#error "NORVANE_VERSION must be defined by the build"
#endif

namespace {

CommandFunction FunctionOf(CommandId id)
{
    switch (id) {
    case CommandId::Show:
        return RunShow;
    case CommandId::Apply:
        return RunApply;
    case CommandId::Check:
        return RunCheck;
    case CommandId::ServerAdd:
    case CommandId::ServerChange:
    case CommandId::ServerRemove:
    case CommandId::StreamQueueAdd:
    case CommandId::StreamQueueRemove:
    case CommandId::LprQueueAdd:
    case CommandId::LprQueueRemove:
    case CommandId::OptionSet:
        break;
    }
    return RunEdit;
}

int Report(std::ostream& err, const Failure& failure)
{
    // One line, whatever a file name or a value in the message holds.
    std::string line = failure.message;
    for (char& c : line) {
        if (c == '\n' || c == '\r')
            c = ' ';
    }
    err << "norvanectl: " << line << "\n";
    return static_cast<int>(failure.status);
}

} // namespace

int RunNorvanectl(const std::vector<std::string>& arguments, std::istream& in, std::ostream& out, std::ostream& err)
{
    Invocation invocation;
    if (const std::optional<Failure> failure = ParseCommandLine(arguments, invocation))
        return Report(err, *failure);
    if (invocation.help) {
        out << HelpText(invocation.command, invocation.group);
        return static_cast<int>(ExitStatus::Success);
    }
    if (invocation.version) {
        out << "norvanectl " << NORVANE_VERSION << "\n";
        return static_cast<int>(ExitStatus::Success);
    }
    Streams streams{in, out, err};
    bool differs = false;
    if (const std::optional<Failure> failure = FunctionOf(invocation.command->id)(invocation, streams, differs))
        return Report(err, *failure);
    out.flush();
    return static_cast<int>(differs ? ExitStatus::Differs : ExitStatus::Success);
}
