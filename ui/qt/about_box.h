// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once
// The Qt host's about box: the product's name and `version`, its icon and what it is for, with an
// OK button.
#include <string_view>

// Makes this box the one that DoAboutBox shows.
void InstallAboutBox(std::string_view version);
