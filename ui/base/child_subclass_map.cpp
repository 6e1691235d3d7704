// SPDX-License-Identifier: GPL-2.0-or-later
#include "ui/base/child_subclass_map.h"

#include "ui/base/help_dialog.h"
#include "ui/base/window_api.h"

void ChildSubclassMap::Insert(HWND window, std::unique_ptr<ChildSubclassRecord> record)
{
    m_records[window] = std::move(record);
}

ChildSubclassRecord* ChildSubclassMap::Find(HWND window) const
{
    const auto found = m_records.find(window);
    return found != m_records.end() ? found->second.get() : nullptr;
}

void ChildSubclassMap::Remove(HWND window)
{
    m_records.erase(window);
}

ChildSubclassMap& SubclassedChildren()
{
    static ChildSubclassMap map;
    return map;
}

LRESULT ChildHelpWndProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam)
{
    ChildSubclassRecord* record = SubclassedChildren().Find(window);
    if (!record)
        return 0;
    switch (message) {
    case WM_HELP:
        // The control's own procedure never sees it: its default would hand the request to the
        // parent, which for a combo box's parts is not the dialog.
        record->owner->SendMessage(WM_HELP, wParam, lParam);
        return 0;
    case WM_NCDESTROY: {
        const WNDPROC previous = record->previousProc;
        SetWindowProc(window, previous);
        SubclassedChildren().Remove(window);
        return CallWindowProc(previous, window, message, wParam, lParam);
    }
    default:
        return CallWindowProc(record->previousProc, window, message, wParam, lParam);
    }
}
