// SPDX-License-Identifier: GPL-2.0-or-later
#include "ui/qt/app_icon.h"

#include <charconv>

#include "res/resource_ids.h"

QIcon IconResource(uint32_t resourceId)
{
    if (resourceId != IDI_NORVANE)
        return QIcon();
    QIcon icon;
    for (const int size : {16, 32, 48, 64, 256})
        icon.addFile(QStringLiteral(":/norvane/icons/norvane-%1.png").arg(size), QSize(size, size));
    return icon;
}

std::optional<uint32_t> IconReference(std::string_view text)
{
    if (!text.starts_with('#'))
        return std::nullopt;
    uint32_t id = 0;
    const char* end = text.data() + text.size();
    const auto [last, error] = std::from_chars(text.data() + 1, end, id);
    if (error != std::errc{} || last != end)
        return std::nullopt;
    return id;
}
