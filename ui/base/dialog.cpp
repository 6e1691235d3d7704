// SPDX-License-Identifier: GPL-2.0-or-later
#include "ui/base/dialog.h"

#include <algorithm>
#include <utility>

#include "res/translation.h"
#include "res/window_styles.h"
#include "ui/base/host.h"
#include "ui/base/win_help.h"
#include "ui/base/window_api.h"

namespace {

// Combo box types with an edit field of their own (a drop-down list has none).
constexpr uint32_t kComboTypeMask = 0x3;
constexpr uint32_t kComboSimple = 0x1;
constexpr uint32_t kComboDropDown = 0x2;
// The id the platform gives the edit field inside a combo box.
constexpr int32_t kComboEditId = 1001;
// Height of a closed combo box in dialog units; the template's height includes the dropped list.
constexpr int32_t kClosedComboHeight = 12;
// Width of a combo box's drop-down button, in dialog units.
constexpr int32_t kComboButtonWidth = 10;

LRESULT DialogWndProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam)
{
    return window->dialog().WindowProc(message, wParam, lParam);
}

Rect TemplateRect(const ControlTemplate& control)
{
    Rect rect{control.x, control.y, control.x + control.cx, control.y + control.cy};
    if (std::string_view(control.className) == "ComboBox")
        rect.bottom = rect.top + std::min<int32_t>(control.cy, kClosedComboHeight);
    return rect;
}

bool HasEditField(const ControlTemplate& control)
{
    const uint32_t type = control.style & kComboTypeMask;
    return std::string_view(control.className) == "ComboBox" && (type == kComboSimple || type == kComboDropDown);
}

void SendToAll(HWND window, UINT message, bool childrenFirst)
{
    if (!childrenFirst)
        SendMessage(window, message, 0, 0);
    for (const auto& child : window->children())
        SendToAll(child.get(), message, childrenFirst);
    if (childrenFirst)
        SendMessage(window, message, 0, 0);
}

}   // namespace

CDialog::CDialog(uint32_t templateId, CDialog* parent) : m_templateId(templateId), m_parent(parent) {}

CDialog::CDialog(const DialogTemplate& dialogTemplate, CDialog* parent)
    : m_templateId(dialogTemplate.id), m_parent(parent), m_template(&dialogTemplate)
{
}

CDialog::~CDialog()
{
    DestroyWindows();
}

int CDialog::DoModal()
{
    Host* host = CurrentHost();
    const DialogTemplate* dialogTemplate = m_template ? m_template : FindDialogTemplate(m_templateId);
    if (!host || !dialogTemplate || m_frame)
        return -1;
    m_template = dialogTemplate;
    if (!CreateWindows(*dialogTemplate))
        return -1;
    host->RunModal(*this);
    const int result = m_ended ? m_endCode : -1;
    DestroyWindows();
    return result;
}

bool CDialog::CreateWindows(const DialogTemplate& dialogTemplate)
{
    m_ended = false;
    m_endCode = -1;
    m_focus = nullptr;
    m_defId = 0;
    m_bigIcon = m_smallIcon = 0;
    m_systemMenu.Clear();
    // The platform creates a dialog hidden and shows it once its initialisation has run.
    m_frame = std::make_unique<LiveWindow>(*this, nullptr, 0, "#32770", Translate(dialogTemplate.caption),
                                           Rect{0, 0, dialogTemplate.cx, dialogTemplate.cy},
                                           dialogTemplate.style & ~WS_VISIBLE, dialogTemplate.exStyle, DialogWndProc);
    for (const ControlTemplate& control : dialogTemplate.controls) {
        const Rect rect = TemplateRect(control);
        HWND window = m_frame->AddChild(std::make_unique<LiveWindow>(*this, m_frame.get(), control.id,
                                                                     control.className, Translate(control.text), rect,
                                                                     control.style, control.exStyle, DefControlProc));
        if (HasEditField(control)) {
            const Rect editRect{rect.left, rect.top, rect.right - kComboButtonWidth, rect.bottom};
            window->AddChild(std::make_unique<LiveWindow>(*this, window, kComboEditId, "Edit", "", editRect,
                                                          WS_VISIBLE | ES_AUTOHSCROLL, 0, DefControlProc));
        }
        if (m_defId == 0 && window->IsDefaultButton())
            m_defId = control.id;
    }
    return true;
}

void CDialog::DestroyWindows()
{
    if (!m_frame)
        return;
    m_observer = nullptr;
    // As the platform does: WM_DESTROY from the dialog down, WM_NCDESTROY from the controls up.
    SendToAll(m_frame.get(), WM_DESTROY, false);
    SendToAll(m_frame.get(), WM_NCDESTROY, true);
    m_focus = nullptr;
    m_frame.reset();
}

