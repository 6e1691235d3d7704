// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once
// The program's icons, built into the host from res/icons.
#include <QIcon>
#include <cstdint>
#include <optional>
#include <string_view>

// The icon of icon resource `resourceId` in every size shipped; a null icon for an unknown id.
QIcon IconResource(uint32_t resourceId);

// The icon resource a static icon control names in its text ("#128"), if it names one.
std::optional<uint32_t> IconReference(std::string_view text);
