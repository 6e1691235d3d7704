// SPDX-License-Identifier: GPL-2.0-or-later
// The help window: opened by the Help button at the dialog's overview, a contents list of every
// topic narrowed by the search field, one window reused, closed when help quits.
#include <QDialog>
#include <QLineEdit>
#include <QListWidget>
#include <QTest>
#include <QTextBrowser>
#include <gtest/gtest.h>

#include "tests/support/qt/qt_test_support.h"
#include "tests/support/temp_system_dir.h"
#include "ui/base/help_dialog.h"
#include "ui/qt/help_window.h"

namespace {

class HelpWindowTest : public ::testing::Test {
protected:
    TempSystemDir systemDir;
    RecordingQtHost host;
    Watchdog watchdog{host};
};

TEST_F(HelpWindowTest, HelpButtonOpensTheOverviewAndQuitClosesIt)
{
    HelpDialog dialog(IDD_SERVER, nullptr);
    Script script({
        [&] { QTest::mouseClick(ControlWidget(host, dialog, ID_HELP), Qt::LeftButton); },
        [&] {
            HelpWindow* window = host.helpWindow();
            ASSERT_TRUE(window);
            EXPECT_TRUE(window->isVisible());
            ASSERT_TRUE(window->currentTopic());
            EXPECT_EQ(window->currentTopic()->kind, HelpTopicKind::Overview);
            EXPECT_EQ(window->currentTopic()->id, IDD_SERVER);
            // The overview ends with this window's own ways to help and to the window's menu.
            const QString shown = window->findChild<QTextBrowser*>()->toPlainText();
            EXPECT_TRUE(shown.contains("In this window: F1")) << shown.toStdString();
            EXPECT_TRUE(shown.contains("F10 or Alt+Space"));
            EXPECT_FALSE(shown.contains("no mouse"));
            ASSERT_TRUE(host.helpLibrary().Topics());
            EXPECT_EQ(static_cast<size_t>(window->contents()->count()), host.helpLibrary().Topics()->Topics().size());
            // The window takes clicks while the dialog waits for its user.
            QListWidget* contents = window->contents();
            QTest::mouseClick(contents->viewport(), Qt::LeftButton, {},
                              contents->visualItemRect(contents->item(2)).center());
            EXPECT_EQ(window->currentTopic(), &host.helpLibrary().Topics()->Topics()[2]);
            dialog.WinHelp(0, HELP_QUIT);
            EXPECT_FALSE(window->isVisible());
        },
        [&] { host.DialogWidget(dialog)->close(); },
    });
    dialog.DoModal();
    EXPECT_TRUE(script.finished());
    EXPECT_EQ(host.help, (std::vector<HelpRequest>{{HelpRequestKind::Overview, 0, IDD_SERVER}, {HelpRequestKind::Quit, 0, 0}}));
}

TEST_F(HelpWindowTest, SearchNarrowsTheContentsAndATopicAskedForIsShownAnyway)
{
    host.OpenHelpWindow(HelpContextId(IDD_SERVER, IDC_SERVER_NAME));
    HelpWindow* window = host.helpWindow();
    ASSERT_TRUE(window);
    ASSERT_TRUE(window->currentTopic());
    EXPECT_EQ(window->currentTopic()->id, HelpContextId(IDD_SERVER, IDC_SERVER_NAME));

    window->searchField()->setText("LPR");
    int shown = 0;
    for (int row = 0; row < window->contents()->count(); ++row) {
        const QListWidgetItem* item = window->contents()->item(row);
        shown += item->isHidden() ? 0 : 1;
        if (item->text().contains("LPR")) {
            EXPECT_FALSE(item->isHidden()) << item->text().toStdString();
        }
    }
    EXPECT_GT(shown, 0);
    EXPECT_LT(shown, window->contents()->count());
    // The topic beside the list is one the list still shows; none when the search finds nothing.
    const QListWidgetItem* current = window->contents()->currentItem();
    ASSERT_TRUE(current);
    EXPECT_FALSE(current->isHidden());
    ASSERT_TRUE(window->currentTopic());
    EXPECT_EQ(window->contents()->currentRow(), host.helpLibrary().IndexOf(window->currentTopic()));
    window->searchField()->setText("qqxzqq");
    EXPECT_EQ(window->currentTopic(), nullptr);
    window->searchField()->setText("LPR");

    // A topic the search hides is still shown when asked for, in the same window.
    host.OpenHelpOverview(IDD_STREAM_QUEUE);
    EXPECT_EQ(host.helpWindow(), window);
    ASSERT_TRUE(window->currentTopic());
    EXPECT_EQ(window->currentTopic()->id, IDD_STREAM_QUEUE);
    EXPECT_FALSE(window->contents()->currentItem()->isHidden());

    // A context without a topic shows why instead of a stale topic.
    host.OpenHelpWindow(0xFFFF0000u);
    EXPECT_EQ(window->currentTopic(), nullptr);
    host.QuitHelp();
}

}   // namespace
