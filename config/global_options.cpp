#include "config/global_options.h"

#include "config/server_file.h"

#include "platform/profile.h"

#include <cstdio>
#include <cstring>

namespace {

constexpr const char* kGlobalOptionsSection = "GlobalOptions";
constexpr const char* kAuthSection = "Auth";
constexpr const char* kSemanticsSection = "Semantics";

// Longer stored names are cut to 79 characters, which is already far beyond what a caller accepts.
constexpr uint32_t kUserNameReadSize = 80;

ProfileResult ReadNumber(const char* section, const char* key, int32_t defaultValue, int32_t& value)
{
    char path[kProfilePathSize];
    if (!GetProfilePath(path))
        return ProfileFailed;
    value = static_cast<int32_t>(GetPrivateProfileIntA(section, key, defaultValue, path));
    return ProfileOk;
}

ProfileResult WriteValue(const char* section, const char* key, const char* value)
{
    char path[kProfilePathSize];
    if (!GetProfilePath(path) || WritePrivateProfileStringA(section, key, value, path) == 0)
        return ProfileFailed;
    return ProfileOk;
}

} // namespace

ProfileResult ReadNetworkWarnings(int32_t& warnings)
{
    return ReadNumber(kGlobalOptionsSection, "Warnings", 1, warnings);
}

ProfileResult WriteNetworkWarnings(int32_t warnings)
{
    return WriteValue(kGlobalOptionsSection, "Warnings", warnings ? "1" : "0");
}

ProfileResult ReadRestoreConnections(int32_t& restore)
{
    return ReadNumber(kGlobalOptionsSection, "Restore", 1, restore);
}

ProfileResult WriteRestoreConnections(int32_t restore)
{
    return WriteValue(kGlobalOptionsSection, "Restore", restore ? "1" : "0");
}

ProfileResult ReadFileProtection(int32_t& mask)
{
    return ReadNumber(kSemanticsSection, "FileProtStyle", kDefaultFileProtection, mask);
}

ProfileResult WriteFileProtection(int32_t mask)
{
    char value[16];
    std::snprintf(value, sizeof value, "%d", static_cast<int>(mask));
    return WriteValue(kSemanticsSection, "FileProtStyle", value);
}

ProfileResult ReadDefaultUserName(char* buffer, uint32_t size)
{
    if (size > kUserNameMaxSize || !buffer)
        return ProfileBadArgument;
    char path[kProfilePathSize];
    if (!GetProfilePath(path))
        return ProfileFailed;
    char name[kUserNameReadSize];
    const uint32_t length = GetPrivateProfileStringA(kAuthSection, "UserName", "", name, sizeof name, path);
    if (length == 0)
        return ProfileFailed;
    if (length >= size)
        return ProfileTooSmall;
    std::memcpy(buffer, name, length + 1);
    return ProfileOk;
}

ProfileResult WriteDefaultUserName(const char* name)
{
    if (!name)
        return ProfileFailed;
    return WriteValue(kAuthSection, "UserName", name);
}
