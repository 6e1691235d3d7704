// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once
// The network component's library, libkqnet95x.so in the system directory, and the one request
// the program hands to it.
#include "platform/file_failure.h"

#include <cstddef>
#include <cstdint>

// What entry 503 of the library receives: the address of these 8 bytes. The three bytes after
// `code` are padding that the program never writes.
struct ComponentRequest {
    uint8_t code;
    int32_t value;  // little-endian on the platforms the library exists for
};
static_assert(sizeof(ComponentRequest) == 8);
static_assert(offsetof(ComponentRequest, code) == 0);
static_assert(offsetof(ComponentRequest, value) == 4);

// The component as the program sees it; tests install a fake.
class NetworkComponent {
public:
    virtual ~NetworkComponent() = default;
    // Hands `request` to the component. Whether it arrived is not reported, only why the library was
    // refused (an empty failure when it was loaded, or when there is none).
    virtual FileFailure Send(const ComponentRequest& request) = 0;
};

// The component in use: the one installed for testing, else the system's, which on every Send
// loads the library by its absolute path (never through the library search path), calls its
// exported C function `Ordinal503` with the address of a copy of the request, and releases the
// library. When the system directory is not an absolute path, or the library or the function is
// missing, nothing happens. Whoever may change the library may run code as the user who presses
// OK, so it is loaded only when it is a regular file that belongs to that user or root and that
// neither group nor others may write, in a system directory of which the same holds (the rule ssh
// applies to its key files), reached through trusted links only; otherwise Send names the file
// refused and why.
NetworkComponent& CurrentNetworkComponent();

// Installs `component` (not owned; null puts the system's back) and returns the one it replaces
// (null when that was the system's).
NetworkComponent* SetNetworkComponentForTesting(NetworkComponent* component);

// CurrentNetworkComponent().Send(request).
[[nodiscard]] FileFailure SendComponentRequest(const ComponentRequest& request);
