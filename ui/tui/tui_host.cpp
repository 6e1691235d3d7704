// SPDX-License-Identifier: GPL-2.0-or-later
#include "ui/tui/tui_host.h"

#include <algorithm>
#include <string>

#include "res/resource_ids.h"
#include "ui/base/dialog.h"
#include "ui/base/format_string.h"
#include "ui/base/message_box.h"
#include "ui/base/control_kind.h"
#include "ui/base/window_api.h"
#include "ui/host/key_policy.h"
#include "ui/tui/dialog_painter.h"
#include "ui/tui/dialog_view.h"
#include "ui/tui/help_popup.h"
#include "ui/tui/help_window.h"
#include "ui/tui/menu_overlay.h"
#include "ui/tui/message_overlay.h"
#include "ui/tui/tui_text.h"

#ifndef NORVANE_VERSION
#define NORVANE_VERSION "unknown"
#endif

namespace tui {

namespace {

constexpr int kMessageTypeMask = 0xF;
// The smallest terminal the dialogs are shown on; a dialog larger than that scrolls.
constexpr TerminalSize kSmallestTerminal{30, 8};

bool TooSmall(TerminalSize size)
{
    return size.columns < kSmallestTerminal.columns || size.rows < kSmallestTerminal.rows;
}

// The keys of a dialog for the bottom line, at most `width` cells: what Enter presses now, and
// as many of the others as fit, the most useful first; the system menu's key comes second.
std::u32string DialogHint(const CDialog& dialog, HWND focus, int width)
{
    struct Item {
        std::u32string text;
        int priority;   // the highest is placed first
        bool shown = false;
    };
    std::vector<Item> items{{LoadText(IDS_HINT_TAB_NEXT), 3}};
    if (focus && (ControlKindOf(*focus) == ControlKind::CheckBox || ControlKindOf(*focus) == ControlKind::RadioButton))
        items.push_back({LoadText(IDS_HINT_SPACE_TOGGLE), 2});
    if (HWND button = EnterButton(dialog, focus))
        items.push_back(
            {FromAnsi(AfxFormatString2(IDS_HINT_ENTER, ToAnsi(StripMnemonic(button->text()).text), "")), 9});
    items.push_back({LoadText(IDS_HINT_ESC_CANCEL), 7});
    items.push_back({LoadText(IDS_HINT_F1_HELP), 6});
    items.push_back({LoadText(IDS_HINT_WHATS_THIS_KEY), 4});
    items.push_back({LoadText(IDS_HINT_CONTEXT_MENU), 1});
    items.push_back({LoadText(IDS_HINT_SYSTEM_MENU), 8});
    constexpr int kGap = 2;
    int used = -kGap;
    for (int priority = 9; priority > 0; --priority) {
        for (Item& item : items) {
            const int needed = kGap + static_cast<int>(item.text.size());
            if (item.priority == priority && used + needed <= width) {
                item.shown = true;
                used += needed;
            }
        }
    }
    std::u32string line;
    for (const Item& item : items) {
        if (item.shown)
            line += (line.empty() ? U"" : U"  ") + item.text;
    }
    return line;
}

}   // namespace

TuiHost::TuiHost(TerminalIo& terminal, std::filesystem::path helpFile)
    : m_terminal(terminal), m_help(std::move(helpFile)),
      m_previousAboutBox(SetAboutBoxPresenter([this](AboutBoxOwner /*owner*/, uint32_t /*icon*/) { ShowAboutBox(); })),
      m_previousWait(SetWaitPresenter([this](WaitPhase phase) {
          m_waitText = phase == WaitPhase::Started ? FromAnsi(LoadString(IDS_WAITING_FOR_LOCK)) : U"";
          Redraw();
      }))
{
}

TuiHost::~TuiHost()
{
    (void)SetWaitPresenter(std::move(m_previousWait));
    (void)SetAboutBoxPresenter(std::move(m_previousAboutBox));
}

void TuiHost::RunModal(CDialog& dialog)
{
    DialogView view(dialog, m_terminal.Size());
    const RunningDialogs<DialogView>::Run run(m_running, view);
    dialog.InitDialog();
    // The focus the initialisation gave an edit field selects its text, as the keyboard's does.
    if (HWND focus = dialog.GetFocus(); IsWindow(focus) && focus->kind() == WindowKind::Edit)
        view.SelectAll(focus);
    while (!dialog.IsEnded() && !m_inputEnded) {
        const Key key = NextKey();
        if (key.code == KeyCode::EndOfInput)
            break;
        if (m_popup) {
            m_popup->HandleKey(key);
            if (m_popup->done())
                m_popup.reset();
            continue;
        }
        HandleDialogKey(view, key);
    }
    // A popup belongs to the dialog whose control it explained.
    m_popup.reset();
}

int TuiHost::MessageBox(const std::string& text, const std::string& caption, UINT type)
{
    const UINT buttons = type & kMessageTypeMask;
    constexpr int kAnswers[] = {IDYES, IDNO, IDCANCEL};
    std::vector<std::string> faces{LoadString(IDS_BUTTON_YES), LoadString(IDS_BUTTON_NO), LoadString(IDS_BUTTON_CANCEL)};
    if (buttons == MB_YESNO)
        faces.pop_back();
    else if (buttons != MB_YESNOCANCEL)
        faces = {LoadString(IDS_BUTTON_OK)};
    // Closing a box otherwise than by its buttons (or losing the terminal) answers its last one.
    const int escape = static_cast<int>(faces.size()) - 1;
    MessageOverlay box(FromAnsi(caption), FromAnsi(text), faces, escape);
    RunOverlay(box);
    if (faces.size() == 1)
        return IDOK;
    return kAnswers[box.answer() >= 0 ? box.answer() : escape];
}

void TuiHost::MessageBeep(UINT /*type*/)
{
    m_terminal.Beep();
}

Rect TuiHost::DesktopRect()
{
    const TerminalSize size = m_terminal.Size();
    return {0, 0, size.columns, size.rows};
}

Rect TuiHost::MapDialogRect(const CDialog& dialog, const Rect& dialogUnits)
{
    if (const DialogView* view = m_running.ViewOf(dialog))
        return view->MapDialogRect(dialogUnits);
    return {dialogUnits.left / kUnitsPerColumn, dialogUnits.top / kUnitsPerRow, dialogUnits.right / kUnitsPerColumn,
            dialogUnits.bottom / kUnitsPerRow};
}

Rect TuiHost::DialogWindowRect(const CDialog& dialog)
{
    const DialogView* view = m_running.ViewOf(dialog);
    return view ? view->WindowRect() : Rect{};
}

Point TuiHost::DialogClientOrigin(const CDialog& dialog)
{
    const DialogView* view = m_running.ViewOf(dialog);
    return view ? view->ClientOrigin() : Point{};
}

void TuiHost::MoveDialog(CDialog& dialog, const Rect& windowRect, bool /*repaint*/)
{
    // The size stays the layout's: a terminal window is as large as its cells.
    if (DialogView* view = m_running.ViewOf(dialog))
        view->Move({windowRect.left, windowRect.top});
}

void TuiHost::ShowHelpPopup(HWND window, uint32_t contextId)
{
    m_popup = std::make_unique<HelpPopup>(m_help.FindTopic(contextId), FromUtf8(m_help.MissingTopicText()), CellsOf(window));
}

bool TuiHost::TrackWhatsThisMenu(HWND window)
{
    const Rect cells = CellsOf(window);
    MenuOverlay menu({{LoadString(IDS_WHATS_THIS)}}, {cells.left, cells.bottom});
    RunOverlay(menu);
    return menu.chosen() == 0;
}

void TuiHost::OpenHelpWindow(uint32_t contextId)
{
    ShowHelp(HelpTopicKind::Context, contextId);
}

void TuiHost::OpenHelpOverview(uint32_t templateId)
{
    ShowHelp(HelpTopicKind::Overview, templateId);
}

void TuiHost::QuitHelp()
{
    if (m_helpWindow)
        m_helpWindow->Close();
}

void TuiHost::ShowAboutBox()
{
    const std::string name = LoadString(IDS_APP_TITLE);
    MessageOverlay box(FromAnsi(AfxFormatString2(IDS_ABOUT_CAPTION, name, "")),
                       FromAnsi(AfxFormatString2(IDS_ABOUT_VERSION, name, NORVANE_VERSION) + "\n\n" +
                                LoadString(IDS_ABOUT_DESCRIPTION)),
                       {"OK"}, 0);
    RunOverlay(box);
}

void TuiHost::ShowHelp(HelpTopicKind kind, uint32_t id)
{
    // One help window at a time: a request while it is open turns it to the topic.
    if (m_helpWindow) {
        m_helpWindow->ShowTopic(kind, id);
        return;
    }
    HelpWindow window(m_help, FromUtf8(HelpLibrary::WindowCaption()));
    window.ShowTopic(kind, id);
    m_helpWindow = &window;
    RunOverlay(window);
    m_helpWindow = nullptr;
}

Key TuiHost::NextKey()
{
    while (!m_inputEnded) {
        Redraw();
        const Key key = m_terminal.ReadKey();
        if (key.code == KeyCode::EndOfInput) {
            m_inputEnded = true;
            break;
        }
        if (key.code == KeyCode::Resize) {
            for (DialogView* view : m_running.views())
                view->Relayout(m_terminal.Size());
            continue;
        }
        // Keys would act on controls the user cannot see.
        if (key.code != KeyCode::None && !TooSmall(m_terminal.Size()))
            return key;
    }
    return Key::Of(KeyCode::EndOfInput);
}

void TuiHost::RunOverlay(Overlay& overlay)
{
    m_overlays.push_back(&overlay);
    while (!overlay.done() && !m_inputEnded) {
        const Key key = NextKey();
        if (key.code == KeyCode::EndOfInput)
            break;
        overlay.HandleKey(key);
    }
    m_overlays.pop_back();
}

void TuiHost::Redraw()
{
    const TerminalSize size = m_terminal.Size();
    Canvas canvas(size.columns, size.rows);
    canvas.Fill({0, 0, size.columns, size.rows}, CellStyle::Desktop);
    if (TooSmall(size)) {
        canvas.Text(0, 0,
                    FromAnsi(AfxFormatString2(IDS_TERMINAL_TOO_SMALL, std::to_string(kSmallestTerminal.columns),
                                              std::to_string(kSmallestTerminal.rows))),
                    CellStyle::Desktop);
        m_terminal.Present(canvas);
        return;
    }
    const int hintRow = size.rows - 1;
    bool hintCovered = false;
    for (DialogView* view : m_running.views()) {
        view->ShowFocus();
        PaintDialog(canvas, *view, view == m_running.Innermost() && m_overlays.empty() && !m_popup);
        hintCovered = hintCovered || view->WindowRect().bottom > hintRow;
    }
    if (m_popup)
        m_popup->Paint(canvas);
    for (Overlay* overlay : m_overlays)
        overlay->Paint(canvas);
    // Over everything but a dialog too tall to leave the line free.
    if (!hintCovered) {
        canvas.Fill({0, hintRow, size.columns, size.rows}, CellStyle::HintBar);
        canvas.Text(1, hintRow, Hint(), CellStyle::HintBar, size.columns - 2);
    }
    m_terminal.Present(canvas);
}

std::u32string TuiHost::Hint() const
{
    if (!m_waitText.empty())
        return m_waitText;
    if (!m_overlays.empty())
        return m_overlays.back()->Hint();
    if (m_popup)
        return m_popup->Hint();
    if (m_running.empty())
        return {};
    const DialogView& view = *m_running.Innermost();
    if (!view.notice().empty())
        return view.notice();
    if (view.whatsThisChoice())
        return LoadText(IDS_HINT_WHATS_THIS);
    const CDialog& dialog = view.dialog();
    HWND focus = IsWindow(dialog.GetFocus()) ? dialog.GetFocus() : nullptr;
    return DialogHint(dialog, focus, m_terminal.Size().columns - 2);
}

Rect TuiHost::CellsOf(HWND window) const
{
    if (IsWindow(window)) {
        if (const DialogView* view = m_running.ViewOf(window->dialog()))
            return window == window->dialog().GetSafeHwnd() ? view->WindowRect() : view->ControlRect(window);
    }
    const TerminalSize size = m_terminal.Size();
    return {size.columns / 2, size.rows / 3, size.columns / 2, size.rows / 3};
}

}   // namespace tui
