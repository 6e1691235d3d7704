// SPDX-License-Identifier: GPL-2.0-or-later
// The everyday commands: one change to one server, one queue or one option, made to the
// configuration as the file holds it at that moment (under its lock), so that whatever another
// program wrote before stays.
#include "cli/commands.h"

#include "cli/edits.h"
#include "cli/files.h"
#include "cli/locked_write.h"
#include "cli/option_writes.h"
#include "config/server_file.h"
#include "platform/last_error.h"

namespace {

std::optional<Failure> OnOff(const std::string& text, std::optional<bool>& value)
{
    if (text != "on" && text != "off")
        return UsageError(CliText::BadOnOff, {text});
    value = text == "on";
    return std::nullopt;
}

// `option set SETTING VALUE` as a request of the options.
std::optional<Failure> OptionRequest(const Invocation& invocation, OptionsRequest& request)
{
    const std::string& setting = invocation.arguments[0];
    const std::string& value = invocation.arguments[1];
    if (setting == "user-name") {
        std::string bytes;
        if (auto failure = ToBytes(value, "VALUE", bytes))
            return failure;
        request.userName = std::move(bytes);
        return std::nullopt;
    }
    if (setting == "warnings")
        return OnOff(value, request.warnings);
    if (setting == "restore")
        return OnOff(value, request.restore);
    if (setting != "protection")
        return UsageError(CliText::UnknownSetting, {setting});
    request.protection = ParseProtection(value);
    if (!request.protection)
        return UsageError(CliText::BadMask, {value});
    return std::nullopt;
}

} // namespace

std::optional<Failure> RunEdit(const Invocation& invocation, Streams& streams, bool& /*differs*/)
{
    WriteRequest request;
    request.ifMatch = invocation.Value("--if-match");
    WriteOutcome outcome;
    std::optional<Failure> failure;

    if (invocation.command->id == CommandId::OptionSet) {
        OptionsRequest options;
        if (auto refused = OptionRequest(invocation, options))
            return refused;
        bool warningsOn = true;
        failure = WriteUnderLock(
            request,
            [&](Configuration& now) -> std::optional<Failure> {
                if (auto refused = CheckUserName(options, now))
                    return refused;
                warningsOn = WarningsOn(options, now);
                return WriteOptions(options, now);
            },
            outcome);
        if (!failure)
            NotifyNetworkComponent(warningsOn, streams.err);
    } else {
        std::string name;
        if (auto refused = ToBytes(invocation.arguments[0], invocation.command->arguments[0].name, name))
            return refused;
        const ListEdit edit = ServerEdit(invocation, name);
        failure = WriteUnderLock(
            request,
            [&](Configuration& now) -> std::optional<Failure> {
                ServerList list = now.servers.release();
                std::optional<Failure> refused = edit(list);
                now.servers.reset(list);
                if (refused)
                    return refused;
                SaveFailure why;
                if (SaveServerList(now.servers.get(), &why) != ProfileOk)
                    return ProfileWriteFailure(why);
                return std::nullopt;
            },
            outcome);
    }
    if (failure)
        return failure;
    streams.out << Text(outcome.changed ? CliText::Written : CliText::NothingToChange, {outcome.path}) << "\n";
    return std::nullopt;
}
