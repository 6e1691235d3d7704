// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once
// A resolver that knows only the hosts a test gives it and records every look-up. While it lives
// it is the current resolver; its destructor puts back the one it replaced.
#include "platform/resolver.h"

#include <cstdint>
#include <string>
#include <vector>

class FakeResolver final : public Resolver {
public:
    FakeResolver();
    ~FakeResolver() override;
    FakeResolver(const FakeResolver&) = delete;
    FakeResolver& operator=(const FakeResolver&) = delete;

    // A host name that resolves (compared ignoring ASCII case, like the name service does).
    void AddHostName(std::string name);
    // A dotted address that has a host name.
    void AddHostAddress(const char* dotted);

    bool HasHostByAddress(uint32_t addrNetworkOrder) override;
    bool HasHostByName(const char* name) override;

    // The look-ups made, in order: addresses as given (network byte order), names as given.
    const std::vector<uint32_t>& addressLookups() const { return m_addressLookups; }
    const std::vector<std::string>& nameLookups() const { return m_nameLookups; }

private:
    Resolver* m_previous = nullptr;
    std::vector<std::string> m_names;
    std::vector<uint32_t> m_addresses;
    std::vector<uint32_t> m_addressLookups;
    std::vector<std::string> m_nameLookups;
};
