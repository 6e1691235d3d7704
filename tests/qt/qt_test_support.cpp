#include "tests/qt/qt_test_support.h"

#include <QDialog>
#include <QTest>
#include <gtest/gtest.h>

#include "ui/base/dialog.h"
#include "ui/base/window_api.h"

namespace {

constexpr std::chrono::milliseconds kStepInterval(10);

int32_t WindowId(HWND window)
{
    return IsWindow(window) && window != window->dialog().GetSafeHwnd() ? window->id() : 0;
}

}   // namespace

void RecordingQtHost::ShowHelpPopup(HWND window, uint32_t contextId)
{
    help.push_back({HelpShown::Popup, WindowId(window), contextId});
    if (showHelp)
        QtHost::ShowHelpPopup(window, contextId);
}

bool RecordingQtHost::TrackWhatsThisMenu(HWND window)
{
    help.push_back({HelpShown::WhatsThisMenu, WindowId(window), 0});
    return showHelp ? QtHost::TrackWhatsThisMenu(window) : chooseWhatsThis;
}

void RecordingQtHost::OpenHelpWindow(uint32_t contextId)
{
    help.push_back({HelpShown::Window, 0, contextId});
    QtHost::OpenHelpWindow(contextId);
}

void RecordingQtHost::OpenHelpOverview(uint32_t templateId)
{
    help.push_back({HelpShown::Overview, 0, templateId});
    QtHost::OpenHelpOverview(templateId);
}

void RecordingQtHost::QuitHelp()
{
    help.push_back({HelpShown::Quit, 0, 0});
    QtHost::QuitHelp();
}

Script::Script(std::vector<std::function<void()>> steps) : m_steps(std::move(steps))
{
    QTimer::singleShot(kStepInterval, &m_context, [this] { Next(); });
}

void Script::Next()
{
    if (finished())
        return;
    const std::function<void()> step = m_steps[m_next++];
    // Scheduled first: if this step opens a modal dialog or a menu, the next one runs inside it.
    // The interval lets a loop that this step ends return before the next step runs.
    QTimer::singleShot(kStepInterval, &m_context, [this] { Next(); });
    step();
}

Watchdog::Watchdog(QtHost& host, std::chrono::milliseconds limit) : m_host(host)
{
    m_timer.setInterval(limit);
    QObject::connect(&m_timer, &QTimer::timeout, [this] {
        if (!m_fired)
            ADD_FAILURE() << "watchdog: dialogs were still running; every run was abandoned";
        m_fired = true;
        m_host.AbandonRuns();
        // Runs opened after the abandoned ones go the same way, without waiting as long.
        m_timer.setInterval(std::chrono::milliseconds(50));
    });
    m_timer.start();
}

QWidget* ControlWidget(QtHost& host, const CDialog& dialog, int id)
{
    QWidget* widget = host.Widget(dialog.GetDlgItem(id));
    EXPECT_TRUE(widget) << "no widget for control " << id;
    return widget;
}

void WaitUntilActive(QtHost& host, const CDialog& dialog)
{
    QDialog* window = host.DialogWidget(dialog);
    ASSERT_TRUE(window);
    window->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(window));
}
