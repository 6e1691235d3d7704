// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once
// The terminal host: runs each modal dialog in a character-cell window over the ones it was
// opened from, shows message boxes, help popups, the "What's This?" and system menus and the help
// window, and rings the terminal's bell. One screen is drawn for every key, so what the terminal
// shows always follows the live windows (and a resize redraws it whole).
//
// Keys (host_keys.cpp decodes them into dialog commands): Tab and Shift+Tab move in tab order;
// Enter presses the default button (or the push button with the focus); Esc cancels; Alt+letter
// (or the letter alone on a button) is a mnemonic; F1 is help for the focused control; Shift+F1 or
// Alt+? starts "What's This?"; Alt+Space or F10 opens the system menu; Shift+F10 opens the focused
// control's context menu; F4 or Alt+Down drops a list down. The focused control keeps Space (a
// check box toggles, a button is pressed) and the arrows (in a group, a list or a field).
#include <filesystem>
#include <memory>
#include <vector>

#include "platform/about_box.h"
#include "platform/wait_presenter.h"
#include "ui/base/host.h"
#include "ui/host/running_dialogs.h"
#include "ui/host/help_library.h"
#include "ui/host/key_policy.h"
#include "ui/tui/terminal_io.h"

namespace tui {

class DialogView;
class HelpPopup;
class HelpWindow;
class Overlay;

class TuiHost : public Host, public CommandHost {
public:
    // Help topics from `helpFile`; by default the help file installed beside the program. While
    // the host lives, DoAboutBox shows its about box.
    explicit TuiHost(TerminalIo& terminal, std::filesystem::path helpFile = HelpLibrary::InstalledFile());
    ~TuiHost() override;
    TuiHost(const TuiHost&) = delete;
    TuiHost& operator=(const TuiHost&) = delete;

    void RunModal(CDialog& dialog) override;
    int MessageBox(const std::string& text, const std::string& caption, UINT type) override;
    void MessageBeep(UINT type) override;
    Rect DesktopRect() override;
    Rect MapDialogRect(const CDialog& dialog, const Rect& dialogUnits) override;
    Rect DialogWindowRect(const CDialog& dialog) override;
    Point DialogClientOrigin(const CDialog& dialog) override;
    void MoveDialog(CDialog& dialog, const Rect& windowRect, bool repaint) override;
    void ShowHelpPopup(HWND window, uint32_t contextId) override;
    bool TrackWhatsThisMenu(HWND window) override;
    void OpenHelpWindow(uint32_t contextId) override;
    void OpenHelpOverview(uint32_t templateId) override;
    void QuitHelp() override;

    Point CommandPoint(DialogCommand command, HWND window) override;
    void FocusByKeyboard(HWND window) override;
    void PressButton(HWND button) override;
    void StartWhatsThis(CDialog& dialog) override;
    void ShowSystemMenu(CDialog& dialog) override;
    void DropDown(HWND comboBox) override;

    // The product's about box (what DoAboutBox shows on this host).
    void ShowAboutBox();

private:
    // The next key, with the screen drawn before waiting; a resize is handled here.
    Key NextKey();
    void Redraw();
    std::u32string Hint() const;
    // Runs `overlay` in front of everything until it is done or the input ends.
    void RunOverlay(Overlay& overlay);
    void ShowHelp(HelpTopicKind kind, uint32_t id);
    // Screen cells of a window of a running dialog; the centre of the screen for any other.
    Rect CellsOf(HWND window) const;

    void HandleDialogKey(DialogView& view, const Key& key);
    void HandleWhatsThisKey(DialogView& view, const Key& key);

    TerminalIo& m_terminal;
    HelpLibrary m_help;
    RunningDialogs<DialogView> m_running;
    // Overlays in front of the running dialogs, the innermost last.
    std::vector<Overlay*> m_overlays;
    std::unique_ptr<HelpPopup> m_popup;
    HelpWindow* m_helpWindow = nullptr;
    bool m_inputEnded = false;
    AboutBoxPresenter m_previousAboutBox;
    // While a save waits for another program's lock, the hint line says so.
    std::u32string m_waitText;
    WaitPresenter m_previousWait;
};

}   // namespace tui
