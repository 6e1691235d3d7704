// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once
// The Qt 6 Widgets host: runs each modal dialog as a Qt window (DialogView), shows message boxes,
// help popups, the "What's This?" menu and the help window, and beeps.
#include <QPointer>
#include <filesystem>
#include <memory>

#include "platform/wait_presenter.h"
#include "ui/base/host.h"
#include "ui/host/running_dialogs.h"
#include "ui/host/help_library.h"

class QDialog;
class QMessageBox;
class QWidget;
class DialogView;
class HelpWindow;

class QtHost : public Host {
public:
    // Help topics from `helpFile`; by default the help file installed beside the program.
    explicit QtHost(std::filesystem::path helpFile = HelpLibrary::InstalledFile());
    ~QtHost() override;
    QtHost(const QtHost&) = delete;
    QtHost& operator=(const QtHost&) = delete;

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

    // Gives up every running dialog and any open menu or message box: each run returns without
    // its dialog having ended, so DoModal answers -1 (a watchdog's way out).
    void AbandonRuns();

    // The dialog in front; null when none runs.
    CDialog* InnermostDialog() const;
    // The window of a running dialog, and the widget of one of its windows (its rows brought in
    // line with the model); null otherwise.
    QDialog* DialogWidget(const CDialog& dialog) const;
    QWidget* Widget(HWND window) const;
    // The help window, once it has been opened.
    HelpWindow* helpWindow() const { return m_helpWindow.get(); }
    HelpLibrary& helpLibrary() { return m_help; }

private:
    void SyncRunningRows() const;
    HelpWindow& EnsureHelpWindow();
    void KeepHelpWithFront();

    HelpLibrary m_help;
    RunningDialogs<DialogView> m_running;
    QPointer<QMessageBox> m_messageBox;
    std::unique_ptr<HelpWindow> m_helpWindow;
    // While the host lives, a save that waits for another program's lock shows the wait cursor.
    WaitPresenter m_previousWait;
};
