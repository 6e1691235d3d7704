// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once
// What can go wrong in a kqnet.ini that its readers do not tell: values that read back otherwise
// than written, keys two servers share, keys and values cut short, servers the network component
// never sees, counts that promise keys that are not there.
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

struct Hazard {
    uint32_t line;         // 1 for the first line; 0 when the key it is about is absent
    std::string server;    // the server it concerns (file bytes), or empty
    std::string key;       // the key it concerns (file bytes), or empty
    std::string reason;    // for people, UTF-8
};

// Every hazard of the file's bytes, in line order (those without a line last).
[[nodiscard]] std::vector<Hazard> FindHazards(std::string_view bytes);
