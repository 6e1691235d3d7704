#include "platform/component_library.h"

#include "platform/system_file_path.h"

#include <atomic>
#include <dlfcn.h>
#include <memory>
#include <string>

namespace {

constexpr const char* kLibraryName = "libkqnet95x.so";
constexpr const char* kEntryName = "Ordinal503";  // the entry's ordinal, 503, as an exported name

// The entry's C signature; its result carries nothing the program uses.
using ComponentEntry = int (*)(void* request);

struct LibraryCloser {
    void operator()(void* library) const { dlclose(library); }
};

class SystemNetworkComponent final : public NetworkComponent {
public:
    void Send(const ComponentRequest& request) override
    {
        const std::string path = SystemFilePath(kLibraryName);
        // A relative path would be looked up from the current directory: only an absolute one
        // names the library the system directory holds.
        if (path.empty() || path.front() != '/')
            return;
        std::unique_ptr<void, LibraryCloser> library(dlopen(path.c_str(), RTLD_NOW | RTLD_LOCAL));
        if (!library)
            return;
        void* symbol = dlsym(library.get(), kEntryName);
        if (!symbol)
            return;
        // The library may write into what it is handed; the caller's record stays as it was.
        ComponentRequest copy = request;
        reinterpret_cast<ComponentEntry>(symbol)(&copy);
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

void SendComponentRequest(const ComponentRequest& request)
{
    CurrentNetworkComponent().Send(request);
}
