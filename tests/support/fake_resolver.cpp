// SPDX-License-Identifier: GPL-2.0-or-later
#include "tests/support/fake_resolver.h"

#include "platform/sockets.h"

#include <algorithm>
#include <strings.h>
#include <utility>

FakeResolver::FakeResolver()
    : m_previous(SetResolverForTesting(this))
{
}

FakeResolver::~FakeResolver()
{
    SetResolverForTesting(m_previous);
}

void FakeResolver::AddHostName(std::string name)
{
    m_names.push_back(std::move(name));
}

void FakeResolver::AddHostAddress(const char* dotted)
{
    m_addresses.push_back(InetAddr(dotted));
}

bool FakeResolver::HasHostByAddress(uint32_t addrNetworkOrder)
{
    m_addressLookups.push_back(addrNetworkOrder);
    return std::find(m_addresses.begin(), m_addresses.end(), addrNetworkOrder) != m_addresses.end();
}

bool FakeResolver::HasHostByName(const char* name)
{
    m_nameLookups.emplace_back(name ? name : "");
    if (!name || !*name)
        return false;
    return std::any_of(m_names.begin(), m_names.end(),
                       [name](const std::string& known) { return strcasecmp(known.c_str(), name) == 0; });
}
