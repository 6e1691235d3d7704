#pragma once
// Driving real widgets offscreen: a Qt host that records what it was asked to show, scripts of
// steps played into whichever dialog is running, and a watchdog that fails a test instead of
// letting a modal run hang it.
#include <QObject>
#include <QTimer>
#include <chrono>
#include <functional>
#include <vector>

#include "ui/qt/qt_host.h"

class QWidget;

enum class HelpShown { Popup, WhatsThisMenu, Window, Overview, Quit };

struct HelpRecord {
    HelpShown kind;
    int32_t windowId;   // id of the window asked about; 0 for a dialog's frame and for the window
    uint32_t id;        // context id, or template id for an overview
    friend bool operator==(const HelpRecord&, const HelpRecord&) = default;
};

// A QtHost whose help viewer is observable. Popups and the "What's This?" menu are recorded
// instead of shown unless `showHelp` is set (a popup grabs the next click); the help window opens
// for real.
class RecordingQtHost : public QtHost {
public:
    std::vector<HelpRecord> help;
    bool showHelp = false;
    bool chooseWhatsThis = true;

    void ShowHelpPopup(HWND window, uint32_t contextId) override;
    bool TrackWhatsThisMenu(HWND window) override;
    void OpenHelpWindow(uint32_t contextId) override;
    void OpenHelpOverview(uint32_t templateId) override;
    void QuitHelp() override;

private:
    HostScope m_scope{*this};
};

// Plays steps one per turn of the event loop, each in whichever dialog runs at that moment: a step
// that opens a modal dialog has the next step act inside it. Starts once an event loop runs.
class Script {
public:
    explicit Script(std::vector<std::function<void()>> steps);
    bool finished() const { return m_next == m_steps.size(); }

private:
    void Next();

    std::vector<std::function<void()>> m_steps;
    size_t m_next = 0;
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
// Waits until the dialog's window is the active one, so that keys and focus reach it.
void WaitUntilActive(QtHost& host, const CDialog& dialog);
