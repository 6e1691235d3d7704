#include "tests/support/fake_network_component.h"

FakeNetworkComponent::FakeNetworkComponent()
    : m_previous(SetNetworkComponentForTesting(this))
{
}

FakeNetworkComponent::~FakeNetworkComponent()
{
    SetNetworkComponentForTesting(m_previous);
}
