// SPDX-License-Identifier: GPL-2.0-or-later
#include "platform/resolver.h"

#include <atomic>
#include <netdb.h>
#include <netinet/in.h>
#include <sys/socket.h>

namespace {

class SystemResolver final : public Resolver {
public:
    bool HasHostByAddress(uint32_t addrNetworkOrder) override
    {
        sockaddr_in address{};
        address.sin_family = AF_INET;
        address.sin_addr.s_addr = addrNetworkOrder;
        char host[NI_MAXHOST];
        // NI_NAMEREQD: an address without a name is not a host, not its own numeric form.
        return getnameinfo(reinterpret_cast<const sockaddr*>(&address), sizeof address, host, sizeof host, nullptr, 0,
                           NI_NAMEREQD) == 0;
    }

    bool HasHostByName(const char* name) override
    {
        if (!name || !*name)
            return false;
        addrinfo hints{};
        hints.ai_family = AF_INET;
        hints.ai_socktype = SOCK_STREAM;
        addrinfo* found = nullptr;
        if (getaddrinfo(name, nullptr, &hints, &found) != 0)
            return false;
        freeaddrinfo(found);
        return true;
    }
};

std::atomic<Resolver*> g_testResolver{nullptr};

} // namespace

Resolver& CurrentResolver()
{
    static SystemResolver system;
    Resolver* installed = g_testResolver.load();
    return installed ? *installed : system;
}

Resolver* SetResolverForTesting(Resolver* resolver)
{
    return g_testResolver.exchange(resolver);
}
