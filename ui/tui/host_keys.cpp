// The keys the host itself answers for the dialog in front: help, "What's This?", the system menu,
// the context menu and dropping a list down. Everything else goes to the dialog's view.
#include "res/window_styles.h"
#include "ui/base/dialog.h"
#include "ui/base/message_box.h"
#include "ui/base/user_input.h"
#include "ui/base/window_api.h"
#include "ui/base/control_kind.h"
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

bool IsDropList(HWND window)
{
    return IsWindow(window) && ControlKindOf(*window) == ControlKind::ComboBox;
}

}   // namespace

void TuiHost::HandleDialogKey(DialogView& view, const Key& key)
{
    if (view.whatsThisChoice()) {
        HandleWhatsThisKey(view, key);
        return;
    }
    CDialog& dialog = view.dialog();
    HWND frame = dialog.GetSafeHwnd();
    HWND focus = IsWindow(dialog.GetFocus()) ? dialog.GetFocus() : frame;
    if (key.code == KeyCode::F1 && !key.alt) {
        if (key.shift)
            view.StartWhatsThis();
        else
            UserHelpRequest(focus, Centre(CellsOf(focus)));
        return;
    }
    if (key.code == KeyCode::Char && key.alt && key.ch == U'?') {
        view.StartWhatsThis();
        return;
    }
    if (key.code == KeyCode::F10 && !key.alt) {
        // Shift+F10 is the keyboard's right click, on the control with the focus.
        if (key.shift)
            UserContextMenu(focus, Centre(CellsOf(focus)));
        else
            ShowSystemMenu(view);
        return;
    }
    if (key.code == KeyCode::Char && key.alt && key.ch == U' ') {
        ShowSystemMenu(view);
        return;
    }
    if (IsDropList(focus) && (key.Is(KeyCode::F4) || (key.code == KeyCode::Down && key.alt))) {
        DropDown(view, focus);
        return;
    }
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

void TuiHost::ShowSystemMenu(DialogView& view)
{
    CDialog& dialog = view.dialog();
    if (!(dialog.GetStyle() & WS_SYSMENU))
        return;
    // The platform's own items come first (a terminal window only closes), then the dialog's.
    std::vector<MenuLine> lines{{LoadString(IDS_CLOSE_COMMAND)}};
    std::vector<UINT> commands{SC_CLOSE};
    for (const MenuItem& item : dialog.systemMenu().items()) {
        lines.push_back({item.text, (item.flags & MF_SEPARATOR) != 0});
        commands.push_back(item.id);
    }
    const Rect window = view.WindowRect();
    MenuOverlay menu(std::move(lines), {window.left + 1, window.top + 1});
    RunOverlay(menu);
    if (menu.chosen() >= 0)
        UserSystemCommand(dialog, commands[static_cast<size_t>(menu.chosen())]);
}

void TuiHost::DropDown(DialogView& view, HWND combo)
{
    std::vector<MenuLine> lines;
    for (const ListRow& row : combo->rows())
        lines.push_back({Literal(row.text)});
    if (lines.empty())
        return;
    const Rect cells = view.ControlRect(combo);
    MenuOverlay menu(std::move(lines), {cells.left, cells.bottom}, combo->selection());
    RunOverlay(menu);
    if (menu.chosen() >= 0 && menu.chosen() != combo->selection())
        UserSelectRow(combo, menu.chosen());
}

}   // namespace tui
