// SPDX-License-Identifier: GPL-2.0-or-later
#include "config/global_options.h"

#include "config/server_file.h"

#include "platform/last_error.h"
#include "platform/profile.h"

#include <cerrno>
#include <cstring>

namespace {

struct OptionKey {
    const char* section;
    const char* key;
};

OptionKey KeyOf(GlobalOption option)
{
    switch (option) {
    case GlobalOption::UserName:
        return {"Auth", "UserName"};
    case GlobalOption::Restore:
        return {"GlobalOptions", "Restore"};
    case GlobalOption::Warnings:
        return {"GlobalOptions", "Warnings"};
    case GlobalOption::FileProtection:
        break;
    }
    return {"Semantics", "FileProtStyle"};
}

// No stored value holds a line break, so this default tells an absent key from any value.
constexpr const char* kAbsent = "\n";

// Longer stored names are cut to 79 characters, which is already far beyond what a caller accepts.
constexpr uint32_t kUserNameReadSize = 80;

ProfileResult ReadNumber(GlobalOption option, int32_t defaultValue, int32_t& value)
{
    char path[kProfilePathSize];
    if (!GetProfilePath(path))
        return ProfileFailed;
    const OptionKey name = KeyOf(option);
    value = static_cast<int32_t>(GetPrivateProfileIntA(name.section, name.key, defaultValue, path));
    return ProfileOk;
}

ProfileResult WriteValue(GlobalOption option, const char* value, SaveFailure* why)
{
    SetLastError(0);
    char path[kProfilePathSize];
    const OptionKey name = KeyOf(option);
    if (!GetProfilePath(path))
        return SaveRefused(why, nullptr, SaveProblem::NoSystemDirectory);
    if (WritePrivateProfileStringA(name.section, name.key, value, path) == 0)
        return SaveRefused(why, path, SaveProblem::File);
    return SaveSucceeded(why);
}

ProfileResult WriteNumber(GlobalOption option, int32_t value, SaveFailure* why)
{
    return WriteValue(option, StoredNumberText(option, value).c_str(), why);
}

} // namespace

ProfileResult ReadNetworkWarnings(int32_t& warnings)
{
    return ReadNumber(GlobalOption::Warnings, 1, warnings);
}

ProfileResult WriteNetworkWarnings(int32_t warnings, SaveFailure* why)
{
    return WriteNumber(GlobalOption::Warnings, warnings, why);
}

ProfileResult ReadRestoreConnections(int32_t& restore)
{
    return ReadNumber(GlobalOption::Restore, 1, restore);
}

ProfileResult WriteRestoreConnections(int32_t restore, SaveFailure* why)
{
    return WriteNumber(GlobalOption::Restore, restore, why);
}

ProfileResult ReadFileProtection(int32_t& mask)
{
    return ReadNumber(GlobalOption::FileProtection, kDefaultFileProtection, mask);
}

ProfileResult WriteFileProtection(int32_t mask, SaveFailure* why)
{
    return WriteNumber(GlobalOption::FileProtection, mask, why);
}

ProfileResult ReadDefaultUserName(char* buffer, uint32_t size)
{
    if (size > kUserNameMaxSize || !buffer)
        return ProfileBadArgument;
    char path[kProfilePathSize];
    if (!GetProfilePath(path))
        return ProfileFailed;
    char name[kUserNameReadSize];
    const OptionKey key = KeyOf(GlobalOption::UserName);
    const uint32_t length = GetPrivateProfileStringA(key.section, key.key, "", name, sizeof name, path);
    if (length == 0)
        return ProfileFailed;
    if (length >= size)
        return ProfileTooSmall;
    std::memcpy(buffer, name, length + 1);
    return ProfileOk;
}

ProfileResult WriteDefaultUserName(const char* name, SaveFailure* why)
{
    if (!name) {
        SetLastError(EINVAL);
        return SaveRefused(why, nullptr, SaveProblem::File);
    }
    return WriteValue(GlobalOption::UserName, name, why);
}

std::optional<std::string> ReadStoredOption(GlobalOption option)
{
    char path[kProfilePathSize];
    if (!GetProfilePath(path))
        return std::nullopt;
    const OptionKey name = KeyOf(option);
    char value[kTextFieldSize];
    (void)GetPrivateProfileStringA(name.section, name.key, kAbsent, value, sizeof value, path);
    if (std::strcmp(value, kAbsent) == 0)
        return std::nullopt;
    return std::string(value);
}

std::string StoredNumberText(GlobalOption option, int32_t value)
{
    if (option == GlobalOption::FileProtection)
        return std::to_string(value);
    return value ? "1" : "0";
}

OptionWrite DecideOptionWrite(const std::optional<std::string>& atOpen, const std::optional<std::string>& now,
                              bool changed, std::string_view mine)
{
    if (!changed)
        return now ? OptionWrite::Keep : OptionWrite::Write;
    if (now && now != atOpen && *now != mine)
        return OptionWrite::Ask;
    return OptionWrite::Write;
}
