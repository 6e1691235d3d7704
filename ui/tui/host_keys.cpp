// SPDX-License-Identifier: GPL-2.0-or-later
// The keys of the dialog in front: a key that stands for a dialog command is performed by the key
// policy; the rest go to the focused control through the dialog's view. "What's This?" has keys of
// its own while the user chooses a control.
#include <optional>

#include "res/resource_ids.h"
#include "ui/base/control_kind.h"
#include "ui/base/dialog.h"
#include "ui/base/message_box.h"
#include "ui/base/user_input.h"
#include "ui/base/window_api.h"
#include "ui/tui/dialog_view.h"
#include "ui/tui/menu_overlay.h"
#include "ui/tui/tui_host.h"

namespace tui {

namespace {

Point Centre(const Rect& rect)
{
    return {rect.left + rect.width() / 2, rect.top + rect.height() / 2};
}

// A menu item shows its text as it is: a '&' in it is no mnemonic.
std::string Literal(const std::string& text)
{
    std::string escaped;
    for (const char c : text) {
        escaped.push_back(c);
        if (c == '&')
            escaped.push_back('&');
    }
    return escaped;
}

// The dialog command a terminal's key stands for, with `focus` the focused control (or null).
std::optional<Command> DecodeKey(const Key& key, HWND focus)
{
    switch (key.code) {
    case KeyCode::F1:
        if (key.alt)
            return std::nullopt;
        return Command{key.shift ? DialogCommand::WhatsThis : DialogCommand::Help};
    case KeyCode::F10:
        // Shift+F10 is the keyboard's right click.
        if (key.alt)
            return std::nullopt;
        return Command{key.shift ? DialogCommand::ContextMenu : DialogCommand::SystemMenu};
    case KeyCode::F4:
        return key.Is(KeyCode::F4) ? std::optional(Command{DialogCommand::DropDown}) : std::nullopt;
    case KeyCode::Down:
        return key.alt ? std::optional(Command{DialogCommand::DropDown}) : std::nullopt;
    case KeyCode::Tab:
        return Command{key.shift ? DialogCommand::Previous : DialogCommand::Next};
    case KeyCode::BackTab:
        return Command{DialogCommand::Previous};
    case KeyCode::Enter:
        // Alt+Enter is the context menu's key on terminals that send nothing for Shift+F10.
        if (key.alt)
            return Command{DialogCommand::ContextMenu};
        return key.Is(KeyCode::Enter) ? std::optional(Command{DialogCommand::Enter}) : std::nullopt;
    case KeyCode::Escape:
        return key.Is(KeyCode::Escape) ? std::optional(Command{DialogCommand::Escape}) : std::nullopt;
    case KeyCode::Char:
        if (key.alt && key.ch == U'?')
            return Command{DialogCommand::WhatsThis};
        if (key.alt && key.ch == U' ')
            return Command{DialogCommand::SystemMenu};
        if (key.alt && !key.ctrl)
            return Command{DialogCommand::Mnemonic, key.ch};
        // Where a key types nothing, a letter is a mnemonic even without Alt.
        if (focus && IsButton(ControlKindOf(*focus)) && !key.ctrl && key.ch > U' ')
            return Command{DialogCommand::Mnemonic, key.ch};
        return std::nullopt;
    default:
        return std::nullopt;
    }
}

}   // namespace

void TuiHost::HandleDialogKey(DialogView& view, const Key& key)
{
    view.ClearNotice();
    if (view.whatsThisChoice()) {
        HandleWhatsThisKey(view, key);
        return;
    }
    CDialog& dialog = view.dialog();
    HWND focus = IsWindow(dialog.GetFocus()) && dialog.GetFocus() != dialog.GetSafeHwnd() ? dialog.GetFocus() : nullptr;
    if (const std::optional<Command> command = DecodeKey(key, focus); command && PerformCommand(dialog, focus, *command, *this))
        return;
    (void)view.HandleKey(key, m_terminal);
}

void TuiHost::HandleWhatsThisKey(DialogView& view, const Key& key)
{
    switch (key.code) {
    case KeyCode::Tab:
    case KeyCode::Down:
    case KeyCode::Right:
        view.StepWhatsThis(false);
        return;
    case KeyCode::BackTab:
    case KeyCode::Up:
    case KeyCode::Left:
        view.StepWhatsThis(true);
        return;
    case KeyCode::Escape:
        view.EndWhatsThis();
        return;
    case KeyCode::Enter:
    case KeyCode::F1:
        break;
    case KeyCode::Char:
        if (key.ch != U' ')
            return;
        break;
    default:
        return;
    }
    HWND chosen = view.whatsThisChoice();
    view.EndWhatsThis();
    UserHelpRequest(chosen, Centre(CellsOf(chosen)));
}

Point TuiHost::CommandPoint(DialogCommand /*command*/, HWND window)
{
    return Centre(CellsOf(window));
}

void TuiHost::FocusByKeyboard(HWND window)
{
    if (DialogView* view = m_running.ViewOf(window->dialog()))
        view->FocusByKeyboard(window);
}

void TuiHost::PressButton(HWND button)
{
    FocusByKeyboard(button);
    UserClick(button);
}

void TuiHost::StartWhatsThis(CDialog& dialog)
{
    if (DialogView* view = m_running.ViewOf(dialog))
        view->StartWhatsThis();
}

void TuiHost::ShowSystemMenu(CDialog& dialog)
{
    DialogView* view = m_running.ViewOf(dialog);
    if (!view)
        return;
    // The platform's own items come first (a terminal window only closes), then the dialog's.
    std::vector<MenuLine> lines{{LoadString(IDS_CLOSE_COMMAND)}};
    std::vector<UINT> commands{SC_CLOSE};
    for (const MenuItem& item : dialog.systemMenu().items()) {
        lines.push_back({item.text, (item.flags & MF_SEPARATOR) != 0});
        commands.push_back(item.id);
    }
    const Rect window = view->WindowRect();
    MenuOverlay menu(std::move(lines), {window.left + 1, window.top + 1});
    RunOverlay(menu);
    if (menu.chosen() >= 0)
        UserSystemCommand(dialog, commands[static_cast<size_t>(menu.chosen())]);
}

void TuiHost::DropDown(HWND comboBox)
{
    DialogView* view = m_running.ViewOf(comboBox->dialog());
    std::vector<MenuLine> lines;
    for (const ListRow& row : comboBox->rows())
        lines.push_back({Literal(row.text)});
    if (!view || lines.empty())
        return;
    const Rect cells = view->ControlRect(comboBox);
    MenuOverlay menu(std::move(lines), {cells.left, cells.bottom}, comboBox->selection());
    RunOverlay(menu);
    if (menu.chosen() >= 0 && menu.chosen() != comboBox->selection())
        UserSelectRow(comboBox, menu.chosen());
}

}   // namespace tui
