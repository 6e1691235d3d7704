// SPDX-License-Identifier: GPL-2.0-or-later
// Widgets and live windows in step: user input reaches the model once, model changes reach the
// widgets without coming back as input.
#include <QApplication>
#include <QCheckBox>
#include <QClipboard>
#include <QComboBox>
#include <QDialog>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>
#include <QToolTip>
#include <gtest/gtest.h>

#include "tests/support/qt/qt_test_support.h"
#include "tests/support/test_dialog.h"
#include "tests/support/temp_system_dir.h"
#include "ui/base/user_input.h"

namespace {

using Log = std::vector<std::string>;

class WidgetSync : public ::testing::Test {
protected:
    template <class Widget> Widget* Control(int id)
    {
        auto* widget = qobject_cast<Widget*>(ControlWidget(host, dialog, id));
        EXPECT_TRUE(widget) << "control " << id << " is not the expected widget";
        return widget;
    }

    // Plays `steps` in the test dialog, then closes it with Escape.
    int Run(std::vector<std::function<void()>> steps)
    {
        steps.insert(steps.begin(), [this] { WaitUntilActive(host, dialog); });
        steps.push_back([this] { QTest::keyClick(host.DialogWidget(dialog), Qt::Key_Escape); });
        Script script(std::move(steps));
        const int result = dialog.DoModal();
        EXPECT_TRUE(script.finished());
        return result;
    }

