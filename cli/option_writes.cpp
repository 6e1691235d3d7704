// SPDX-License-Identifier: GPL-2.0-or-later
#include "cli/option_writes.h"

#include "cli/cli_text.h"
#include "cli/files.h"
#include "config/field_rules.h"
#include "platform/component_library.h"
#include "res/resource_ids.h"

#include <cstdio>

namespace {

// What the network component is told about warnings.
constexpr uint8_t kWarningsRequestCode = 22;

// The bits the dialog shows and writes; others are dropped at its next save.
constexpr int32_t kShownBits = kFileProtUseParent | kFileProtPermissionBits;

int32_t RequestedMask(const ProtectionRequest& request, int32_t now)
{
    const bool parent = request.useParent.value_or((now & kFileProtUseParent) != 0);
    return (parent ? kFileProtUseParent : 0) | request.mask.value_or(now & kFileProtPermissionBits);
}

struct OptionDecision {
    bool write;
    std::string userName;   // for the user name
    int32_t number = 0;     // for the others
};

// Like the dialog: an option is written when the request changes what the dialog would show for
// it, or when the file lacks its key (then with what the dialog would show).
OptionDecision Decide(GlobalOption option, const OptionsRequest& request, const Configuration& now)
{
    const bool absent = !now.Stored(option);
    switch (option) {
    case GlobalOption::UserName: {
        const std::string stored = now.Stored(option).value_or("");
        const std::string wanted = request.userName.value_or(stored);
        return {absent || wanted != stored, wanted};
    }
    case GlobalOption::Restore:
    case GlobalOption::Warnings: {
        const bool isRestore = option == GlobalOption::Restore;
        const bool shown = (isRestore ? now.restore : now.warnings) != 0;
        const bool wanted = (isRestore ? request.restore : request.warnings).value_or(shown);
        return {absent || wanted != shown, {}, wanted ? 1 : 0};
    }
    case GlobalOption::FileProtection:
        break;
    }
    const int32_t shown = now.protection & kShownBits;
    const int32_t wanted = request.protection ? RequestedMask(*request.protection, now.protection) : shown;
    return {absent || wanted != shown, {}, wanted};
}

ProfileResult Write(GlobalOption option, const OptionDecision& value, SaveFailure& why)
{
    switch (option) {
    case GlobalOption::UserName:
        return WriteDefaultUserName(value.userName.c_str(), &why);
    case GlobalOption::Restore:
        return WriteRestoreConnections(value.number, &why);
    case GlobalOption::Warnings:
        return WriteNetworkWarnings(value.number, &why);
    case GlobalOption::FileProtection:
        break;
    }
    return WriteFileProtection(value.number, &why);
}

} // namespace

std::string OctalMask(int32_t mask)
{
    char text[8];
    std::snprintf(text, sizeof text, "%04o", static_cast<unsigned>(mask & kFileProtPermissionBits));
    return text;
}

std::optional<int32_t> ParseOctalMask(std::string_view text)
{
    if (text.empty() || text.size() > 4)
        return std::nullopt;
    int32_t mask = 0;
    for (const char c : text) {
        if (c < '0' || c > '7')
            return std::nullopt;
        mask = mask * 8 + (c - '0');
    }
    if (mask > kFileProtPermissionBits)
        return std::nullopt;
    return mask;
}

std::optional<ProtectionRequest> ParseProtection(std::string_view text)
{
    if (text == "parent")
        return ProtectionRequest{.useParent = true, .mask = std::nullopt};
    const std::optional<int32_t> mask = ParseOctalMask(text);
    if (!mask)
        return std::nullopt;
    return ProtectionRequest{.useParent = false, .mask = mask};
}

std::optional<Failure> CheckUserName(const OptionsRequest& request, const Configuration& now)
{
    if (!request.userName || *request.userName == now.Stored(GlobalOption::UserName).value_or(""))
        return std::nullopt;
    if (const uint32_t refusal = UserNameRefusal(*request.userName))
        return Failure{ExitStatus::Refused, TableText(refusal)};
    // The dialogs show and take at most this many.
    if (request.userName->size() >= kUserNameMaxSize)
        return Failure{ExitStatus::Refused, Text(CliText::UserNameTooLong)};
    return std::nullopt;
}

std::optional<Failure> WriteOptions(const OptionsRequest& request, const Configuration& now)
{
    if (!request.Any())
        return std::nullopt;
    // The dialog's order.
    for (const GlobalOption option : {GlobalOption::UserName, GlobalOption::Restore, GlobalOption::Warnings,
                                      GlobalOption::FileProtection}) {
        const OptionDecision decision = Decide(option, request, now);
        SaveFailure why;
        if (decision.write && Write(option, decision, why) != ProfileOk)
            return ProfileWriteFailure(why);
    }
    return std::nullopt;
}

bool WarningsOn(const OptionsRequest& request, const Configuration& now)
{
    return request.warnings.value_or(now.warnings != 0);
}

void NotifyNetworkComponent(bool warningsOn, std::ostream& err)
{
    ComponentRequest message{};
    message.code = kWarningsRequestCode;
    message.value = warningsOn ? 0 : 1;
    if (const FileFailure refused = SendComponentRequest(message))
        err << "norvanectl: " << TableText(IDS_OPTIONS_COMPONENT_NOT_TOLD, {DescribeFile(refused)}) << "\n";
}
