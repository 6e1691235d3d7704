// SPDX-License-Identifier: GPL-2.0-or-later
#include "cli/commands.h"

#include "cli/configuration.h"
#include "cli/document.h"
#include "cli/files.h"
#include "cli/show_table.h"
#include "config/server_file.h"

std::optional<Failure> RunShow(const Invocation& invocation, Streams& streams, bool& /*differs*/)
{
    char path[kProfilePathSize];
    if (!GetProfilePath(path))
        return NoSystemDirectory(false);
    int error = 0;
    if (!ReadableOrMissing(path, error))
        return ReadFailure(path, static_cast<uint32_t>(error));
    Configuration configuration;
    if (!ReadConfiguration(configuration))
        return OutOfMemory(false);
    const std::string version = ConfigurationVersion(configuration);
    if (invocation.Has("--json"))
        streams.out << ConfigurationJson(configuration, version);
    else
        streams.out << ConfigurationTable(configuration, version);
    return std::nullopt;
}
