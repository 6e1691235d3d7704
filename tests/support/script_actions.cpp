// SPDX-License-Identifier: GPL-2.0-or-later
#include "tests/support/script_actions.h"

#include <gtest/gtest.h>

#include "ui/base/host.h"
#include "ui/base/user_input.h"
#include "ui/base/window_api.h"

namespace {

std::string Describe(const ControlName& name)
{
    return name.byText ? "\"" + name.text + "\"" : std::to_string(name.id);
}

// A control the user can act on; an action on one that is disabled or hidden is a script error.
HWND Reachable(CDialog& dialog, const ControlName& name, const char* action)
{
    HWND control = FindControl(dialog, name);
    if (control && !(control->IsWindowEnabled() && control->IsWindowVisible())) {
        ADD_FAILURE() << action << " on control " << Describe(name) << " of dialog " << dialog.templateId()
                      << ", which is disabled or hidden";
        return nullptr;
    }
    return control;
}

// Plays a command for the focus, as a host does for a key; the host in front answers what needs
// the screen.
void Perform(CDialog& dialog, const Command& command)
{
    auto* host = dynamic_cast<CommandHost*>(CurrentHost());
    if (!host) {
        ADD_FAILURE() << "no host that answers key commands is installed";
        return;
    }
    (void)PerformCommand(dialog, dialog.GetFocus(), command, *host);
}

}   // namespace

HWND FindControl(CDialog& dialog, const ControlName& name)
{
    if (HWND frame = dialog.GetSafeHwnd()) {
        for (const auto& child : frame->children()) {
            if (name.byText ? child->text() == name.text : child->id() == name.id)
                return child.get();
        }
    }
    ADD_FAILURE() << "dialog " << dialog.templateId() << " has no control " << Describe(name);
    return nullptr;
}

Rect ScreenRect(HWND window)
{
    Rect rect;
    EXPECT_TRUE(GetWindowRect(window, &rect));
    return rect;
}

Point Centre(HWND window)
{
    const Rect rect = ScreenRect(window);
    return {(rect.left + rect.right) / 2, (rect.top + rect.bottom) / 2};
}

ScriptAction Type(ControlName edit, std::string text)
{
    return {"Type " + Describe(edit), [edit, text](CDialog& dialog) {
                if (HWND control = Reachable(dialog, edit, "Type"))
                    UserTypeText(control, text);
            }};
}

ScriptAction Click(ControlName button)
{
    return {"Click " + Describe(button), [button](CDialog& dialog) {
                if (HWND control = Reachable(dialog, button, "Click"))
                    UserClick(control);
            }};
}

ScriptAction Select(ControlName listOrCombo, int index)
{
    return {"Select " + Describe(listOrCombo), [listOrCombo, index](CDialog& dialog) {
                if (HWND control = Reachable(dialog, listOrCombo, "Select"))
                    UserSelectRow(control, index);
            }};
}

ScriptAction DoubleClick(ControlName list, int index)
{
    return {"DoubleClick " + Describe(list), [list, index](CDialog& dialog) {
                if (HWND control = Reachable(dialog, list, "DoubleClick"))
                    UserDoubleClickRow(control, index);
            }};
}

ScriptAction Key(DialogCommand command)
{
    return {"Key " + std::to_string(static_cast<int>(command)), [command](CDialog& dialog) { Perform(dialog, {command}); }};
}

ScriptAction Mnemonic(char letter)
{
    return {std::string("Mnemonic ") + letter,
            [letter](CDialog& dialog) { Perform(dialog, {DialogCommand::Mnemonic, static_cast<unsigned char>(letter)}); }};
}

ScriptAction Enter()
{
    return {"Enter", [](CDialog& dialog) { Perform(dialog, {DialogCommand::Enter}); }};
}

ScriptAction Escape()
{
    return {"Escape", [](CDialog& dialog) { Perform(dialog, {DialogCommand::Escape}); }};
}

ScriptAction CloseBox()
{
    return {"CloseBox", [](CDialog& dialog) { UserCloseBox(dialog); }};
}

ScriptAction F1(ControlName control)
{
    return {"F1 " + Describe(control), [control](CDialog& dialog) {
                if (HWND window = FindControl(dialog, control)) {
                    UserFocus(window);
                    Perform(dialog, {DialogCommand::Help});
                }
            }};
}

ScriptAction WhatsThis(ControlName control)
{
    return {"WhatsThis " + Describe(control), [control](CDialog& dialog) {
                if (HWND window = FindControl(dialog, control))
                    UserHelpRequest(window, Centre(window));
            }};
}

ScriptAction RightClick(ControlName control)
{
    return {"RightClick " + Describe(control), [control](CDialog& dialog) {
                if (HWND window = Reachable(dialog, control, "RightClick"))
                    UserContextMenu(window, Centre(window));
            }};
}

ScriptAction RightClickAt(Point screen)
{
    return {"RightClickAt " + std::to_string(screen.x) + "," + std::to_string(screen.y),
            [screen](CDialog& dialog) { UserContextMenu(dialog.GetSafeHwnd(), screen); }};
}

ScriptAction RightClickSurfaceOn(ControlName control)
{
    return {"RightClickSurfaceOn " + Describe(control), [control](CDialog& dialog) {
                if (HWND window = FindControl(dialog, control))
                    UserContextMenu(dialog.GetSafeHwnd(), Centre(window));
            }};
}

ScriptAction Focus(ControlName control)
{
    return {"Focus " + Describe(control), [control](CDialog& dialog) {
                if (HWND window = FindControl(dialog, control))
                    UserFocus(window);
            }};
}

ScriptAction SystemCommand(UINT command)
{
    return {"SystemCommand " + std::to_string(command),
            [command](CDialog& dialog) { UserSystemCommand(dialog, command); }};
}

ScriptAction Inspect(std::function<void(CDialog&)> check)
{
    return {"Inspect", std::move(check)};
}
