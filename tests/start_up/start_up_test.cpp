// SPDX-License-Identifier: GPL-2.0-or-later
// The program's start-up on real widgets, offscreen: the not-installed message, then the Servers and
// Printers window with the servers of the file, its system menu opened from the icon, the about
// box, and Cancel.
#include <QAbstractButton>
#include <QApplication>
#include <QListWidget>
#include <QMenu>
#include <QMessageBox>
#include <QPushButton>
#include <QTest>
#include <QTimer>
#include <gtest/gtest.h>

#include <cstdlib>
#include <functional>

#include "app/config_app.h"
#include "app/program.h"
#include "app/window_system.h"
#include "res/resource_ids.h"
#include "tests/support/temp_system_dir.h"
#include "tests/support/test_language.h"
#include "ui/base/dialog.h"
#include "ui/qt/qt_application.h"
#include "ui/qt/qt_host.h"

namespace {

QtHost* Host()
{
    return dynamic_cast<QtHost*>(CurrentHost());
}

QWidget* MainWindowControl(int id)
{
    CDialog* main = AfxGetApp() ? AfxGetApp()->m_pMainWnd : nullptr;
    return main && Host() ? Host()->Widget(main->GetDlgItem(id)) : nullptr;
}

// Acts on a later turn of the event loop, so that an action which opens a menu or a box of its own
// does not hold up the steps that follow.
void Later(std::function<void()> action)
{
    QTimer::singleShot(0, qApp, std::move(action));
}

void ClickLater(QWidget* widget, QPoint at = QPoint())
{
    Later([widget, at] { QTest::mouseClick(widget, Qt::LeftButton, Qt::NoModifier, at); });
}

enum class Stage { NotInstalledMessage, MainWindow, SystemMenu, AboutBox, Closing, Done };

// What the journey reads on the screen, in the language it runs in.
struct Words {
    const char* notInstalled;   // in the start-up message
    const char* addButton;
    const char* aboutItem;      // of the system menu
    const char* qtYesButton;    // Qt's own text of a message box's Yes button
};
constexpr Words kEnglish{"not installed", "&Add...", "&About Norvane", "&Yes"};
constexpr Words kGerman{"nicht installiert", "&Neu...", "Ü&ber Norvane", "&Ja"};

// One look at the screen: acts when the expected window is up and moves on to the next stage.
void Step(Stage& stage, const Words& words)
{
    auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
    auto* menu = qobject_cast<QMenu*>(QApplication::activePopupWidget());
    auto* list = qobject_cast<QListWidget*>(MainWindowControl(IDC_MAIN_SERVER_LIST));
    switch (stage) {
    case Stage::NotInstalledMessage:
        if (!box)
            return;
        EXPECT_FALSE(list) << "the message comes before the main window";
        EXPECT_TRUE(box->text().contains(QString::fromUtf8(words.notInstalled))) << box->text().toStdString();
        EXPECT_EQ(box->buttons().size(), 1);
        ClickLater(box->button(QMessageBox::Ok));
        stage = Stage::MainWindow;
        return;
    case Stage::MainWindow: {
        if (box || !list || !list->isVisible())
            return;
        ASSERT_EQ(list->count(), 3);
        EXPECT_EQ(list->item(0)->text(), "alpha");
        EXPECT_EQ(list->item(1)->text(), "bravo");
        EXPECT_EQ(list->item(2)->text(), "charlie");
        EXPECT_TRUE(list->selectedItems().isEmpty());
        EXPECT_FALSE(MainWindowControl(IDC_MAIN_MODIFY)->isEnabled());
        EXPECT_FALSE(MainWindowControl(IDC_MAIN_DELETE)->isEnabled());
        EXPECT_TRUE(MainWindowControl(IDC_MAIN_ADD)->isEnabled());
        EXPECT_EQ(qobject_cast<QPushButton*>(MainWindowControl(IDC_MAIN_ADD))->text(), QString::fromUtf8(words.addButton));
        EXPECT_EQ(QCoreApplication::translate("QPlatformTheme", "&Yes"), QString::fromUtf8(words.qtYesButton));
        ClickLater(MainWindowControl(IDC_MAIN_ICON), QPoint(2, 2));
        stage = Stage::SystemMenu;
        return;
    }
    case Stage::SystemMenu:
        if (!menu)
            return;
        for (QAction* action : menu->actions()) {
            if (action->text() == QString::fromUtf8(words.aboutItem)) {
                ClickLater(menu, menu->actionGeometry(action).center());
                stage = Stage::AboutBox;
                return;
            }
        }
        ADD_FAILURE() << "the system menu has no About item";
        menu->close();
        stage = Stage::Closing;
        return;
    case Stage::AboutBox:
        if (!box)
            return;
        EXPECT_TRUE(box->text().contains("Norvane")) << box->text().toStdString();
        EXPECT_FALSE(box->iconPixmap().isNull());
        ClickLater(box->button(QMessageBox::Ok));
        stage = Stage::Closing;
        return;
    case Stage::Closing:
        if (box || menu || !list)
            return;
        ClickLater(MainWindowControl(IDCANCEL));
        stage = Stage::Done;
        return;
    case Stage::Done:
        return;
    }
}

void StartUpAndCancel(const Words& words)
{
    TempSystemDir systemDir;
    const std::string ini = "[ServerList]\nServer1=charlie,1,1,0,0\nServer2=alpha,1,0,0,0\nServer3=bravo,0,1,0,0\n"
                            "NumServers=3\n";
    WriteFileBytes(systemDir.iniPath(), ini);
    setenv("QT_QPA_PLATFORM", "offscreen", 1);
    ASSERT_EQ(WindowSystemCheck().problem(), "");

    ConfigApp app;
    Stage stage = Stage::NotInstalledMessage;
    int argc = 1;
    char name[] = "norvane";
    char* argv[] = {name, nullptr};
    const int status = RunWithQtHost(argc, argv, [&stage, &words] {
        QTimer poll;
        QObject::connect(&poll, &QTimer::timeout, [&stage, &words] { Step(stage, words); });
        poll.start(20);
        QTimer watchdog;
        watchdog.setSingleShot(true);
        QObject::connect(&watchdog, &QTimer::timeout, [&stage] {
            ADD_FAILURE() << "still running at stage " << static_cast<int>(stage);
            for (QWidget* window : QApplication::topLevelWidgets())
                if (auto* box = qobject_cast<QMessageBox*>(window))
                    box->reject();
            Host()->AbandonRuns();
        });
        watchdog.start(15000);
        return RunApplication();
    });
    EXPECT_EQ(status, 0);
    EXPECT_EQ(stage, Stage::Done);
    EXPECT_EQ(ReadFileBytes(systemDir.iniPath()), ini);
}

TEST(StartUpOnQt, WarnsThenShowsTheServersAndClosesWithCancel)
{
    StartUpAndCancel(kEnglish);
}

// The program's texts and Qt's own in the user's language.
TEST(StartUpOnQt, SpeaksGermanWhenTheUserDoes)
{
    const ScopedLanguage german("de");
    StartUpAndCancel(kGerman);
}

}   // namespace
