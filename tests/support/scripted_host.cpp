// SPDX-License-Identifier: GPL-2.0-or-later
#include "tests/support/scripted_host.h"

#include <cstdlib>
#include <gtest/gtest.h>

#include "ui/base/dialog.h"
#include "ui/base/user_input.h"
#include "ui/base/window_api.h"

namespace {

// The platform's MulDiv: a * b / c rounded to the nearest integer, halves away from zero.
int32_t MulDiv(int32_t a, int32_t b, int32_t c)
{
    const int64_t product = static_cast<int64_t>(a) * b;
    const int64_t half = c / 2;
    return static_cast<int32_t>((product >= 0 ? product + half : product - half) / c);
}

}   // namespace

ScriptedHost::ScriptedHost() = default;

ScriptedHost::~ScriptedHost()
{
    if (!m_scripts.empty())
        ADD_FAILURE() << m_scripts.size() << " script(s) were never played: fewer dialogs opened than scripted";
    if (!m_answers.empty())
        ADD_FAILURE() << m_answers.size() << " message box answer(s) were never used";
}

void ScriptedHost::Script(std::vector<ScriptAction> actions)
{
    m_scripts.push_back(std::move(actions));
}

void ScriptedHost::AnswerNext(int answer)
{
    m_answers.push_back(answer);
}

void ScriptedHost::SetBaseUnits(int x, int y)
{
    m_baseX = x;
    m_baseY = y;
}

void ScriptedHost::RunModal(CDialog& dialog)
{
    m_dialogsRun.push_back(dialog.templateId());
    dialog.SetObserver(m_observer);
    dialog.InitDialog();
    if (!dialog.IsEnded()) {
        if (m_scripts.empty()) {
            ADD_FAILURE() << "dialog " << dialog.templateId() << " opened with no script left to play";
        } else {
            const std::vector<ScriptAction> script = std::move(m_scripts.front());
            m_scripts.pop_front();
            for (const ScriptAction& action : script) {
                if (dialog.IsEnded()) {
                    ADD_FAILURE() << "dialog " << dialog.templateId() << " ended before the action \""
                                  << action.description << "\"";
                    break;
                }
                action.perform(dialog);
            }
            if (!dialog.IsEnded())
                ADD_FAILURE() << "the script of dialog " << dialog.templateId() << " ended without the dialog ending";
        }
    }
    m_windows.erase(&dialog);
}

int ScriptedHost::MessageBox(const std::string& text, const std::string& caption, UINT type)
{
    const bool cancel = (type & 0xF) == MB_YESNOCANCEL;
    const bool yesNo = cancel || (type & 0xF) == MB_YESNO;
    int answer = cancel ? IDCANCEL : yesNo ? IDNO : IDOK;
    if (m_answers.empty()) {
        ADD_FAILURE() << "unexpected message box: \"" << text << "\"";
    } else {
        answer = m_answers.front();
        m_answers.pop_front();
        const bool fits =
            yesNo ? (answer == IDYES || answer == IDNO || (cancel && answer == IDCANCEL)) : answer == IDOK;
        if (!fits)
            ADD_FAILURE() << "answer " << answer << " does not fit the message box \"" << text << "\"";
    }
    m_messageBoxes.push_back({text, caption, type, answer});
    return answer;
}

void ScriptedHost::MessageBeep(UINT type)
{
    m_beeps.push_back(type);
}

Rect ScriptedHost::MapDialogRect(const CDialog& /*dialog*/, const Rect& dialogUnits)
{
    return {MulDiv(dialogUnits.left, m_baseX, 4), MulDiv(dialogUnits.top, m_baseY, 8),
            MulDiv(dialogUnits.right, m_baseX, 4), MulDiv(dialogUnits.bottom, m_baseY, 8)};
}

Rect ScriptedHost::DialogWindowRect(const CDialog& dialog)
{
    // A dialog starts at the desktop's top-left corner; its window has no frame of its own here,
    // so the window is the client area.
    const auto found = m_windows.find(&dialog);
    if (found != m_windows.end())
        return found->second;
    const DialogTemplate* dialogTemplate = dialog.dialogTemplate();
    Rect size = dialogTemplate ? MapDialogRect(dialog, {0, 0, dialogTemplate->cx, dialogTemplate->cy}) : Rect{};
    return {m_desktop.left, m_desktop.top, m_desktop.left + size.right, m_desktop.top + size.bottom};
}

Point ScriptedHost::DialogClientOrigin(const CDialog& dialog)
{
    const Rect window = DialogWindowRect(dialog);
    return {window.left, window.top};
}

void ScriptedHost::MoveDialog(CDialog& dialog, const Rect& windowRect, bool /*repaint*/)
{
    m_windows[&dialog] = windowRect;
}

void ScriptedHost::ShowHelpPopup(HWND window, uint32_t contextId)
{
    m_helpRequests.push_back({HelpRequestKind::Popup, HelpWindowId(window), contextId});
}

bool ScriptedHost::TrackWhatsThisMenu(HWND window)
{
    m_helpRequests.push_back({HelpRequestKind::WhatsThisMenu, HelpWindowId(window), 0});
    return m_chooseWhatsThis;
}

void ScriptedHost::OpenHelpWindow(uint32_t contextId)
{
    m_helpRequests.push_back({HelpRequestKind::Window, 0, contextId});
}

void ScriptedHost::OpenHelpOverview(uint32_t templateId)
{
    m_helpRequests.push_back({HelpRequestKind::Overview, 0, templateId});
}

void ScriptedHost::QuitHelp()
{
    m_helpRequests.push_back({HelpRequestKind::Quit, 0, 0});
}

Point ScriptedHost::CommandPoint(DialogCommand /*command*/, HWND window)
{
    return Centre(window);
}

void ScriptedHost::FocusByKeyboard(HWND window)
{
    UserFocus(window);
}

void ScriptedHost::PressButton(HWND button)
{
    UserClick(button);
}

void ScriptedHost::StartWhatsThis(CDialog& /*dialog*/)
{
    m_screenCommands.emplace_back("WhatsThis");
}

void ScriptedHost::ShowSystemMenu(CDialog& /*dialog*/)
{
    m_screenCommands.emplace_back("SystemMenu");
}

void ScriptedHost::DropDown(HWND comboBox)
{
    m_screenCommands.push_back("DropDown " + std::to_string(HelpWindowId(comboBox)));
}
