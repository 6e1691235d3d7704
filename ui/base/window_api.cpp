// SPDX-License-Identifier: GPL-2.0-or-later
#include "ui/base/window_api.h"

#include <algorithm>
#include <cstring>

#include "res/window_styles.h"
#include "ui/base/dialog.h"
#include "ui/base/host.h"

LRESULT SendMessage(HWND window, UINT message, WPARAM wParam, LPARAM lParam)
{
    if (!IsWindow(window))
        return 0;
    return CallWindowProc(window->windowProc(), window, message, wParam, lParam);
}

LRESULT CallWindowProc(WNDPROC windowProc, HWND window, UINT message, WPARAM wParam, LPARAM lParam)
{
    return windowProc ? windowProc(window, message, wParam, lParam) : 0;
}

WNDPROC SetWindowProc(HWND window, WNDPROC windowProc)
{
    return IsWindow(window) ? window->SetWindowProc(windowProc) : nullptr;
}

LRESULT DefControlProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam)
{
    if ((message == WM_HELP || message == WM_CONTEXTMENU) && IsWindow(window) && window->parent())
        return SendMessage(window->parent(), message, wParam, lParam);
    return 0;
}

bool IsWindow(HWND window)
{
    return LiveWindow::Exists(window);
}

int GetDlgCtrlID(HWND window)
{
    return IsWindow(window) ? window->GetDlgCtrlID() : 0;
}

HWND GetParent(HWND window)
{
    return IsWindow(window) ? window->parent() : nullptr;
}

int GetClassNameA(HWND window, char* buffer, int maxCount)
{
    if (!buffer || maxCount <= 0)
        return 0;
    buffer[0] = '\0';
    if (!IsWindow(window))
        return 0;
    const std::string& name = window->className();
    const size_t count = std::min(name.size(), static_cast<size_t>(maxCount - 1));
    std::memcpy(buffer, name.data(), count);
    buffer[count] = '\0';
    return static_cast<int>(count);
}

bool IsWindowVisible(HWND window)
{
    return IsWindow(window) && window->IsWindowVisible();
}

bool IsWindowEnabled(HWND window)
{
    return IsWindow(window) && window->IsWindowEnabled();
}

bool GetWindowRect(HWND window, Rect* rect)
{
    Host* host = CurrentHost();
    if (!rect || !host || !IsWindow(window))
        return false;
    const CDialog& dialog = window->dialog();
    if (window == dialog.GetSafeHwnd()) {
        *rect = host->DialogWindowRect(dialog);
        return true;
    }
    const Point origin = host->DialogClientOrigin(dialog);
    const Rect client = host->MapDialogRect(dialog, window->dialogUnitRect());
    *rect = {client.left + origin.x, client.top + origin.y, client.right + origin.x, client.bottom + origin.y};
    return true;
}

bool PtInRect(const Rect& rect, Point point)
{
    return point.x >= rect.left && point.x < rect.right && point.y >= rect.top && point.y < rect.bottom;
}

Rect GetDesktopClientRect()
{
    Host* host = CurrentHost();
    return host ? host->DesktopRect() : Rect{};
}

namespace {

bool EnumDescendants(HWND parent, WNDENUMPROC step, LPARAM lParam)
{
    for (const auto& child : parent->children()) {
        if (!step(child.get(), lParam))
            return false;
        if (!EnumDescendants(child.get(), step, lParam))
            return false;
    }
    return true;
}

bool IsTabItem(const LiveWindow& window)
{
    const uint32_t style = window.style();
    return (style & WS_VISIBLE) && !(style & WS_DISABLED) && (style & WS_TABSTOP);
}

}   // namespace

void EnumChildWindows(HWND parent, WNDENUMPROC step, LPARAM lParam)
{
    if (IsWindow(parent) && step)
        EnumDescendants(parent, step, lParam);
}

HWND GetNextDlgTabItem(HWND dialog, HWND control, bool previous)
{
    if (!IsWindow(dialog))
        return nullptr;
    const auto& children = dialog->children();
    const auto count = static_cast<std::ptrdiff_t>(children.size());
    if (count == 0)
        return nullptr;
    // A window inside a control (the edit field of a combo box) stands at its control's place.
    HWND start = IsWindow(control) ? control : nullptr;
    while (start && start->parent() != dialog)
        start = start->parent();
    const auto found = std::find_if(children.begin(), children.end(),
                                    [start](const auto& child) { return child.get() == start; });
    const std::ptrdiff_t step = previous ? -1 : 1;
    std::ptrdiff_t index = found != children.end() ? found - children.begin() : (previous ? 0 : count - 1);
    for (std::ptrdiff_t visited = 0; visited < count; ++visited) {
        index = (index + step + count) % count;
        HWND candidate = children[static_cast<size_t>(index)].get();
        if (candidate == start)
            break;
        if (IsTabItem(*candidate))
            return candidate;
    }
    return start;
}
