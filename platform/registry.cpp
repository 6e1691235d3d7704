// SPDX-License-Identifier: GPL-2.0-or-later
#include "platform/registry.h"

#include "platform/registry_file.h"
#include "platform/system_file_path.h"
#include "platform/trusted_links.h"

#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <map>
#include <memory>
#include <mutex>
#include <sys/stat.h>
#include <unistd.h>

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

// Larger than any real export of a registry: such a file is not read, so that nothing placed there
// can make start-up take the memory or time it would cost.
constexpr off_t kMaxRegistryBytes = 16 << 20;

// The registry file's bytes. Only a regular file is read (a pipe would block start-up, a device
// never end), reached through trusted links only, and not larger than kMaxRegistryBytes.
int32_t ReadRegistryFile(const std::string& path, std::string& text)
{
    std::string target;
    if (const FileFailure failure = ResolveTrustedLinks(path, target))
        return failure.problem == FileProblem::UntrustedLink ? ERROR_ACCESS_DENIED : ErrorForOpen(failure.error);
    const int fd = open(target.c_str(), O_RDONLY | O_CLOEXEC | O_NONBLOCK | O_NOFOLLOW | O_NOCTTY);
    if (fd < 0)
        return ErrorForOpen(errno);
    const struct Closer {
        int fd;
        ~Closer() { close(fd); }
    } closer{fd};
    struct stat st {};
    if (fstat(fd, &st) != 0 || !S_ISREG(st.st_mode) || st.st_size > kMaxRegistryBytes)
        return ERROR_BADDB;
    char chunk[65536];
    for (;;) {
        const ssize_t got = read(fd, chunk, sizeof chunk);
        if (got == 0)
            return ERROR_SUCCESS;
        if (got < 0) {
            if (errno == EINTR)
                continue;
            return ERROR_BADDB;
        }
        text.append(chunk, static_cast<size_t>(got));
        // It may grow while it is read.
        if (text.size() > static_cast<size_t>(kMaxRegistryBytes))
            return ERROR_BADDB;
    }
}

LoadedRegistry LoadRegistry()
{
    const std::string path = SystemFilePath("registry.reg");
    if (path.empty())
        return {ERROR_FILE_NOT_FOUND, {}};
    std::string text;
    if (const int32_t error = ReadRegistryFile(path, text); error != ERROR_SUCCESS)
        return {error, {}};
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
    if (!FindRegistryKey(registry.keys, *path))
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
    const std::vector<RegistryValue>* values = FindRegistryKey(registry.keys, *path);
    if (!values)
        return key == HKEY_LOCAL_MACHINE ? ERROR_FILE_NOT_FOUND : ERROR_KEY_DELETED;
    const RegistryValue* value = FindRegistryValue(*values, valueName ? valueName : "");
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
