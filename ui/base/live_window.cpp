// SPDX-License-Identifier: GPL-2.0-or-later
#include "ui/base/live_window.h"

#include <algorithm>
#include <utility>
#include <cstring>
#include <unordered_set>

#include "res/window_styles.h"
#include "ui/base/control_kind.h"
#include "ui/base/dialog.h"
#include "ui/base/window_api.h"

namespace {

// Every window not yet destroyed, so that a stale handle can be recognised as one.
std::unordered_set<const LiveWindow*>& LiveWindows()
{
    static std::unordered_set<const LiveWindow*> windows;
    return windows;
}

}   // namespace

LiveWindow::LiveWindow(CDialog& dialog, HWND parent, int32_t id, std::string className, std::string text,
                       Rect dialogUnits, uint32_t style, uint32_t exStyle, WNDPROC windowProc)
    : m_dialog(dialog),
      m_parent(parent),
      m_id(id),
      m_className(std::move(className)),
      m_kind(WindowKindOf(m_className)),
      m_dialogUnits(dialogUnits),
      m_text(std::move(text)),
      m_style(style),
      m_exStyle(exStyle),
      m_windowProc(windowProc)
{
    LiveWindows().insert(this);
}

LiveWindow::~LiveWindow()
{
    // Children go first, so that no child outlives the registry entry of its parent.
    m_children.clear();
    LiveWindows().erase(this);
}

bool LiveWindow::Exists(const LiveWindow* window)
{
    return window && LiveWindows().contains(window);
}

HWND LiveWindow::AddChild(std::unique_ptr<LiveWindow> child)
{
    m_children.push_back(std::move(child));
    return m_children.back().get();
}

bool LiveWindow::IsDefaultButton() const
{
    return m_kind == WindowKind::Button && (m_style & BS_TYPEMASK) == BS_DEFPUSHBUTTON;
}

bool LiveWindow::IsAutomaticButton() const
{
    const uint32_t type = m_style & BS_TYPEMASK;
    return m_kind == WindowKind::Button && (type == BS_AUTOCHECKBOX || type == BS_AUTORADIOBUTTON);
}

bool LiveWindow::EnableWindow(bool enable)
{
    const bool wasDisabled = (m_style & WS_DISABLED) != 0;
    ModifyStyle(enable ? WS_DISABLED : 0, enable ? 0 : WS_DISABLED);
    return wasDisabled;
}

bool LiveWindow::IsWindowEnabled() const
{
    return (m_style & WS_DISABLED) == 0;
}

void LiveWindow::ShowWindow(bool show)
{
    ModifyStyle(show ? 0 : WS_VISIBLE, show ? WS_VISIBLE : 0);
}

bool LiveWindow::IsWindowVisible() const
{
    for (const LiveWindow* window = this; window; window = window->m_parent)
        if ((window->m_style & WS_VISIBLE) == 0)
            return false;
    return true;
}

int LiveWindow::GetWindowText(char* buffer, int bufferSize) const
{
    if (!buffer || bufferSize <= 0)
        return 0;
    const size_t count = std::min(m_text.size(), static_cast<size_t>(bufferSize - 1));
    std::memcpy(buffer, m_text.data(), count);
    buffer[count] = '\0';
    return static_cast<int>(count);
}

void LiveWindow::SetWindowText(std::string_view text)
{
    const bool changed = m_text != text;
    m_text.assign(text);
    if (changed)
        Changed(WindowChange::Text);
    // The platform raises EN_CHANGE for every WM_SETTEXT on an edit field, same text or not.
    if (m_kind == WindowKind::Edit && m_parent)
        SendMessage(m_parent, WM_COMMAND, MAKEWPARAM(static_cast<uint32_t>(m_id), EN_CHANGE),
                    reinterpret_cast<LPARAM>(this));
}

HWND LiveWindow::SetFocus()
{
    return m_dialog.SetFocusWindow(this);
}

bool LiveWindow::ModifyStyle(uint32_t remove, uint32_t add)
{
    const uint32_t style = (m_style & ~remove) | add;
    const uint32_t changed = style ^ m_style;
    if (changed == 0)
        return false;
    m_style = style;
    if (changed & WS_DISABLED)
        Changed(WindowChange::Enabled);
    if (changed & WS_VISIBLE)
        Changed(WindowChange::Visible);
    if (changed & ~(WS_DISABLED | WS_VISIBLE))
        Changed(WindowChange::Style);
    if ((changed & (WS_DISABLED | WS_VISIBLE)) && !(IsWindowEnabled() && IsWindowVisible()))
        PassFocusOn();
    return true;
}

void LiveWindow::PassFocusOn()
{
    // The focus does not stay where the keyboard can no longer act: it goes on to the next
    // control in tab order (the button that deleted the last row, for instance, once disabled).
    HWND frame = m_dialog.GetSafeHwnd();
    HWND focus = m_dialog.GetFocus();
    if (!frame || this == frame)
        return;
    while (focus && focus != this)
        focus = focus->parent();
    if (!focus)
        return;
    HWND next = GetNextDlgTabItem(frame, this, false);
    if (next && next != this && next->parent() == frame)
        next->SetFocus();
}

bool LiveWindow::ModifyStyleEx(uint32_t remove, uint32_t add)
{
    const uint32_t exStyle = (m_exStyle & ~remove) | add;
    if (exStyle == m_exStyle)
        return false;
    m_exStyle = exStyle;
    Changed(WindowChange::Style);
    return true;
}

WNDPROC LiveWindow::SetWindowProc(WNDPROC windowProc)
{
    return std::exchange(m_windowProc, windowProc);
}

void LiveWindow::SetCheckState(int check)
{
    if (m_check == check)
        return;
    m_check = check;
    Changed(WindowChange::Check);
}

void LiveWindow::SetSelectionIndex(int index)
{
    if (m_selection == index)
        return;
    m_selection = index;
    Changed(WindowChange::Selection);
}

void LiveWindow::InsertRow(size_t index, ListRow row)
{
    index = std::min(index, m_rows.size());
    m_rows.insert(index, std::move(row));
    Changed(WindowChange::Rows);
    // The selection stays on its row when a row is inserted above it.
    if (m_selection >= 0 && static_cast<size_t>(m_selection) >= index)
        SetSelectionIndex(m_selection + 1);
}

void LiveWindow::ClearRows()
{
    if (!m_rows.empty()) {
        m_rows.clear();
        Changed(WindowChange::Rows);
    }
    SetSelectionIndex(-1);
}

void LiveWindow::SetRowData(size_t index, uintptr_t data)
{
    if (index < m_rows.size())
        m_rows[index].data = data;
}

void LiveWindow::SetTextLimit(int limit)
{
    if (m_textLimit == limit)
        return;
    m_textLimit = limit;
    Changed(WindowChange::Style);
}

void LiveWindow::Changed(WindowChange change)
{
    m_dialog.NotifyChanged(this, change);
}
