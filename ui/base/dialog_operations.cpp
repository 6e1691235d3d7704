// SPDX-License-Identifier: GPL-2.0-or-later
// The operations dialog code uses on its own window and on its controls by id.
#include "ui/base/dialog.h"

#include "res/window_styles.h"
#include "ui/base/host.h"
#include "ui/base/win_help.h"
#include "ui/base/window_api.h"

HWND CDialog::GetDlgItem(int id) const
{
    if (!m_frame)
        return nullptr;
    for (const auto& child : m_frame->children())
        if (child->id() == id)
            return child.get();
    return nullptr;
}

void CDialog::EndDialog(int result)
{
    m_ended = true;
    m_endCode = result;
}

void CDialog::SetDefID(int id)
{
    if (!m_frame)
        return;
    if (HWND old = m_defId ? GetDlgItem(m_defId) : nullptr; old && old->IsDefaultButton())
        old->ModifyStyle(BS_TYPEMASK, BS_PUSHBUTTON);
    m_defId = id;
    if (HWND now = GetDlgItem(id);
        now && now->kind() == WindowKind::Button && (now->style() & BS_TYPEMASK) == BS_PUSHBUTTON)
        now->ModifyStyle(BS_TYPEMASK, BS_DEFPUSHBUTTON);
}

void CDialog::SetWindowText(std::string_view caption)
{
    if (m_frame)
        m_frame->SetWindowText(caption);
}

std::string CDialog::GetWindowText() const
{
    return m_frame ? m_frame->GetWindowText() : std::string();
}

uint32_t CDialog::GetStyle() const
{
    return m_frame ? m_frame->GetStyle() : 0;
}

uint32_t CDialog::GetExStyle() const
{
    return m_frame ? m_frame->GetExStyle() : 0;
}

bool CDialog::ModifyStyleEx(uint32_t remove, uint32_t add)
{
    return m_frame && m_frame->ModifyStyleEx(remove, add);
}

Rect CDialog::GetWindowRect() const
{
    Rect rect;
    return ::GetWindowRect(m_frame.get(), &rect) ? rect : Rect{};
}

void CDialog::MoveWindow(const Rect& windowRect, bool repaint)
{
    Host* host = CurrentHost();
    if (!m_frame || !host)
        return;
    host->MoveDialog(*this, windowRect, repaint);
    NotifyChanged(m_frame.get(), WindowChange::Placement);
}

void CDialog::CheckDlgButton(int id, int check)
{
    if (HWND button = GetDlgItem(id))
        button->SetCheckState(check ? BST_CHECKED : BST_UNCHECKED);
}

UINT CDialog::IsDlgButtonChecked(int id) const
{
    HWND button = GetDlgItem(id);
    return button ? static_cast<UINT>(button->check()) : 0;
}

void CDialog::SetDlgItemText(int id, std::string_view text)
{
    if (HWND control = GetDlgItem(id))
        control->SetWindowText(text);
}

std::string CDialog::GetDlgItemText(int id) const
{
    HWND control = GetDlgItem(id);
    return control ? control->GetWindowText() : std::string();
}

void CDialog::SetIcon(uint32_t iconResource, bool big)
{
    if (!m_frame)
        return;
    (big ? m_bigIcon : m_smallIcon) = iconResource;
    NotifyChanged(m_frame.get(), WindowChange::Icon);
}

LRESULT CDialog::SendMessage(UINT message, WPARAM wParam, LPARAM lParam)
{
    return ::SendMessage(m_frame.get(), message, wParam, lParam);
}

void CDialog::WinHelp(uintptr_t data, UINT command)
{
    WinHelpA(m_frame.get(), command, data);
}

void CDialog::NotifyChanged(HWND window, WindowChange change)
{
    if (m_observer)
        m_observer->OnWindowChanged(window, change);
}

HWND CDialog::SetFocusWindow(HWND window)
{
    HWND previous = m_focus;
    if (window != m_focus && IsWindow(window) && &window->dialog() == this) {
        m_focus = window;
        NotifyChanged(window, WindowChange::Focus);
    }
    return previous;
}
