// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once
// The dialog base: a dialog template made live, its message dispatch and the operations dialog
// code uses on its window and controls. Every dialog of the program derives from it (through
// HelpDialog).
#include <cstdint>
#include <memory>
#include <string>
#include <string_view>

#include "res/dialog_template.h"
#include "ui/base/controls.h"
#include "ui/base/live_window.h"
#include "ui/base/message_map.h"
#include "ui/base/system_menu.h"
#include "ui/base/win_defs.h"
#include "ui/base/window_observer.h"

class CDialog {
public:
    // `parent` is the dialog's owner (null for none); nothing is created until DoModal.
    CDialog(uint32_t templateId, CDialog* parent);
    // A dialog built from a template that is not in the resources (tests, tools).
    CDialog(const DialogTemplate& dialogTemplate, CDialog* parent);
    virtual ~CDialog();
    CDialog(const CDialog&) = delete;
    CDialog& operator=(const CDialog&) = delete;

    // Creates the live windows from the template and runs the dialog through the current host.
    // Returns what EndDialog was given: 1 (IDOK) after the default OnOK, 2 (IDCANCEL) after the
    // default OnCancel; -1 when there is no host, no template of that id, or the host gave up
    // before the dialog ended. The windows are destroyed before it returns.
    int DoModal();

    // ---- What a host reads and calls.
    uint32_t templateId() const { return m_templateId; }
    const DialogTemplate* dialogTemplate() const { return m_template; }
    CDialog* parentDialog() const { return m_parent; }
    // The dialog's frame window; null while the dialog is not running.
    HWND GetSafeHwnd() const { return m_frame.get(); }
    // The window holding the keyboard focus, or null.
    HWND GetFocus() const { return m_focus; }
    // The id of the default button (DM_GETDEFID); 0 when the dialog has none.
    int GetDefID() const { return m_defId; }
    bool IsEnded() const { return m_ended; }
    int endCode() const { return m_endCode; }
    const SystemMenu& systemMenu() const { return m_systemMenu; }
    // Icon resource set for the big or small icon; 0 when none was set.
    uint32_t icon(bool big) const { return big ? m_bigIcon : m_smallIcon; }
    // The observer of this dialog's windows; dropped when the windows are destroyed.
    void SetObserver(WindowObserver* observer) { m_observer = observer; }
    WindowObserver* observer() const { return m_observer; }
    // Runs the initialisation (WM_INITDIALOG): OnInitDialog, then, when it returns nonzero, the
    // focus goes to the first tab-stop control. Host::RunModal calls it once.
    void InitDialog();
    // The dialog's message dispatch: WM_COMMAND by (id, notification) through the command tables,
    // other messages through the message tables, the class's own map before its base's; what no
    // entry handles gets the default processing.
    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam);

    // ---- What dialog code uses.
    // The control of that id (the first in template order), or null.
    HWND GetDlgItem(int id) const;
    // Ends the modal run with `result` once the current message has been handled.
    void EndDialog(int result);
    // DM_SETDEFID: the old default button loses BS_DEFPUSHBUTTON, the new one gains it.
    void SetDefID(int id);
    // The caption.
    void SetWindowText(std::string_view caption);
    std::string GetWindowText() const;
    uint32_t GetStyle() const;
    uint32_t GetExStyle() const;
    // Changes the frame's extended style in place; true when it changed.
    bool ModifyStyleEx(uint32_t remove, uint32_t add);
    // The window rectangle in screen pixels (empty while not running) and moving it.
    Rect GetWindowRect() const;
    void MoveWindow(const Rect& windowRect, bool repaint = true);
    // Check boxes and radio buttons by id: any non-zero state checks; reading gives 0 or 1.
    void CheckDlgButton(int id, int check);
    UINT IsDlgButtonChecked(int id) const;
    // Text of a control by id; an unknown id sets nothing and reads "".
    void SetDlgItemText(int id, std::string_view text);
    std::string GetDlgItemText(int id) const;
    SystemMenu* GetSystemMenu() { return &m_systemMenu; }
    void SetIcon(uint32_t iconResource, bool big);
    // Sends a message to the dialog's own window.
    LRESULT SendMessage(UINT message, WPARAM wParam, LPARAM lParam);
    // The dialog's way to the help viewer (HELP_CONTEXT, HELP_QUIT, ...); overridable.
    virtual void WinHelp(uintptr_t data, UINT command);

    // ---- Called by live windows.
    void NotifyChanged(HWND window, WindowChange change);
    HWND SetFocusWindow(HWND window);

    // The dialog services' own message map (IDOK, IDCANCEL); the root of every chain.
    static const MessageMap& ThisMessageMap();

protected:
    // The dialog's initialisation; the base fills combo boxes with their template items and runs
    // DoDataExchange. Derived dialogs call it first. Nonzero means: give the focus to the first
    // tab-stop control.
    virtual BOOL OnInitDialog();
    // Binds control members (DDX_Control); runs during the base's OnInitDialog.
    virtual void DoDataExchange() {}
    void DDX_Control(int id, ControlRef& control);
    // Command 1 and command 2.
    virtual void OnOK();
    virtual void OnCancel();
    // The default processing of the message being handled (for a handler that passes it on).
    LRESULT Default();
    // The framework's answer to WM_COMMANDHELP: the help window at the topic in lParam, or at the
    // dialog's overview when lParam is 0.
    LRESULT OnCommandHelp(WPARAM wParam, LPARAM lParam);
    // Each dialog class returns its own ThisMessageMap() here.
    virtual const MessageMap& GetMessageMap() const { return ThisMessageMap(); }

private:
    bool CreateWindows(const DialogTemplate& dialogTemplate);
    void DestroyWindows();
    LRESULT DefWindowProc(UINT message, WPARAM wParam, LPARAM lParam);
    LRESULT OnCommand(WPARAM wParam, LPARAM lParam);
    void FillComboBoxes();

    uint32_t m_templateId;
    CDialog* m_parent;
    const DialogTemplate* m_template = nullptr;
    std::unique_ptr<LiveWindow> m_frame;
    HWND m_focus = nullptr;
    int m_defId = 0;
    bool m_ended = false;
    int m_endCode = -1;
    SystemMenu m_systemMenu{*this};
    uint32_t m_bigIcon = 0;
    uint32_t m_smallIcon = 0;
    WindowObserver* m_observer = nullptr;
    // The message being dispatched, for Default().
    UINT m_currentMessage = 0;
    WPARAM m_currentWParam = 0;
    LPARAM m_currentLParam = 0;
};
