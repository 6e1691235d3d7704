// SPDX-License-Identifier: GPL-2.0-or-later
// Help input end to end on real widgets: F1, Shift+F1 and a click, right clicks on enabled and
// disabled controls and on the surface, down to the context ids the host is asked to show.
#include <QApplication>
#include <QDialog>
#include <QMenu>
#include <QTest>
#include <QWhatsThis>
#include <gtest/gtest.h>

#include "tests/support/qt/qt_test_support.h"
#include "tests/support/temp_system_dir.h"
#include "ui/base/help_dialog.h"

namespace {

using Records = std::vector<HelpRequest>;

constexpr uint32_t kServer = 120;

HelpRequest Popup(int32_t windowId, uint32_t context)
{
    return {HelpRequestKind::Popup, windowId, context};
}

HelpRequest Menu(int32_t windowId)
{
    return {HelpRequestKind::WhatsThisMenu, windowId, 0};
}

class HelpInput : public ::testing::Test {
protected:
    QWidget* Control(int id) { return ControlWidget(host, dialog, id); }
    QWidget* Window() { return host.DialogWidget(dialog); }

    // A right click at a point in dialog units of the running dialog.
    void RightClickAtUnits(int x, int y)
    {
        const Rect at = host.MapDialogRect(dialog, {x, y, x, y});
        QTest::mouseClick(Window(), Qt::RightButton, {}, QPoint(at.left, at.top));
    }

    void WhatsThisClick(int id)
    {
        QTest::keyClick(Window(), Qt::Key_F1, Qt::ShiftModifier);
        EXPECT_TRUE(QWhatsThis::inWhatsThisMode());
        QTest::mouseClick(Control(id), Qt::LeftButton);
    }

    Records Run(std::vector<std::function<void()>> steps)
    {
        steps.insert(steps.begin(), [this] { WaitUntilActive(host, dialog); });
        steps.push_back([this] { Window()->close(); });
        Script script(std::move(steps));
        EXPECT_EQ(dialog.DoModal(), IDCANCEL);
        EXPECT_TRUE(script.finished());
        return host.help;
    }

    TempSystemDir systemDir;
    RecordingQtHost host;
    Watchdog watchdog{host};
    HelpDialog dialog{kServer, nullptr};
};

TEST_F(HelpInput, F1AsksForTheTopicOfTheControlReceivingIt)
{
    const Records help = Run({
        [this] { QTest::keyClick(Control(IDC_SERVER_NAME), Qt::Key_F1); },
        [this] { QTest::keyClick(Control(IDOK), Qt::Key_F1); },
        [this] { QTest::keyClick(Control(ID_HELP), Qt::Key_F1); },
    });
    EXPECT_EQ(help, (Records{Popup(IDC_SERVER_NAME, HelpContextId(kServer, IDC_SERVER_NAME)), Popup(IDOK, 1),
                             Popup(ID_HELP, 57670)}));
}

TEST_F(HelpInput, WhatsThisClickAsksForTheClickedControl)
{
    const Records help = Run({
        // A label stands for the field after it; a disabled control still has its help.
        [this] { WhatsThisClick(IDC_STATIC); },
        [this] { WhatsThisClick(IDC_SERVER_STREAM_LIST); },
        [this] { EXPECT_FALSE(QWhatsThis::inWhatsThisMode()); },
    });
    EXPECT_EQ(help, (Records{Popup(IDC_STATIC, HelpContextId(kServer, IDC_SERVER_NAME)),
                             Popup(IDC_SERVER_STREAM_LIST, HelpContextId(kServer, IDC_SERVER_STREAM_LIST))}));
}

TEST_F(HelpInput, RightClickOnAnEnabledControlNamesIt)
{
    const Records help = Run({
        [this] { QTest::mouseClick(Control(IDC_SERVER_NFS_DRIVES), Qt::RightButton); },
        [this] { QTest::mouseClick(Control(IDCANCEL), Qt::RightButton); },
    });
    EXPECT_EQ(help, (Records{Menu(IDC_SERVER_NFS_DRIVES), Popup(IDC_SERVER_NFS_DRIVES, HelpContextId(kServer, IDC_SERVER_NFS_DRIVES)),
                             Menu(IDCANCEL), Popup(IDCANCEL, 2)}));
}

TEST_F(HelpInput, RightClickOnADisabledControlOrTheSurfaceNamesTheDialog)
{
    const Records help = Run({
        [this] { QTest::mouseClick(Control(IDC_SERVER_STREAM_LIST), Qt::RightButton); },
        // Inside the group box, below the list: the group box is the narrowest window there.
        [this] { RightClickAtUnits(40, 157); },
        // Between the controls: nothing to show.
        [this] { RightClickAtUnits(180, 20); },
    });
    EXPECT_EQ(help, (Records{Menu(0), Popup(0, HelpContextId(kServer, IDC_SERVER_STREAM_LIST)), Menu(0),
                             Popup(0, HelpContextId(kServer, IDC_SERVER_STREAM_GROUP))}));
}

TEST_F(HelpInput, DismissedWhatsThisMenuShowsNothing)
{
    host.chooseWhatsThis = false;
    const Records help = Run({[this] { QTest::mouseClick(Control(IDC_SERVER_NAME), Qt::RightButton); }});
    EXPECT_EQ(help, (Records{Menu(IDC_SERVER_NAME)}));
}

TEST_F(HelpInput, RealMenuAndPopupShowTheTopic)
{
    host.showHelp = true;
    Run({
        [this] { QTest::mouseClick(Control(IDC_SERVER_NAME), Qt::RightButton); },
        // Runs inside the menu's own loop.
        [] {
            auto* menu = qobject_cast<QMenu*>(QApplication::activePopupWidget());
            ASSERT_TRUE(menu);
            ASSERT_EQ(menu->actions().size(), 1);
            EXPECT_EQ(menu->actions().front()->text(), "What's This?");
            menu->setActiveAction(menu->actions().front());
            QTest::keyClick(menu, Qt::Key_Return);
        },
        [this] {
            QWidget* popup = QApplication::activePopupWidget();
            ASSERT_TRUE(popup) << "no help popup";
            EXPECT_STREQ(popup->metaObject()->className(), "QWhatsThat");
            QWhatsThis::hideText();
        },
    });
    EXPECT_EQ(host.help, (Records{Menu(IDC_SERVER_NAME), Popup(IDC_SERVER_NAME, HelpContextId(kServer, IDC_SERVER_NAME))}));
}

}   // namespace
