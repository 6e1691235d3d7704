// SPDX-License-Identifier: GPL-2.0-or-later
#include "ui/host/key_policy.h"

#include "res/window_styles.h"
#include "ui/base/control_kind.h"
#include "ui/base/user_input.h"
#include "ui/base/window_api.h"
#include "ui/host/host_text.h"

namespace {

// The control a window belongs to (a combo box for its edit field); the frame for the frame.
HWND ControlOf(HWND window, HWND frame)
{
    while (window != frame && window->parent() != frame)
        window = window->parent();
    return window;
}

bool IsLabel(ControlKind kind)
{
    return kind == ControlKind::Label || kind == ControlKind::GroupBox;
}

bool PressMnemonic(CDialog& dialog, HWND focus, char32_t letter, CommandHost& host)
{
    HWND target = MnemonicTarget(dialog, focus, letter);
    if (!target)
        return false;
    if (IsLabel(ControlKindOf(*target))) {
        // Only the focus moves: a check box after a label is not toggled by the label's letter,
        // so pressing it twice changes nothing.
        if (HWND next = LabelTarget(target))
            host.FocusByKeyboard(next);
        return true;
    }
    host.PressButton(target);
    return true;
}

}   // namespace

bool PerformCommand(CDialog& dialog, HWND focus, const Command& command, CommandHost& host)
{
    HWND frame = dialog.GetSafeHwnd();
    if (!frame || dialog.IsEnded())
        return false;
    if (!IsWindow(focus) || &focus->dialog() != &dialog)
        focus = frame;
    switch (command.kind) {
    case DialogCommand::Help:
        UserHelpRequest(focus, host.CommandPoint(command.kind, focus));
        return true;
    case DialogCommand::WhatsThis:
        host.StartWhatsThis(dialog);
        return true;
    case DialogCommand::ContextMenu: {
        // A disabled control takes no right click: the dialog's surface under it does.
        HWND control = ControlOf(focus, frame);
        HWND target = control != frame && control->IsWindowEnabled() ? control : frame;
        UserContextMenu(target, host.CommandPoint(command.kind, control));
        return true;
    }
    case DialogCommand::SystemMenu:
        if (!(dialog.GetStyle() & WS_SYSMENU))
            return false;
        host.ShowSystemMenu(dialog);
        return true;
    case DialogCommand::DropDown: {
        HWND control = ControlOf(focus, frame);
        if (control == frame || control->kind() != WindowKind::ComboBox)
            return false;
        host.DropDown(control);
        return true;
    }
    case DialogCommand::Next:
    case DialogCommand::Previous:
        if (HWND next = GetNextDlgTabItem(frame, focus == frame ? nullptr : focus, command.kind == DialogCommand::Previous))
            host.FocusByKeyboard(next);
        return true;
    case DialogCommand::Enter:
        // A push button with the focus is pressed itself; anywhere else Enter is the default button's.
        if (focus != frame && EnterButton(dialog, focus) == focus)
            UserClick(focus);
        else
            UserPressEnter(dialog);
        return true;
    case DialogCommand::Escape:
        UserPressEscape(dialog);
        return true;
    case DialogCommand::Mnemonic:
        return PressMnemonic(dialog, focus, command.letter, host);
    }
    return false;
}

HWND MnemonicTarget(const CDialog& dialog, HWND focus, char32_t letter)
{
    HWND frame = dialog.GetSafeHwnd();
    if (!frame || letter == 0)
        return nullptr;
    letter = FoldCase(letter);
    const auto& children = frame->children();
    const size_t count = children.size();
    size_t start = 0;
    if (IsWindow(focus) && &focus->dialog() == &dialog && focus != frame) {
        HWND control = ControlOf(focus, frame);
        for (size_t i = 0; i < count; ++i)
            if (children[i].get() == control)
                start = i + 1;
    }
    for (size_t step = 0; step < count; ++step) {
        HWND window = children[(start + step) % count].get();
        if (!window->IsWindowVisible() || !window->IsWindowEnabled() || MnemonicOf(window->text()) != letter)
            continue;
        const ControlKind kind = ControlKindOf(*window);
        if (IsLabel(kind) || IsButton(kind))
            return window;
    }
    return nullptr;
}

HWND LabelTarget(HWND label)
{
    return IsWindow(label) ? GetNextDlgTabItem(label->parent(), label, false) : nullptr;
}

HWND EnterButton(const CDialog& dialog, HWND focus)
{
    HWND frame = dialog.GetSafeHwnd();
    if (!frame)
        return nullptr;
    if (IsWindow(focus) && &focus->dialog() == &dialog && focus != frame &&
        ControlKindOf(*focus) == ControlKind::PushButton && focus->IsWindowEnabled())
        return focus;
    HWND button = dialog.GetDlgItem(dialog.GetDefID() != 0 ? dialog.GetDefID() : IDOK);
    return button && button->IsWindowEnabled() && button->IsWindowVisible() ? button : nullptr;
}
