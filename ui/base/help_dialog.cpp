// SPDX-License-Identifier: GPL-2.0-or-later
#include "ui/base/help_dialog.h"

#include <algorithm>
#include <cstring>
#include <vector>

#include "res/window_styles.h"
#include "ui/base/child_subclass_map.h"
#include "ui/base/win_help.h"
#include "ui/base/window_api.h"

uint32_t HelpIdPairs[4] = {0, 0, 0, 0};

namespace {

// Controls whose id is 65535 count as having none, like those with -1 or 0.
bool IsUsableId(int32_t id)
{
    return id >= 1 && id != 0xFFFF;
}

// Starting width of the surface search: a window this wide or wider is never picked.
constexpr int32_t kNarrowestStart = 10000;

}   // namespace

uint32_t HelpContextId(uint32_t templateId, int32_t controlId)
{
    if (controlId == IDOK || controlId == IDCANCEL || controlId == ID_HELP)
        return static_cast<uint32_t>(controlId);
    return ((templateId & 0xFFFFu) << 16) | (static_cast<uint32_t>(controlId) & 0xFFFFu);
}

bool IsComboBoxEdit(int32_t id, HWND window)
{
    if (id != 1001)
        return false;
    // Class names are read into nine bytes, so any class beginning "ComboBox" counts.
    char name[9] = {};
    GetClassNameA(window, name, sizeof name);
    if (std::strcmp(name, "Edit") != 0)
        return false;
    HWND parent = GetParent(window);
    if (!parent)
        return false;
    char parentName[9] = {};
    GetClassNameA(parent, parentName, sizeof parentName);
    return std::strcmp(parentName, "ComboBox") == 0;
}

HelpDialog::HelpDialog(uint32_t templateId, CDialog* parent) : CDialog(templateId, parent), m_templateId(templateId) {}

HelpDialog::HelpDialog(const DialogTemplate& dialogTemplate, CDialog* parent)
    : CDialog(dialogTemplate, parent), m_templateId(dialogTemplate.id)
{
}

HelpDialog::~HelpDialog() = default;

const MessageMap& HelpDialog::ThisMessageMap()
{
    static constexpr MessageEntry messages[] = {
        MapMessage<&HelpDialog::OnHelpMessage>(WM_HELP),
        MapMessage<&HelpDialog::OnContextMenuMessage>(WM_CONTEXTMENU),
        MapMessage<&HelpDialog::OnCommandHelp>(WM_COMMANDHELP),
    };
    static const MessageMap map{&CDialog::ThisMessageMap(), messages, {}};
    return map;
}

BOOL HelpDialog::OnInitDialog()
{
    CDialog::OnInitDialog();
    CenterDialog();
    // A second run of the same object records the windows of that run only.
    m_childWindows.clear();
    const uint32_t style = GetStyle();
    if ((style & WS_MINIMIZEBOX) && (style & WS_MAXIMIZEBOX)) {
        ModifyStyleEx(WS_EX_CONTEXTHELP, 0);
        return TRUE;
    }
    ModifyStyleEx(0, WS_EX_CONTEXTHELP);
    EnumChildWindows(GetSafeHwnd(), &HelpDialog::RecordChildWindow, reinterpret_cast<LPARAM>(this));
    return TRUE;
}

void HelpDialog::CenterDialog()
{
    const Rect desktop = GetDesktopClientRect();
    Rect window;
    if (!::GetWindowRect(GetSafeHwnd(), &window))
        return;
    const int32_t width = window.width();
    const int32_t height = window.height();
    // Integer division truncates toward zero, so a dialog larger than the desktop lands at a
    // negative position; the free height is split one third above, two thirds below.
    const int32_t x = desktop.left + (desktop.width() - width) / 2;
    const int32_t y = desktop.top + (desktop.height() - height) / 3;
    MoveWindow({x, y, x + width, y + height}, true);
}

BOOL HelpDialog::RecordChildWindow(HWND window, LPARAM lParam)
{
    auto* dialog = reinterpret_cast<HelpDialog*>(lParam);
    dialog->m_childWindows.push_front(window);
    const int32_t id = GetDlgCtrlID(window);
    if (id <= 0 || IsComboBoxEdit(id, window))
        return TRUE;
    // Hooking a window twice would make it forward to itself.
    if (SubclassedChildren().Find(window))
        return TRUE;
    const WNDPROC previous = SetWindowProc(window, ChildHelpWndProc);
    if (!previous)
        return TRUE;
    SubclassedChildren().Insert(window, std::make_unique<ChildSubclassRecord>(ChildSubclassRecord{dialog, previous}));
    return TRUE;
}

uint32_t HelpDialog::ComputeHelpContext(uint32_t templateId, HWND control)
{
    int32_t id = GetDlgCtrlID(control);
    std::vector<HWND> visited{control};
    while (!IsUsableId(id)) {
        HWND next = GetNextDlgTabItem(GetSafeHwnd(), visited.back(), false);
        if (!next || std::find(visited.begin(), visited.end(), next) != visited.end()) {
            id = GetDlgCtrlID(control);
            break;
        }
        visited.push_back(next);
        id = GetDlgCtrlID(next);
    }
    const uint32_t context = HelpContextId(templateId, id);
    HelpIdPairs[0] = static_cast<uint32_t>(id);
    HelpIdPairs[1] = context;
    return context;
}

LRESULT HelpDialog::OnHelpMessage(WPARAM /*wParam*/, LPARAM lParam)
{
    auto* info = reinterpret_cast<HELPINFO*>(lParam);
    if (!info || info->iContextType != HELPINFO_WINDOW)
        return TRUE;
    // Help for the edit field of a combo box is help for the combo box.
    if (IsComboBoxEdit(info->iCtrlId, info->hItemHandle))
        info->hItemHandle = GetParent(info->hItemHandle);
    ComputeHelpContext(m_templateId, info->hItemHandle);
    WinHelpA(info->hItemHandle, HELP_WM_HELP, reinterpret_cast<uintptr_t>(HelpIdPairs));
    return TRUE;
}

LRESULT HelpDialog::OnContextMenuMessage(WPARAM wParam, LPARAM lParam)
{
    const Point cursor{static_cast<int32_t>(LOWORD(static_cast<uintptr_t>(lParam))),
                       static_cast<int32_t>(HIWORD(static_cast<uintptr_t>(lParam)))};
    HWND clicked = reinterpret_cast<HWND>(wParam);
    HWND target = clicked;
    if (clicked == GetSafeHwnd()) {
        // A click on the surface: the narrowest visible window under the cursor, the first met
        // on equal width. Disabled controls take no clicks of their own, so they are found here.
        target = nullptr;
        int32_t narrowest = kNarrowestStart;
        for (HWND window : m_childWindows) {
            Rect rect;
            if (!::GetWindowRect(window, &rect) || !PtInRect(rect, cursor) || !IsWindowVisible(window))
                continue;
            if (rect.width() < narrowest) {
                narrowest = rect.width();
                target = window;
            }
        }
        if (!target)
            return 0;
    }
    ComputeHelpContext(m_templateId, target);
    WinHelpA(clicked, HELP_CONTEXTMENU, reinterpret_cast<uintptr_t>(HelpIdPairs));
    return 0;
}
