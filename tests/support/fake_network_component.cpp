// SPDX-License-Identifier: GPL-2.0-or-later
#include "tests/support/fake_network_component.h"

FakeNetworkComponent::FakeNetworkComponent()
    : m_previous(SetNetworkComponentForTesting(this))
{
}

FakeNetworkComponent::~FakeNetworkComponent()
{
    SetNetworkComponentForTesting(m_previous);
}
