// SPDX-License-Identifier: GPL-2.0-or-later
#include "ui/base/user_input.h"

#include "platform/ansi_text.h"
#include "res/window_styles.h"
#include "ui/base/control_kind.h"
#include "ui/base/window_api.h"

namespace {

bool Running(const CDialog& dialog)
{
    return dialog.GetSafeHwnd() && !dialog.IsEnded();
}

// A window the user can act on: alive, in a running dialog, enabled and shown.
bool Reachable(HWND window)
{
    return IsWindow(window) && Running(window->dialog()) && window->IsWindowEnabled() && window->IsWindowVisible();
}

void Notify(HWND control, UINT code)
{
    SendMessage(control->parent(), WM_COMMAND, MAKEWPARAM(static_cast<uint32_t>(control->id()), code),
                reinterpret_cast<LPARAM>(control));
}

void SendCommand(CDialog& dialog, int id)
{
    dialog.SendMessage(WM_COMMAND, MAKEWPARAM(static_cast<uint32_t>(id), BN_CLICKED),
                       reinterpret_cast<LPARAM>(dialog.GetDlgItem(id)));
}

// Checks `radio` and clears the other automatic radio buttons of its group: from the nearest
// sibling at or before it that starts a group (WS_GROUP), or the first, up to the next one that does.
void CheckInGroup(HWND radio)
{
    const auto& siblings = radio->parent()->children();
    size_t self = 0;
    while (siblings[self].get() != radio)
        ++self;
    size_t first = self;
    while (first > 0 && !(siblings[first]->style() & WS_GROUP))
        --first;
    for (size_t i = first; i < siblings.size(); ++i) {
        LiveWindow& sibling = *siblings[i];
        if (i > first && (sibling.style() & WS_GROUP))
            break;
        if (IsAutoRadioButton(sibling))
            sibling.SetCheckState(&sibling == radio ? BST_CHECKED : BST_UNCHECKED);
    }
}

}   // namespace

void UserTypeText(HWND edit, std::string_view text)
{
    if (!Reachable(edit) || edit->kind() != WindowKind::Edit)
        return;
    if (edit->textLimit() > 0)
        text = text.substr(0, AnsiFitLength(text, static_cast<size_t>(edit->textLimit())));
    edit->SetWindowText(text);
}

void UserClick(HWND button)
{
    if (!Reachable(button) || button->kind() != WindowKind::Button)
        return;
    switch (button->style() & BS_TYPEMASK) {
    case BS_GROUPBOX:
        return;   // a group box takes no clicks
    case BS_AUTOCHECKBOX:
        button->SetCheckState(button->check() ? BST_UNCHECKED : BST_CHECKED);
        break;
    case BS_AUTORADIOBUTTON:
        CheckInGroup(button);
        break;
    default:
        break;
    }
    Notify(button, BN_CLICKED);
}

void UserSelectRow(HWND listOrCombo, int index)
{
    if (!Reachable(listOrCombo))
        return;
    const int count = static_cast<int>(listOrCombo->rows().size());
    if (listOrCombo->kind() == WindowKind::ListBox && index >= -1 && index < count) {
        listOrCombo->SetSelectionIndex(index);
        if (listOrCombo->style() & LBS_NOTIFY)
            Notify(listOrCombo, LBN_SELCHANGE);
    } else if (listOrCombo->kind() == WindowKind::ComboBox && index >= 0 && index < count) {
        listOrCombo->SetSelectionIndex(index);
        Notify(listOrCombo, CBN_SELCHANGE);
    }
}

void UserDoubleClickRow(HWND list, int index)
{
    if (!Reachable(list) || list->kind() != WindowKind::ListBox)
        return;
    if (index < -1 || index >= static_cast<int>(list->rows().size()))
        return;
    if (index >= 0)
        UserSelectRow(list, index);
    // The selection's handler may have ended the dialog or disabled the list.
    if (Reachable(list) && (list->style() & LBS_NOTIFY))
        Notify(list, LBN_DBLCLK);
}

void UserPressEnter(CDialog& dialog)
{
    if (!Running(dialog))
        return;
    const int id = dialog.GetDefID() != 0 ? dialog.GetDefID() : IDOK;
    HWND button = dialog.GetDlgItem(id);
    if (button && !(button->IsWindowEnabled() && button->IsWindowVisible()))
        return;
    SendCommand(dialog, id);
}

void UserPressEscape(CDialog& dialog)
{
    if (Running(dialog))
        SendCommand(dialog, IDCANCEL);
}

void UserCloseBox(CDialog& dialog)
{
    if (Running(dialog))
        dialog.SendMessage(WM_CLOSE, 0, 0);
}

void UserHelpRequest(HWND window, Point mouse)
{
    if (!IsWindow(window) || !Running(window->dialog()))
        return;
    HELPINFO info;
    info.iContextType = HELPINFO_WINDOW;
    info.iCtrlId = window->id();
    info.hItemHandle = window;
    info.MousePos = mouse;
    SendMessage(window, WM_HELP, 0, reinterpret_cast<LPARAM>(&info));
}

void UserContextMenu(HWND clicked, Point screen)
{
    if (!IsWindow(clicked) || !Running(clicked->dialog()))
        return;
    SendMessage(clicked, WM_CONTEXTMENU, reinterpret_cast<WPARAM>(clicked),
                MAKELPARAM(static_cast<uint32_t>(screen.x), static_cast<uint32_t>(screen.y)));
}

void UserFocus(HWND window)
{
    if (IsWindow(window) && Running(window->dialog()))
        window->SetFocus();
}

void UserSystemCommand(CDialog& dialog, UINT command)
{
    if (Running(dialog))
        dialog.SendMessage(WM_SYSCOMMAND, command, 0);
}
