// SPDX-License-Identifier: GPL-2.0-or-later
#include "cli/commands.h"

#include "cli/cli_text.h"
#include "cli/files.h"
#include "cli/hazards.h"
#include "cli/file_text.h"
#include "config/server_file.h"

#include <nlohmann/json.hpp>

#include <cerrno>

namespace {

std::string Subject(const Hazard& hazard)
{
    if (hazard.key.empty())
        return PrintableText(hazard.server);
    if (hazard.server.empty())
        return PrintableText(hazard.key);
    return PrintableText(hazard.key) + " (" + PrintableText(hazard.server) + ")";
}

nlohmann::ordered_json TextOrNull(const std::string& bytes)
{
    return bytes.empty() ? nlohmann::ordered_json() : nlohmann::ordered_json(ShownText(bytes));
}

} // namespace

std::optional<Failure> RunCheck(const Invocation& invocation, Streams& streams, bool& differs)
{
    const bool named = !invocation.arguments.empty();
    std::string path;
    if (named) {
        path = invocation.arguments[0];
    } else {
        char profile[kProfilePathSize];
        if (!GetProfilePath(profile))
            return NoSystemDirectory(false);
        path = profile;
    }
    int error = 0;
    std::optional<std::string> bytes = ReadFileContents(path, error);
    // The configured file may not exist yet: it reads as empty, as for the profile functions.
    if (!bytes && error == ENOENT && !named)
        bytes.emplace();
    if (!bytes)
        return ReadFailure(path, static_cast<uint32_t>(error));

    const std::vector<Hazard> hazards = FindHazards(*bytes);
    differs = !hazards.empty();
    if (invocation.Has("--json")) {
        nlohmann::ordered_json report;
        report["file"] = path;
        report["hazards"] = nlohmann::ordered_json::array();
        for (const Hazard& hazard : hazards)
            report["hazards"].push_back({{"line", hazard.line ? nlohmann::ordered_json(hazard.line) : nullptr},
                                         {"server", TextOrNull(hazard.server)},
                                         {"key", TextOrNull(hazard.key)},
                                         {"reason", hazard.reason}});
        streams.out << report.dump(2, ' ', false, nlohmann::ordered_json::error_handler_t::replace) << "\n";
        return std::nullopt;
    }
    if (hazards.empty()) {
        streams.out << Text(CliText::NoHazards, {path}) << "\n";
        return std::nullopt;
    }
    for (const Hazard& hazard : hazards) {
        const std::string where = hazard.line ? path + ":" + std::to_string(hazard.line) : path;
        streams.out << where << ": " << Subject(hazard) << ": " << hazard.reason << "\n";
    }
    return std::nullopt;
}
