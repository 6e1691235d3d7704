#include "tests/journeys/journey_support.h"

#include <QAbstractButton>
#include <QApplication>
#include <QListWidget>
#include <QTest>
#include <QTimer>
#include <QWindow>
#include <chrono>
#include <optional>
#include <utility>
#include <gtest/gtest.h>

#include "ui/base/dialog.h"
#include "ui/server_list_dialog.h"

uint32_t JourneyHost::CurrentTemplate() const
{
    return Current() ? Current()->templateId() : 0;
}

QWidget* JourneyHost::Control(int id) const
{
    if (!Current()) {
        ADD_FAILURE() << "no dialog runs";
        return nullptr;
    }
    QWidget* widget = Widget(Current()->GetDlgItem(id));
    EXPECT_TRUE(widget) << "no widget for control " << id;
    return widget;
}

void JourneyHost::Click(int id) const
{
    if (QWidget* widget = Control(id))
        QTest::mouseClick(widget, Qt::LeftButton);
}

void JourneyHost::Type(int id, const char* text) const
{
    if (QWidget* widget = Control(id))
        QTest::keyClicks(widget, text);
}

void JourneyHost::ChooseRow(int id, const char* text) const
{
    auto* list = qobject_cast<QListWidget*>(Control(id));
    ASSERT_TRUE(list) << "control " << id << " is no list";
    const QList<QListWidgetItem*> found = list->findItems(QString::fromUtf8(text), Qt::MatchExactly);
    ASSERT_EQ(found.size(), 1) << "rows showing " << text;
    const QRect row = list->visualItemRect(found.front());
    QTest::mouseClick(list->viewport(), Qt::LeftButton, Qt::NoModifier, row.center());
}

QMessageBox* ShownMessageBox()
{
    auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
    EXPECT_TRUE(box) << "no message box is shown";
    return box;
}

void Answer(const std::string& text, QMessageBox::StandardButton button)
{
    QMessageBox* box = ShownMessageBox();
    ASSERT_TRUE(box);
    EXPECT_EQ(box->text().toStdString(), text);
    QAbstractButton* answer = box->button(button);
    ASSERT_TRUE(answer) << "the box has no such button";
    QTest::mouseClick(answer, Qt::LeftButton);
}

int RunMainWindow()
{
    ServerListDialog mainWindow;
    return mainWindow.DoModal();
}

namespace {

bool FrontWindowReady(const JourneyHost& host)
{
    const auto onScreen = [](const QWidget* window) {
        return window && window->isVisible() && window->windowHandle() && window->windowHandle()->isExposed();
    };
    if (host.Current() && (host.Current()->IsEnded() || !onScreen(host.DialogWidget(*host.Current()))))
        return false;
    const QWidget* front = QApplication::activeModalWidget();
    return !front || onScreen(front);
}

}   // namespace

int PlayJourney(JourneyHost& host, std::vector<std::function<void()>> steps, const std::function<int()>& run,
                std::chrono::milliseconds interval)
{
    Watchdog watchdog(host, std::chrono::seconds(20));
    QObject context;
    size_t next = 0;
    // What was in front when the step now playing began: null when none plays. Qt spins the event
    // loop inside some input calls; the next step may run there only once a new window is in front.
    std::optional<std::pair<const CDialog*, const QWidget*>> playingIn;
    const auto front = [&host] {
        return std::pair<const CDialog*, const QWidget*>(host.Current(), QApplication::activeModalWidget());
    };
    std::function<void()> play = [&] {
        if (next == steps.size())
            return;
        // The next step also waits for the window in front: for a dialog that has ended but whose
        // run has not yet returned (a slow OK that writes the file), and for a window not yet on
        // the screen, which would lose the clicks sent to it.
        if ((playingIn && *playingIn == front()) || !FrontWindowReady(host)) {
            QTimer::singleShot(interval, &context, play);
            return;
        }
        const std::function<void()> step = steps[next++];
        // Scheduled first: if this step opens a modal dialog, the next one runs inside it.
        QTimer::singleShot(interval, &context, play);
        const auto outer = playingIn;
        playingIn = front();
        step();
        playingIn = outer;
    };
    QTimer::singleShot(interval, &context, play);
    const int result = run();
    EXPECT_EQ(next, steps.size()) << "the dialogs closed before the journey's last step";
    return result;
}
