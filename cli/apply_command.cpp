// SPDX-License-Identifier: GPL-2.0-or-later
#include "cli/commands.h"

#include "cli/cli_text.h"
#include "cli/document.h"
#include "cli/files.h"
#include "cli/locked_write.h"
#include "cli/unified_diff.h"
#include "config/field_rules.h"
#include "config/server_file.h"
#include "platform/last_error.h"
#include "platform/profile.h"
#include "res/resource_ids.h"

#include <nlohmann/json.hpp>

#include <algorithm>
#include <iterator>
#include <unordered_map>

namespace {

Failure Refused(const std::string& where, std::string_view message)
{
    return {ExitStatus::Refused, where + ": " + std::string(message)};
}

// The dialogs' rules, for the servers the document brings or changes. A server the file already
// holds exactly so passes: it reads back as it is, even where a rule would refuse it if typed now.
std::optional<Failure> CheckServers(const ServerEntry* servers, const Configuration& now, std::string_view origin)
{
    std::unordered_map<std::string_view, std::vector<const ServerEntry*>> stored;
    for (const ServerEntry* entry = now.servers.get(); entry; entry = entry->next)
        stored[entry->name].push_back(entry);
    const auto isStored = [&stored](const ServerEntry& entry) {
        const auto found = stored.find(entry.name);
        return found != stored.end()
            && std::ranges::any_of(found->second, [&entry](const ServerEntry* s) { return SameSavedEntry(*s, entry); });
    };
    // Names as the file's keys compare them: a second server of the same name shares the first's keys.
    std::unordered_map<std::string, int> names;
    for (const ServerEntry* entry = servers; entry; entry = entry->next)
        ++names[ProfileNameKey(entry->name)];

    size_t index = 0;
    for (const ServerEntry* entry = servers; entry; entry = entry->next, ++index) {
        if (isStored(*entry))
            continue;
        const std::string where = std::string(origin) + ": servers[" + std::to_string(index) + "]";
        if (entry->name[0] == '\0')
            return Refused(where, Text(CliText::EmptyServerName));
        uint32_t refusal = ServerNameRefusal(entry->name, nullptr, nullptr);
        if (refusal == 0 && names[ProfileNameKey(entry->name)] > 1)
            refusal = IDS_SERVER_NAME_TAKEN;
        if (refusal != 0)
            return Refused(where, TableText(refusal));
        size_t k = 0;
        for (const LprQueue* queue = entry->lprQueues; queue; queue = queue->next, ++k) {
            const std::string at = where + ".lprQueues[" + std::to_string(k) + "]";
            if (queue->queueName[0] == '\0')
                return Refused(at, Text(CliText::EmptyQueueName));
            if (const auto lpr = LprQueueRefusal({queue->queueName, queue->filter, queue->userName, queue->personalName}))
                return Refused(at, TableText(lpr->messageId));
        }
    }
    return std::nullopt;
}

std::optional<Failure> ReadDocumentText(const std::string& file, std::istream& in, std::string& text)
{
    if (file == "-") {
        text.assign(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
        return std::nullopt;
    }
    int error = 0;
    std::optional<std::string> bytes = ReadFileContents(file, error);
    if (!bytes)
        return ReadFailure(file, static_cast<uint32_t>(error));
    text = std::move(*bytes);
    return std::nullopt;
}

CliText Outcome(bool preview, bool changed)
{
    if (preview)
        return changed ? CliText::WouldChange : CliText::NothingWouldChange;
    return changed ? CliText::Written : CliText::NothingToChange;
}

} // namespace

std::optional<Failure> RunApply(const Invocation& invocation, Streams& streams, bool& differs)
{
    const std::string& file = invocation.arguments[0];
    const std::string origin = file == "-" ? Text(CliText::StandardInput) : file;
    std::string text;
    if (auto failure = ReadDocumentText(file, streams.in, text))
        return failure;
    Document document;
    if (auto failure = ParseDocument(text, origin, document))
        return failure;

    WriteRequest request;
    request.ifMatch = invocation.Value("--if-match");
    request.preview = invocation.Has("--check");
    request.keepBytes = invocation.Has("--diff");
    bool warningsOn = true;
    WriteOutcome outcome;
    const auto failure = WriteUnderLock(
        request,
        [&](Configuration& now) -> std::optional<Failure> {
            KeepUnshownBytes(document, now);
            if (document.servers)
                if (auto refused = CheckServers(document.servers->get(), now, origin))
                    return refused;
            if (auto refused = CheckUserName(document.options, now))
                return Refused(origin + ": options.defaultUserName", refused->message);
            // The options first, as the Global Options dialog writes them before the main window's OK.
            if (auto failed = WriteOptions(document.options, now))
                return failed;
            SaveFailure why;
            if (document.servers && SaveServerList(document.servers->get(), &why) != ProfileOk)
                return ProfileWriteFailure(why);
            warningsOn = WarningsOn(document.options, now);
            return std::nullopt;
        },
        outcome);
    if (failure)
        return failure;
    if (!request.preview && document.options.Any())
        NotifyNetworkComponent(warningsOn, streams.err);
    differs = request.preview && outcome.changed;

    const std::string diff = request.keepBytes ? UnifiedDiff(outcome.before, outcome.after, outcome.path) : "";
    if (invocation.Has("--json")) {
        nlohmann::ordered_json report;
        report["file"] = outcome.path;
        report["changed"] = outcome.changed;
        report["written"] = outcome.changed && !request.preview;
        if (request.keepBytes)
            report["diff"] = diff;
        streams.out << report.dump(2, ' ', false, nlohmann::ordered_json::error_handler_t::replace) << "\n";
        return std::nullopt;
    }
    streams.out << diff << Text(Outcome(request.preview, outcome.changed), {outcome.path}) << "\n";
    return std::nullopt;
}
