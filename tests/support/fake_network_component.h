// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once
// A network component that records the requests it is handed. While it lives it is the current
// component; its destructor puts back the one it replaced.
#include "platform/component_library.h"

#include <vector>

class FakeNetworkComponent final : public NetworkComponent {
public:
    FakeNetworkComponent();
    ~FakeNetworkComponent() override;
    FakeNetworkComponent(const FakeNetworkComponent&) = delete;
    FakeNetworkComponent& operator=(const FakeNetworkComponent&) = delete;

    FileFailure Send(const ComponentRequest& request) override
    {
        m_requests.push_back(request);
        return {};
    }

    const std::vector<ComponentRequest>& requests() const { return m_requests; }

private:
    NetworkComponent* m_previous = nullptr;
    std::vector<ComponentRequest> m_requests;
};
