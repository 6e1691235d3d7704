// SPDX-License-Identifier: GPL-2.0-or-later
#include "ui/base/system_menu.h"

#include "ui/base/dialog.h"

bool SystemMenu::AppendMenuA(UINT flags, UINT id, std::string_view text)
{
    HWND frame = m_dialog.GetSafeHwnd();
    if (!frame)
        return false;
    const bool separator = (flags & MF_SEPARATOR) != 0;
    m_items.push_back({flags, separator ? 0 : id, separator ? std::string() : std::string(text)});
    m_dialog.NotifyChanged(frame, WindowChange::SystemMenu);
    return true;
}