    TempSystemDir systemDir;
    RecordingQtHost host;
    Watchdog watchdog{host};
    TestDialog dialog;
};

TEST_F(WidgetSync, TypingRaisesOneChangePerEdit)
{
    Run({
        [this] { QTest::keyClicks(Control<QLineEdit>(kTestName), "abc"); },
        [this] { EXPECT_EQ(dialog.GetDlgItemText(kTestName), "abc"); },
    });
    EXPECT_EQ(dialog.log, (Log{"EN_CHANGE 1002 'a'", "EN_CHANGE 1002 'ab'", "EN_CHANGE 1002 'abc'"}));
}

TEST_F(WidgetSync, TextSetByTheDialogReachesTheFieldWithoutEcho)
{
    Run({
        [this] { dialog.SetDlgItemText(kTestName, "xyz"); },
        [this] {
            EXPECT_EQ(Control<QLineEdit>(kTestName)->text(), "xyz");
            dialog.SetWindowText("Renamed");
            EXPECT_EQ(host.DialogWidget(dialog)->windowTitle(), "Renamed");
        },
    });
    // The layer raises EN_CHANGE for the text it set; the widget adds none of its own.
    EXPECT_EQ(dialog.log, (Log{"EN_CHANGE 1002 'xyz'"}));
}

// The model's text is UTF-8; bytes that are not show as U+FFFD and stay until the user edits.
// A limit counts bytes: what would pass it is refused whole, with the beep and a note that says why.
TEST_F(WidgetSync, TextIsUtf8AndTheLimitCountsBytesCuttingNoCharacter)
{
    Run({
        [this] { dialog.SetDlgItemText(kTestName, "m\xFCller"); },
        [this] {
            EXPECT_EQ(Control<QLineEdit>(kTestName)->text(), QString::fromUtf8("m\uFFFDller"));
            QTest::keyClick(Control<QLineEdit>(kTestName), Qt::Key_End);
            EXPECT_EQ(dialog.GetDlgItemText(kTestName), "m\xFCller") << "shown, not edited: the bytes stay";
            TypeText(Control<QLineEdit>(kTestName), "!");
            EXPECT_EQ(dialog.GetDlgItemText(kTestName), "m\xFCller!") << "an edit elsewhere keeps the stray byte";
            dialog.SetDlgItemText(kTestName, "");
            dialog.GetDlgItem(kTestName)->SetTextLimit(8);
            TypeText(Control<QLineEdit>(kTestName), "\u0141\u00F3d\u017A\u017C");
            EXPECT_EQ(dialog.GetDlgItemText(kTestName), "\xC5\x81\xC3\xB3" "d\xC5\xBA") << "7 bytes; one more char would make 9";
            EXPECT_EQ(host.beeps, 1);
            EXPECT_TRUE(QToolTip::text().contains("at most 8 bytes")) << QToolTip::text().toStdString();
            // A paste that does not fit whole is refused whole, never cut.
            QGuiApplication::clipboard()->setText("xy");
            QTest::keyClick(Control<QLineEdit>(kTestName), Qt::Key_V, Qt::ControlModifier);
            EXPECT_EQ(dialog.GetDlgItemText(kTestName), "\xC5\x81\xC3\xB3" "d\xC5\xBA");
            EXPECT_EQ(host.beeps, 2);
            TypeText(Control<QLineEdit>(kTestName), "x");
            EXPECT_EQ(dialog.GetDlgItemText(kTestName), "\xC5\x81\xC3\xB3" "d\xC5\xBAx");
            EXPECT_EQ(host.beeps, 2);
        },
    });
}

TEST_F(WidgetSync, CheckBoxesFollowTheModelsRules)
{
    Run({
        [this] { QTest::mouseClick(Control<QCheckBox>(kTestCheck), Qt::LeftButton); },
        [this] {
            EXPECT_TRUE(Control<QCheckBox>(kTestCheck)->isChecked());
            // A check box that does not check itself stays as the dialog leaves it.
            QTest::mouseClick(Control<QCheckBox>(kTestManualCheck), Qt::LeftButton);
        },
        [this] {
            EXPECT_FALSE(Control<QCheckBox>(kTestManualCheck)->isChecked());
            dialog.CheckDlgButton(kTestManualCheck, BST_CHECKED);
            EXPECT_TRUE(Control<QCheckBox>(kTestManualCheck)->isChecked());
        },
    });
    EXPECT_EQ(dialog.log, (Log{"BN_CLICKED 1051 check=1", "BN_CLICKED 1052 check=0"}));
}

TEST_F(WidgetSync, RadioButtonsAreGroupedByTheModel)
{
    Run({
        [this] { QTest::mouseClick(Control<QRadioButton>(kTestRadioA), Qt::LeftButton); },
        [this] { QTest::mouseClick(Control<QRadioButton>(kTestRadioB), Qt::LeftButton); },
        [this] {
            EXPECT_FALSE(Control<QRadioButton>(kTestRadioA)->isChecked());
            EXPECT_TRUE(Control<QRadioButton>(kTestRadioB)->isChecked());
        },
    });
    EXPECT_EQ(dialog.log, (Log{"BN_CLICKED radio A=1 B=0", "BN_CLICKED radio A=0 B=1"}));
}

TEST_F(WidgetSync, ListRowsKeepTheModelsOrderAndSelectOnce)
{
    const auto rowRect = [this](int row) {
        QListWidget* list = Control<QListWidget>(kTestSorted);
        return list->visualItemRect(list->item(row)).center();
    };
    Run({
        [this] {
            for (const char* name : {"beta", "alpha", "Gamma"})
                (void)dialog.sorted.AddString(name);
            QListWidget* list = Control<QListWidget>(kTestSorted);
            ASSERT_EQ(list->count(), 3);
            // Each row is inserted where the sorted model put it, not appended.
            EXPECT_EQ(list->item(0)->text(), "alpha");
            EXPECT_EQ(list->item(1)->text(), "beta");
            EXPECT_EQ(list->item(2)->text(), "Gamma");
        },
        [this, rowRect] { QTest::mouseClick(Control<QListWidget>(kTestSorted)->viewport(), Qt::LeftButton, {}, rowRect(1)); },
        [this, rowRect] { QTest::mouseDClick(Control<QListWidget>(kTestSorted)->viewport(), Qt::LeftButton, {}, rowRect(2)); },
        [this] {
            EXPECT_EQ(dialog.sorted.GetCurSel(), 2);
            // The dialog's own selection reaches the widget and is not reported back.
            dialog.sorted.SetCurSel(0);
            EXPECT_EQ(Control<QListWidget>(kTestSorted)->currentRow(), 0);
            dialog.sorted.ResetContent();
            EXPECT_EQ(Control<QListWidget>(kTestSorted)->count(), 0);
        },
    });
    EXPECT_EQ(dialog.log, (Log{"LBN_SELCHANGE 1", "LBN_SELCHANGE 2", "LBN_DBLCLK 2"}));
}

TEST_F(WidgetSync, ListKeysSelectAsAListBoxDoes)
{
    struct Case {
        int rows;
        Qt::Key key;
        int selected;
    };
    // Nothing selected, and the focus rectangle on the first row as focusing the list puts it.
    const Case cases[] = {{1, Qt::Key_Down, 0}, {1, Qt::Key_Up, 0}, {1, Qt::Key_Home, 0}, {1, Qt::Key_End, 0},
                          {3, Qt::Key_Home, 0}, {3, Qt::Key_Down, 0}, {3, Qt::Key_End, 2}};
    Log expected;
    Run({[&, this] {
        for (const Case& c : cases) {
            while (dialog.sorted.GetCount() < c.rows)
                (void)dialog.sorted.AddString("row " + std::to_string(dialog.sorted.GetCount()));
            auto* list = Control<QListWidget>(kTestSorted);
            list->clearFocus();
            dialog.sorted.SetCurSel(-1);
            list->setFocus(Qt::TabFocusReason);
            QTest::keyClick(list, c.key);
            EXPECT_EQ(dialog.sorted.GetCurSel(), c.selected) << c.rows << " rows, key " << c.key;
            expected.push_back("LBN_SELCHANGE " + std::to_string(c.selected));
        }
        // An empty list with the focus still shows it.
        dialog.sorted.ResetContent();
        auto* list = Control<QListWidget>(kTestSorted);
        ASSERT_TRUE(list->hasFocus());
        const QImage focused = list->viewport()->grab().toImage();
        list->clearFocus();
        EXPECT_NE(list->viewport()->grab().toImage(), focused);
    }});
    EXPECT_EQ(dialog.log, expected) << "each key's selection is notified once";
}

TEST_F(WidgetSync, ARefreshTouchesOnlyTheRowsThatChanged)
{
    const auto refill = [this](const std::vector<const char*>& names) {
        dialog.sorted.ResetContent();
        for (const char* name : names)
            (void)dialog.sorted.AddString(name);
    };
    const auto items = [this] {
        QListWidget* list = Control<QListWidget>(kTestSorted);
        std::vector<std::pair<QListWidgetItem*, QString>> shown;
        for (int row = 0; row < list->count(); ++row)
            shown.emplace_back(list->item(row), list->item(row)->text());
        return shown;
    };
    Run({
        [&] {
            refill({"delta", "alpha", "charlie", "bravo"});
            const auto before = items();
            // Emptied and filled again in another order: the same rows, so the same widget items.
            refill({"charlie", "bravo", "delta", "alpha"});
            EXPECT_EQ(items(), before);
            refill({"charlie", "bravo", "delta", "alpha", "Beta"});
            const auto withBeta = items();
            ASSERT_EQ(withBeta.size(), 5u);
            EXPECT_EQ(withBeta[1].second, "Beta");
            auto others = withBeta;
            others.erase(others.begin() + 1);
            EXPECT_EQ(others, before) << "one row more is one item more";
            // "alpha" renamed to "echo" moves to the end; every row it passes keeps its item.
            refill({"charlie", "bravo", "delta", "echo", "Beta"});
            const auto renamed = items();
            ASSERT_EQ(renamed.size(), 5u);
            EXPECT_EQ(std::vector(renamed.begin(), renamed.begin() + 4), std::vector(withBeta.begin() + 1, withBeta.end()));
            EXPECT_EQ(renamed[4].second, "echo");
        },
    });
}

TEST_F(WidgetSync, DropListChoiceReachesTheModelOnce)
{
    Run({
        [this] {
            QComboBox* combo = Control<QComboBox>(kTestDropList);
            ASSERT_EQ(combo->count(), 3);
            EXPECT_EQ(combo->itemText(0), "Binary (Pass-thru) ");
            dialog.dropList.SetCurSel(1);
            EXPECT_EQ(combo->currentIndex(), 1);
            QTest::keyClick(combo, Qt::Key_Down);
        },
        [this] { EXPECT_EQ(dialog.dropList.GetCurSel(), 2); },
    });
    EXPECT_EQ(dialog.log, (Log{"CBN_SELCHANGE 2"}));
}

TEST_F(WidgetSync, EnabledVisibleDefaultAndFocusFollowTheModel)
{
    Run({
        [this] {
            EXPECT_FALSE(Control<QPushButton>(kTestDisabled)->isEnabled());
            EXPECT_TRUE(Control<QPushButton>(kTestHidden)->isHidden());
            EXPECT_TRUE(Control<QPushButton>(IDOK)->isDefault());
            dialog.GetDlgItem(kTestDisabled)->EnableWindow(true);
            dialog.GetDlgItem(kTestHidden)->ShowWindow(true);
            dialog.GetDlgItem(kTestName)->EnableWindow(false);
            dialog.SetDefID(kTestAction);
            dialog.GetDlgItem(kTestCheck)->SetFocus();
        },
        [this] {
            EXPECT_TRUE(Control<QPushButton>(kTestDisabled)->isEnabled());
            EXPECT_FALSE(Control<QPushButton>(kTestHidden)->isHidden());
            EXPECT_FALSE(Control<QLineEdit>(kTestName)->isEnabled());
            EXPECT_TRUE(Control<QPushButton>(kTestAction)->isDefault());
            EXPECT_FALSE(Control<QPushButton>(IDOK)->isDefault());
            EXPECT_EQ(QApplication::focusWidget(), Control<QCheckBox>(kTestCheck));
        },
    });
    EXPECT_TRUE(dialog.log.empty());
}

TEST_F(WidgetSync, TabFollowsTheTemplateAndMovesTheModelsFocus)
{
    Run({
        [this] {
            // The label's mnemonic takes the focus to the field after it.
            QTest::keyClick(host.DialogWidget(dialog), Qt::Key_N, Qt::AltModifier);
            EXPECT_EQ(dialog.GetFocus(), dialog.GetDlgItem(kTestName));
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
            EXPECT_EQ(dialog.GetFocus(), dialog.GetDlgItem(kTestCheck));
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
            EXPECT_EQ(dialog.GetFocus(), dialog.GetDlgItem(kTestManualCheck));
            // Radio buttons without tab stops are passed over.
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
            EXPECT_EQ(dialog.GetFocus(), dialog.GetDlgItem(kTestSorted));
        },
    });
}

// Enter presses the default button, Esc cancels, the close box closes; all through the model.
TEST_F(WidgetSync, KeysAndCloseBoxEndTheDialogThroughTheModel)
{
    {
        Script script({[this] { WaitUntilActive(host, dialog); },
                       [this] { QTest::keyClick(Control<QLineEdit>(kTestName), Qt::Key_Return); }});
        EXPECT_EQ(dialog.DoModal(), IDOK);
    }
    {
        Script script({[this] { host.DialogWidget(dialog)->close(); }});
        EXPECT_EQ(dialog.DoModal(), IDCANCEL);
    }
    {
        // A focused push button is pressed by Enter instead of the default button.
        Script script({[this] { WaitUntilActive(host, dialog); },
                       [this] {
                           QWidget* cancel = Control<QPushButton>(IDCANCEL);
                           cancel->setFocus();
                           QTest::keyClick(cancel, Qt::Key_Return);
                       }});
        EXPECT_EQ(dialog.DoModal(), IDCANCEL);
    }
}

}   // namespace