void CDialog::InitDialog()
{
    if (!m_frame)
        return;
    SendMessage(WM_INITDIALOG, 0, 0);
    if (m_frame && !m_ended)
        m_frame->ShowWindow(true);
}

LRESULT CDialog::WindowProc(UINT message, WPARAM wParam, LPARAM lParam)
{
    // Handlers may send messages of their own; Default() must see the one it was called for.
    const UINT savedMessage = std::exchange(m_currentMessage, message);
    const WPARAM savedWParam = std::exchange(m_currentWParam, wParam);
    const LPARAM savedLParam = std::exchange(m_currentLParam, lParam);
    LRESULT result = 0;
    bool handled = false;
    if (message == WM_INITDIALOG) {
        if (OnInitDialog() && m_frame)
            if (HWND first = GetNextDlgTabItem(m_frame.get(), nullptr, false))
                first->SetFocus();
        result = TRUE;
        handled = true;
    } else if (message == WM_COMMAND) {
        result = OnCommand(wParam, lParam);
        handled = true;
    }
    for (const MessageMap* map = &GetMessageMap(); map && !handled; map = map->base) {
        const auto entry = std::find_if(map->messages.begin(), map->messages.end(),
                                        [message](const MessageEntry& e) { return e.message == message; });
        if (entry != map->messages.end()) {
            result = entry->invoke(*this, wParam, lParam);
            handled = true;
        }
    }
    if (!handled)
        result = DefWindowProc(message, wParam, lParam);
    m_currentMessage = savedMessage;
    m_currentWParam = savedWParam;
    m_currentLParam = savedLParam;
    return result;
}

LRESULT CDialog::OnCommand(WPARAM wParam, LPARAM /*lParam*/)
{
    const uint32_t id = LOWORD(wParam);
    const uint32_t code = HIWORD(wParam);
    for (const MessageMap* map = &GetMessageMap(); map; map = map->base) {
        for (const CommandEntry& entry : map->commands) {
            if (LOWORD(static_cast<uint32_t>(entry.id)) == id && entry.code == code) {
                entry.invoke(*this);
                return 0;
            }
        }
    }
    // The application's help command: the Help button of any dialog opens the help window at
    // that dialog's overview.
    if (id == static_cast<uint32_t>(ID_HELP) && code == BN_CLICKED)
        if (Host* host = CurrentHost())
            host->OpenHelpOverview(m_templateId);
    return 0;
}

LRESULT CDialog::DefWindowProc(UINT message, WPARAM wParam, LPARAM /*lParam*/)
{
    switch (message) {
    case WM_CLOSE:
        return SendMessage(WM_COMMAND, MAKEWPARAM(IDCANCEL, BN_CLICKED), reinterpret_cast<LPARAM>(GetDlgItem(IDCANCEL)));
    case WM_SYSCOMMAND:
        if ((wParam & 0xFFF0) == SC_CLOSE)
            return SendMessage(WM_CLOSE, 0, 0);
        return 0;
    default:
        return 0;
    }
}

LRESULT CDialog::Default()
{
    return DefWindowProc(m_currentMessage, m_currentWParam, m_currentLParam);
}

const MessageMap& CDialog::ThisMessageMap()
{
    static constexpr CommandEntry commands[] = {
        MapCommand<&CDialog::OnOK>(IDOK),
        MapCommand<&CDialog::OnCancel>(IDCANCEL),
    };
    static const MessageMap map{nullptr, {}, commands};
    return map;
}

BOOL CDialog::OnInitDialog()
{
    FillComboBoxes();
    DoDataExchange();
    return TRUE;
}

void CDialog::FillComboBoxes()
{
    if (!m_frame || !m_template)
        return;
    // Children stand in template order, one for each control of the template.
    const auto& children = m_frame->children();
    for (size_t i = 0; i < children.size() && i < m_template->controls.size(); ++i) {
        if (children[i]->kind() != WindowKind::ComboBox)
            continue;
        ComboBoxControl combo;
        combo.Attach(children[i].get());
        for (const char* item : m_template->controls[i].items)
            (void)combo.AddString(Translate(item));
    }
}

void CDialog::DDX_Control(int id, ControlRef& control)
{
    control.Attach(GetDlgItem(id));
}

void CDialog::OnOK()
{
    EndDialog(IDOK);
}

void CDialog::OnCancel()
{
    EndDialog(IDCANCEL);
}

LRESULT CDialog::OnCommandHelp(WPARAM /*wParam*/, LPARAM lParam)
{
    if (lParam != 0)
        WinHelp(static_cast<uintptr_t>(lParam), HELP_CONTEXT);
    else if (Host* host = CurrentHost())
        host->OpenHelpOverview(m_templateId);
    return TRUE;
}
