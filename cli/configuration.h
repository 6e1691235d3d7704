// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once
// The whole configuration as one read of kqnet.ini gives it, and its version.
#include "config/global_options.h"
#include "config/server_merge.h"

#include <array>
#include <optional>
#include <string>

struct Configuration {
    OwnedServerList servers;
    // Each option as the file holds it (nullopt for an absent key), by GlobalOption.
    std::array<std::optional<std::string>, kGlobalOptionCount> stored;
    // The numeric options as their readers give them, defaults included.
    int32_t warnings = 1;
    int32_t restore = 1;
    int32_t protection = kDefaultFileProtection;

    const std::optional<std::string>& Stored(GlobalOption option) const
    {
        return stored[static_cast<size_t>(option)];
    }
};

// Reads the server list and the options from one version of the file (inside a batch: the file as
// the batch sees it). False when there is no system directory or memory runs out.
[[nodiscard]] bool ReadConfiguration(Configuration& configuration);

// A digest of everything the configuration holds (SHA-256, in hexadecimal): equal for equal
// configurations, whatever else the file holds.
[[nodiscard]] std::string ConfigurationVersion(const Configuration& configuration);
