// SPDX-License-Identifier: GPL-2.0-or-later
#include "tests/support/qt/qt_test_support.h"

#include <QApplication>
#include <QDialog>
#include <QTest>
#include <QWindow>
#include <gtest/gtest.h>

#include "ui/base/dialog.h"

void RecordingQtHost::ShowHelpPopup(HWND window, uint32_t contextId)
{
    help.push_back({HelpRequestKind::Popup, HelpWindowId(window), contextId});
    if (showHelp)
        QtHost::ShowHelpPopup(window, contextId);
}

bool RecordingQtHost::TrackWhatsThisMenu(HWND window)
{
    help.push_back({HelpRequestKind::WhatsThisMenu, HelpWindowId(window), 0});
    return showHelp ? QtHost::TrackWhatsThisMenu(window) : chooseWhatsThis;
}

void RecordingQtHost::OpenHelpWindow(uint32_t contextId)
{
    help.push_back({HelpRequestKind::Window, 0, contextId});
    QtHost::OpenHelpWindow(contextId);
}

void RecordingQtHost::OpenHelpOverview(uint32_t templateId)
{
    help.push_back({HelpRequestKind::Overview, 0, templateId});
    QtHost::OpenHelpOverview(templateId);
}

void RecordingQtHost::QuitHelp()
{
    help.push_back({HelpRequestKind::Quit, 0, 0});
    QtHost::QuitHelp();
}

Script::Script(std::vector<std::function<void()>> steps, std::chrono::milliseconds interval, const QtHost* front)
    : m_steps(std::move(steps)), m_interval(interval), m_front(front)
{
    QTimer::singleShot(m_interval, &m_context, [this] { Next(); });
}

void Script::Next()
{
    if (finished())
        return;
    if (m_front && ((m_playingIn && *m_playingIn == InFront()) || !FrontReady())) {
        QTimer::singleShot(m_interval, &m_context, [this] { Next(); });
        return;
    }
    const std::function<void()> step = m_steps[m_next++];
    // Scheduled first: if this step opens a modal dialog or a menu, the next one runs inside it.
    // The interval lets a loop that this step ends return before the next step runs.
    QTimer::singleShot(m_interval, &m_context, [this] { Next(); });
    const std::optional<Front> outer = m_playingIn;
    m_playingIn = InFront();
    step();
    m_playingIn = outer;
}

Script::Front Script::InFront() const
{
    return {m_front ? m_front->InnermostDialog() : nullptr, QApplication::activeModalWidget()};
}

bool Script::FrontReady() const
{
    const auto onScreen = [](const QWidget* window) {
        return window && window->isVisible() && window->windowHandle() && window->windowHandle()->isExposed();
    };
    const CDialog* dialog = m_front->InnermostDialog();
    if (dialog && (dialog->IsEnded() || !onScreen(m_front->DialogWidget(*dialog))))
        return false;
    const QWidget* modal = QApplication::activeModalWidget();
    return !modal || onScreen(modal);
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

void TypeText(QWidget* widget, const char* text)
{
    for (const QChar c : QString::fromUtf8(text))
        QTest::sendKeyEvent(QTest::Click, widget, static_cast<Qt::Key>(c.toUpper().unicode()), QString(c), Qt::NoModifier);
}

void WaitUntilActive(QtHost& host, const CDialog& dialog)
{
    QDialog* window = host.DialogWidget(dialog);
    ASSERT_TRUE(window);
    window->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(window));
}
