// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once
// Host look-ups, behind an interface so that tests can answer them without a network.
#include <cstdint>

class Resolver {
public:
    virtual ~Resolver() = default;

    // True when a host name is known for the IPv4 address (network byte order, as InetAddr gives).
    [[nodiscard]] virtual bool HasHostByAddress(uint32_t addrNetworkOrder) = 0;
    // True when `name` resolves to at least one IPv4 address. Null or "" never does.
    [[nodiscard]] virtual bool HasHostByName(const char* name) = 0;
};

// The resolver in use: the one installed for testing, else the system's, which asks the system's
// name service (the hosts file, DNS, ...) and waits as long as it takes.
Resolver& CurrentResolver();

// Installs `resolver` (not owned; null puts the system's back) and returns the one it replaces
// (null when that was the system's).
Resolver* SetResolverForTesting(Resolver* resolver);
