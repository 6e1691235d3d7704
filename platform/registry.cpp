#include "platform/registry.h"

#include "platform/registry_file.h"
#include "platform/system_file_path.h"

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <map>
#include <memory>
#include <mutex>

struct RegistryKey {
    std::string path;  // lookup form, see RegistryPathKey
};

namespace {

RegistryKey g_localMachine;
constexpr const char* kLocalMachinePath = "HKEY_LOCAL_MACHINE";

// Every handle handed out and not yet closed, so a stale or foreign handle is refused rather
// than followed.
std::mutex g_openKeysMutex;
std::map<const RegistryKey*, std::unique_ptr<RegistryKey>> g_openKeys;

std::optional<std::string> PathOfKey(HKEY key)
{
    if (key == &g_localMachine)
        return kLocalMachinePath;
    std::lock_guard lock(g_openKeysMutex);
    const auto found = g_openKeys.find(key);
    if (found == g_openKeys.end())
        return std::nullopt;
    return found->second->path;
}

struct LoadedRegistry {
    int32_t error = ERROR_SUCCESS;
    RegistryKeys keys;
};

int32_t ErrorForOpen(int error)
{
    if (error == ENOENT || error == ENOTDIR)
        return ERROR_FILE_NOT_FOUND;
    if (error == EACCES || error == EPERM)
        return ERROR_ACCESS_DENIED;
    return ERROR_BADDB;
}

LoadedRegistry LoadRegistry()
{
    const std::string path = SystemFilePath("registry.reg");
    if (path.empty())
        return {ERROR_FILE_NOT_FOUND, {}};
    std::unique_ptr<std::FILE, int (*)(std::FILE*)> file(std::fopen(path.c_str(), "rb"), &std::fclose);
    if (!file)
        return {ErrorForOpen(errno), {}};
    std::string text;
    char chunk[4096];
    size_t got = 0;
    while ((got = std::fread(chunk, 1, sizeof chunk, file.get())) > 0)
        text.append(chunk, got);
    if (std::ferror(file.get()))
        return {ERROR_BADDB, {}};
    auto keys = ParseRegistryText(text);
    if (!keys)
        return {ERROR_BADDB, {}};
    return {ERROR_SUCCESS, std::move(*keys)};
}

} // namespace

const HKEY HKEY_LOCAL_MACHINE = &g_localMachine;

int32_t RegOpenKeyExA(HKEY key, const char* subKey, uint32_t /*options*/, uint32_t /*desiredAccess*/, HKEY* result)
{
    if (!result)
        return ERROR_INVALID_PARAMETER;
    *result = nullptr;
    auto path = PathOfKey(key);
    if (!path)
        return ERROR_INVALID_HANDLE;
    if (subKey && *subKey) {
        const auto sub = RegistryPathKey(subKey);
        if (!sub)
            return ERROR_BAD_PATHNAME;
        *path += '\\';
        *path += *sub;
    }
    const LoadedRegistry registry = LoadRegistry();
    if (registry.error != ERROR_SUCCESS)
        return registry.error;
    if (!registry.keys.contains(*path))
        return ERROR_FILE_NOT_FOUND;
    auto opened = std::make_unique<RegistryKey>(RegistryKey{std::move(*path)});
    *result = opened.get();
    std::lock_guard lock(g_openKeysMutex);
    g_openKeys.emplace(opened.get(), std::move(opened));
    return ERROR_SUCCESS;
}

int32_t RegQueryValueExA(HKEY key, const char* valueName, uint32_t* reserved, uint32_t* type, uint8_t* data,
                         uint32_t* size)
{
    if (reserved || (data && !size))
        return ERROR_INVALID_PARAMETER;
    const auto path = PathOfKey(key);
    if (!path)
        return ERROR_INVALID_HANDLE;
    const LoadedRegistry registry = LoadRegistry();
    if (registry.error != ERROR_SUCCESS)
        return registry.error;
    const auto values = registry.keys.find(*path);
    if (values == registry.keys.end())
        return key == HKEY_LOCAL_MACHINE ? ERROR_FILE_NOT_FOUND : ERROR_KEY_DELETED;
    const RegistryValue* value = FindRegistryValue(values->second, valueName ? valueName : "");
    if (!value)
        return ERROR_FILE_NOT_FOUND;
    if (type)
        *type = value->type;
    if (!size)
        return ERROR_SUCCESS;
    const auto needed = static_cast<uint32_t>(value->data.size());
    if (data && *size < needed) {
        *size = needed;
        return ERROR_MORE_DATA;
    }
    if (data)
        std::memcpy(data, value->data.data(), needed);
    *size = needed;
    return ERROR_SUCCESS;
}

int32_t RegCloseKey(HKEY key)
{
    if (key == HKEY_LOCAL_MACHINE)
        return ERROR_SUCCESS;
    std::lock_guard lock(g_openKeysMutex);
    return g_openKeys.erase(key) == 1 ? ERROR_SUCCESS : ERROR_INVALID_HANDLE;
}
