// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once
// `show` for people: the servers, their queues and the options as aligned tables.
#include "cli/configuration.h"

#include <string>

[[nodiscard]] std::string ConfigurationTable(const Configuration& configuration, const std::string& version);
