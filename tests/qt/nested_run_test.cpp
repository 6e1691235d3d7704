// SPDX-License-Identifier: GPL-2.0-or-later
// Modal runs inside modal runs, message boxes and the system menu, scripted without hanging.
#include <QAbstractButton>
#include <QApplication>
#include <QDialog>
#include <QLineEdit>
#include <QMenu>
#include <QMessageBox>
#include <QTest>
#include <QWindow>
#include <gtest/gtest-spi.h>
#include <gtest/gtest.h>

#include "tests/support/qt/qt_test_support.h"
#include "tests/support/test_dialog.h"
#include "tests/support/temp_system_dir.h"
#include "ui/base/message_box.h"
#include "ui/qt/help_window.h"
#include "ui/qt/qt_text.h"

namespace {

using Log = std::vector<std::string>;
using Records = std::vector<HelpRequest>;

class NestedRuns : public ::testing::Test {
protected:
    QWidget* Control(const CDialog& owner, int id) { return ControlWidget(host, owner, id); }
    void ClickAction() { QTest::mouseClick(Control(dialog, kTestAction), Qt::LeftButton); }

    TempSystemDir systemDir;
    RecordingQtHost host;
    Watchdog watchdog{host};
    TestDialog dialog;
};

TEST_F(NestedRuns, InnerDialogRunsAndEndsInsideTheOuterOne)
{
    HelpDialog* inner = nullptr;
    int innerResult = 0;
    dialog.onAction = [&](TestDialog&) {
        HelpDialog queue(IDD_STREAM_QUEUE, nullptr);
        inner = &queue;
        innerResult = queue.DoModal();
        inner = nullptr;
    };
    Script script({
        [&] { ClickAction(); },
        [&] {
            ASSERT_TRUE(inner);
            QTest::keyClicks(Control(*inner, IDC_STREAM_PORT), "9100");
            EXPECT_EQ(inner->GetDlgItemText(IDC_STREAM_PORT), "9100");
            // Each dialog asks for help with its own template id.
            QTest::keyClick(Control(*inner, IDC_STREAM_PORT), Qt::Key_F1);
            QTest::keyClick(Control(*inner, IDC_STREAM_PORT), Qt::Key_Return);
        },
        [&] {
            EXPECT_EQ(innerResult, IDOK);
            QTest::keyClick(Control(dialog, kTestName), Qt::Key_F1);
            QTest::keyClick(host.DialogWidget(dialog), Qt::Key_Escape);
        },
    });
    EXPECT_EQ(dialog.DoModal(), IDCANCEL);
    EXPECT_TRUE(script.finished());
    EXPECT_EQ(host.help, (Records{{HelpRequestKind::Popup, IDC_STREAM_PORT, HelpContextId(IDD_STREAM_QUEUE, IDC_STREAM_PORT)},
                                  {HelpRequestKind::Popup, kTestName, HelpContextId(kTestTemplateId, kTestName)}}));
}

// Keys as the windowing system delivers them to a window, which a modal window may block.
void TypeInto(QWindow* window, const char* text)
{
    for (; *text; ++text)
        QTest::keyClick(window, *text);
}

// A window manager may activate the dialog behind the one in front when it is clicked: the keyboard
// must stay with the dialog in front, and the help window must stay usable beside both.
TEST_F(NestedRuns, ActivatingTheDialogBehindLeavesTheKeyboardWithTheOneInFront)
{
    HelpDialog* inner = nullptr;
    int innerResult = 0;
    dialog.onAction = [&](TestDialog&) {
        HelpDialog queue(IDD_LPR_QUEUE, nullptr);
        inner = &queue;
        innerResult = queue.DoModal();
    };
    Script script({
        [&] { ClickAction(); },
        [&] {
            ASSERT_TRUE(inner);
            WaitUntilActive(host, *inner);
            host.DialogWidget(dialog)->activateWindow();
            QApplication::processEvents();
            EXPECT_EQ(QApplication::activeWindow(), host.DialogWidget(*inner));
            ASSERT_TRUE(QGuiApplication::focusWindow());
            TypeInto(QGuiApplication::focusWindow(), "lp");
            EXPECT_EQ(inner->GetDlgItemText(IDC_LPR_QUEUE_NAME), "lp") << "the typing reached the dialog in front";
            host.OpenHelpWindow(HelpContextId(IDD_LPR_QUEUE, IDC_LPR_QUEUE_NAME));
        },
        [&] {
            HelpWindow* help = host.helpWindow();
            ASSERT_TRUE(help);
            ASSERT_TRUE(QTest::qWaitForWindowActive(help));
            help->searchField()->setFocus();
            TypeInto(help->windowHandle(), "user");
            EXPECT_EQ(help->searchField()->text(), "user") << "the help window was blocked";
            help->close();
        },
        [&] {
            WaitUntilActive(host, *inner);
            QTest::keyClick(host.DialogWidget(*inner)->windowHandle(), Qt::Key_Escape);
        },
        [&] { QTest::keyClick(host.DialogWidget(dialog), Qt::Key_Escape); },
    }, std::chrono::milliseconds(10), &host);   // the waits inside a step spin the loop: no step may start in them
    EXPECT_EQ(dialog.DoModal(), IDCANCEL);
    EXPECT_TRUE(script.finished());
    EXPECT_EQ(innerResult, IDCANCEL);
}

TEST_F(NestedRuns, MessageBoxesAskWithTheApplicationTitleAndAnswer)
{
    dialog.onAction = [](TestDialog& self) {
        self.log.push_back("answer " + std::to_string(AfxMessageBox(std::string("Remove it?"), MB_YESNO)));
        self.log.push_back("answer " + std::to_string(AfxMessageBox(std::string("Done."), MB_OK)));
        self.log.push_back("answer " + std::to_string(AfxMessageBox(std::string("Keep yours?"), MB_YESNOCANCEL)));
    };
    const auto box = [] {
        auto* found = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        EXPECT_TRUE(found) << "no message box";
        return found;
    };
    Script script({
        [&] { ClickAction(); },
        [&] {
            QMessageBox* question = box();
            ASSERT_TRUE(question);
            EXPECT_EQ(question->windowTitle(), ToQString(LoadString(IDS_APP_TITLE)));
            EXPECT_EQ(question->text(), "Remove it?");
            EXPECT_EQ(question->standardButtons(), QMessageBox::Yes | QMessageBox::No);
            question->button(QMessageBox::Yes)->click();
        },
        [&] {
            QMessageBox* note = box();
            ASSERT_TRUE(note);
            EXPECT_EQ(note->standardButtons(), QMessageBox::Ok);
            note->button(QMessageBox::Ok)->click();
        },
        [&] {
            QMessageBox* choice = box();
            ASSERT_TRUE(choice);
            EXPECT_EQ(choice->standardButtons(), QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel);
            QTest::keyClick(choice, Qt::Key_Escape);   // closing it is Cancel
        },
        [&] { QTest::keyClick(host.DialogWidget(dialog), Qt::Key_Escape); },
    });
    EXPECT_EQ(dialog.DoModal(), IDCANCEL);
    EXPECT_EQ(dialog.log, (Log{"BN_CLICKED 1008", "answer 6", "answer 1", "answer 2"}));
}

TEST_F(NestedRuns, SystemMenuOffersTheDialogsItems)
{
    const auto choose = [](const QString& text) {
        auto* menu = qobject_cast<QMenu*>(QApplication::activePopupWidget());
        ASSERT_TRUE(menu) << "no system menu";
        for (QAction* action : menu->actions()) {
            if (action->text() == text) {
                menu->setActiveAction(action);
                QTest::keyClick(menu, Qt::Key_Return);
                return;
            }
        }
        ADD_FAILURE() << "no item " << text.toStdString();
        menu->close();
    };
    Script script({
        [&] { WaitUntilActive(host, dialog); },
        // F10 as well as Alt+Space: a window manager may keep Alt+Space for its own menu.
        [&] { QTest::keyClick(Control(dialog, kTestName), Qt::Key_F10); },
        [&] { choose("&About Test"); },
        [&] { QTest::keyClick(Control(dialog, kTestName), Qt::Key_Space, Qt::AltModifier); },
        [&] { choose("&Close"); },
    });
    EXPECT_EQ(dialog.DoModal(), IDCANCEL);
    EXPECT_TRUE(script.finished());
    EXPECT_EQ(dialog.log, (Log{"WM_SYSCOMMAND 16", "WM_SYSCOMMAND 61536"}));
}

// Outside the fixture: the expected failure must be raised where the check below can see it.
void RunADialogThatNeverEnds()
{
    RecordingQtHost host;
    Watchdog watchdog(host, std::chrono::milliseconds(100));
    TestDialog dialog;
    EXPECT_EQ(dialog.DoModal(), -1);
}

TEST(Watchdog, AbandonsARunThatNeverEnds)
{
    EXPECT_NONFATAL_FAILURE(RunADialogThatNeverEnds(), "watchdog");
}

}   // namespace
