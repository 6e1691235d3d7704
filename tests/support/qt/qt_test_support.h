// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once
// Driving real widgets offscreen: a Qt host that records what it was asked to show, scripts of
// steps played into whichever dialog is running, and a watchdog that fails a test instead of
// letting a modal run hang it. The test programs that use them share main() (qt_main.cpp).
#include <QObject>
#include <QTimer>
#include <chrono>
#include <functional>
#include <optional>
#include <utility>
#include <vector>

#include "tests/support/help_request.h"
#include "ui/qt/qt_host.h"

class QWidget;

// A QtHost whose help viewer and beeps are observable. Popups and the "What's This?" menu are recorded
// instead of shown unless `showHelp` is set (a popup grabs the next click); the help window opens
// for real.
class RecordingQtHost : public QtHost {
public:
    std::vector<HelpRequest> help;
    int beeps = 0;
    bool showHelp = false;
    bool chooseWhatsThis = true;

    void MessageBeep(UINT /*type*/) override { ++beeps; }

    void ShowHelpPopup(HWND window, uint32_t contextId) override;
    bool TrackWhatsThisMenu(HWND window) override;
    void OpenHelpWindow(uint32_t contextId) override;
    void OpenHelpOverview(uint32_t templateId) override;
    void QuitHelp() override;

private:
    HostScope m_scope{*this};
};

// Plays steps one every `interval`, each in whichever dialog runs at that moment: a step that opens
// a modal dialog has the next step act inside it. Starts once an event loop runs.
// With `front`, a step also waits for the window in front of that host to be on the screen (a
// window not yet shown loses the clicks sent to it; a dialog that has ended but whose run has not
// returned, as a slow OK that writes the file, is no window to act in), and, while an earlier step
// is still playing (Qt spins the event loop inside some input calls), for a new window in front.
class Script {
public:
    explicit Script(std::vector<std::function<void()>> steps,
                    std::chrono::milliseconds interval = std::chrono::milliseconds(10), const QtHost* front = nullptr);
    bool finished() const { return m_next == m_steps.size(); }

private:
    using Front = std::pair<const CDialog*, const QWidget*>;

    void Next();
    bool FrontReady() const;
    Front InFront() const;

    std::vector<std::function<void()>> m_steps;
    std::chrono::milliseconds m_interval;
    const QtHost* m_front;
    size_t m_next = 0;
    // What was in front when the step now playing began; nothing while none plays.
    std::optional<Front> m_playingIn;
    QObject m_context;
};

// Fails the test and abandons every run when dialogs are still running after `limit`.
class Watchdog {
public:
    Watchdog(QtHost& host, std::chrono::milliseconds limit = std::chrono::seconds(5));

private:
    QtHost& m_host;
    QTimer m_timer;
    bool m_fired = false;
};

// The widget of control `id` of a running dialog.
QWidget* ControlWidget(QtHost& host, const CDialog& dialog, int id);
// Types `text` (UTF-8) into `widget` as a keyboard does, each character a key press that carries
// it: QTest's keyClicks types Latin-1 only.
void TypeText(QWidget* widget, const char* text);
// Waits until the dialog's window is the active one, so that keys and focus reach it.
void WaitUntilActive(QtHost& host, const CDialog& dialog);
