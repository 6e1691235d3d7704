// SPDX-License-Identifier: GPL-2.0-or-later
#include "platform/component_library.h"

#include "platform/system_file_path.h"
#include "platform/trusted_links.h"

#include <atomic>
#include <cerrno>
#include <dlfcn.h>
#include <fcntl.h>
#include <memory>
#include <string>
#include <sys/stat.h>
#include <unistd.h>

namespace {

constexpr const char* kLibraryName = "libkqnet95x.so";
constexpr const char* kEntryName = "Ordinal503";  // the entry's ordinal, 503, as an exported name

// The entry's C signature; its result carries nothing the program uses.
using ComponentEntry = int (*)(void* request);

struct LibraryCloser {
    void operator()(void* library) const { dlclose(library); }
};

// Nobody but the user and root may have changed what `st` describes.
FileFailure CheckTrusted(const std::string& path, const struct stat& st)
{
    if (!OwnedByUserOrRoot(st))
        return RefusedFile(path, EPERM, FileProblem::ForeignOwner);
    if ((st.st_mode & (S_IWGRP | S_IWOTH)) != 0)
        return RefusedFile(path, EPERM, FileProblem::WritableByOthers);
    return {};
}

// Opens the library for loading once it has passed the checks; the descriptor is what gets
// loaded, so the file cannot be swapped between the checks and the loading. -1 with an empty
// failure when there is no library.
int OpenTrustedLibrary(const std::string& path, FileFailure& failure)
{
    std::string target;
    if ((failure = ResolveTrustedLinks(path, target)))
        return -1;
    const int fd = open(target.c_str(), O_RDONLY | O_CLOEXEC | O_NOFOLLOW | O_NONBLOCK | O_NOCTTY);
    if (fd < 0)
        return -1;
    struct stat st {};
    const std::string directory = DirectoryOf(path);
    if (stat(directory.c_str(), &st) != 0)
        failure = RefusedFile(directory, errno);
    else if (!(failure = CheckTrusted(directory, st))) {
        if (fstat(fd, &st) != 0 || !S_ISREG(st.st_mode))
            failure = RefusedFile(path, EINVAL, FileProblem::NotRegularFile);
        else
            failure = CheckTrusted(path, st);
    }
    if (failure) {
        close(fd);
        return -1;
    }
    return fd;
}

class SystemNetworkComponent final : public NetworkComponent {
public:
    FileFailure Send(const ComponentRequest& request) override
    {
        const std::string path = SystemFilePath(kLibraryName);
        // A relative path would be looked up from the current directory: only an absolute one
        // names the library the system directory holds.
        if (path.empty() || path.front() != '/')
            return {};
        FileFailure failure;
        const int fd = OpenTrustedLibrary(path, failure);
        if (fd < 0)
            return failure;
        const std::string checked = "/proc/self/fd/" + std::to_string(fd);
        std::unique_ptr<void, LibraryCloser> library(dlopen(checked.c_str(), RTLD_NOW | RTLD_LOCAL));
        close(fd);
        if (!library)
            return {};
        void* symbol = dlsym(library.get(), kEntryName);
        if (!symbol)
            return {};
        // The library may write into what it is handed; the caller's record stays as it was.
        ComponentRequest copy = request;
        reinterpret_cast<ComponentEntry>(symbol)(&copy);
        return {};
    }
};

std::atomic<NetworkComponent*> g_testComponent{nullptr};

} // namespace

NetworkComponent& CurrentNetworkComponent()
{
    static SystemNetworkComponent system;
    NetworkComponent* installed = g_testComponent.load();
    return installed ? *installed : system;
}

NetworkComponent* SetNetworkComponentForTesting(NetworkComponent* component)
{
    return g_testComponent.exchange(component);
}

FileFailure SendComponentRequest(const ComponentRequest& request)
{
    return CurrentNetworkComponent().Send(request);
}
