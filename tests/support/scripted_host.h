// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once
// A host for tests: it runs each modal dialog's initialisation, then plays the next queued script
// of user actions for it, answers message boxes from a queue and records what the dialogs asked
// of the screen (message boxes, beeps, help). It installs itself for its lifetime. A dialog whose
// script ends before it does, a dialog without a script, an unexpected message box and a script
// or answer left unused fail the test; nothing waits for input.
#include <deque>
#include <map>
#include <string>
#include <vector>

#include "tests/support/help_request.h"
#include "tests/support/script_actions.h"
#include "ui/base/host.h"
#include "ui/host/key_policy.h"

struct MessageBoxRecord {
    std::string text;
    std::string caption;
    UINT type;
    int answer;
};

class ScriptedHost : public Host, public CommandHost {
public:
    ScriptedHost();
    ~ScriptedHost() override;

    // Queues the script of the next dialog to open; dialogs take scripts in the order they open
    // (a dialog opened by another's action takes the next one while the outer one waits).
    void Script(std::vector<ScriptAction> actions);
    // Queues the answer to the next message box.
    void AnswerNext(int answer);
    // Whether the user picks "What's This?" from the context menu (default: yes).
    void ChooseWhatsThis(bool choose) { m_chooseWhatsThis = choose; }
    // The desktop and the dialog base units (default 1024 x 768 and 4 x 8: one pixel a unit).
    void SetDesktop(const Rect& desktop) { m_desktop = desktop; }
    void SetBaseUnits(int x, int y);
    // Attached to every dialog before its initialisation.
    void ObserveWith(WindowObserver* observer) { m_observer = observer; }

    const std::vector<MessageBoxRecord>& messageBoxes() const { return m_messageBoxes; }
    const std::vector<UINT>& beeps() const { return m_beeps; }
    const std::vector<HelpRequest>& helpRequests() const { return m_helpRequests; }
    // Template ids of the dialogs run, in the order they opened.
    const std::vector<uint32_t>& dialogsRun() const { return m_dialogsRun; }
    // What the key policy asked of the screen: "WhatsThis", "SystemMenu", "DropDown <id>".
    const std::vector<std::string>& screenCommands() const { return m_screenCommands; }

    void RunModal(CDialog& dialog) override;
    int MessageBox(const std::string& text, const std::string& caption, UINT type) override;
    void MessageBeep(UINT type) override;
    Rect DesktopRect() override { return m_desktop; }
    Rect MapDialogRect(const CDialog& dialog, const Rect& dialogUnits) override;
    Rect DialogWindowRect(const CDialog& dialog) override;
    Point DialogClientOrigin(const CDialog& dialog) override;
    void MoveDialog(CDialog& dialog, const Rect& windowRect, bool repaint) override;
    void ShowHelpPopup(HWND window, uint32_t contextId) override;
    bool TrackWhatsThisMenu(HWND window) override;
    void OpenHelpWindow(uint32_t contextId) override;
    void OpenHelpOverview(uint32_t templateId) override;
    void QuitHelp() override;

    // The key policy's requests: points are the centre of the window, the focus moves and buttons
    // are pressed as by the input entry points, and the rest is recorded.
    Point CommandPoint(DialogCommand command, HWND window) override;
    void FocusByKeyboard(HWND window) override;
    void PressButton(HWND button) override;
    void StartWhatsThis(CDialog& dialog) override;
    void ShowSystemMenu(CDialog& dialog) override;
    void DropDown(HWND comboBox) override;

private:
    HostScope m_scope{*this};
    std::deque<std::vector<ScriptAction>> m_scripts;
    std::deque<int> m_answers;
    bool m_chooseWhatsThis = true;
    Rect m_desktop{0, 0, 1024, 768};
    int m_baseX = 4;
    int m_baseY = 8;
    WindowObserver* m_observer = nullptr;
    std::map<const CDialog*, Rect> m_windows;
    std::vector<MessageBoxRecord> m_messageBoxes;
    std::vector<UINT> m_beeps;
    std::vector<HelpRequest> m_helpRequests;
    std::vector<uint32_t> m_dialogsRun;
    std::vector<std::string> m_screenCommands;
};
