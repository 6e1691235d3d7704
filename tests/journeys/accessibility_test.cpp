// SPDX-License-Identifier: GPL-2.0-or-later
// What a screen reader and a keyboard user meet in each dialog: every control named after its
// caption or label without the mnemonic marker, described by its help topic, with the role of its
// kind; Tab visits the tab stops in template order; every mnemonic reaches its control.
#include <QAbstractButton>
#include <QAccessible>
#include <QApplication>
#include <QCheckBox>
#include <QCursor>
#include <QRadioButton>
#include <QDialog>
#include <QSignalSpy>
#include <QTest>
#include <QWhatsThis>
#include <gtest/gtest.h>
#include <algorithm>
#include <cctype>
#include <map>
#include <memory>
#include <string>

#include "res/resource_ids.h"
#include "res/window_styles.h"
#include "tests/support/qt/journey_support.h"
#include "tests/support/temp_system_dir.h"
#include "ui/base/help_dialog.h"
#include "ui/base/live_window.h"
#include "ui/qt/help_html.h"

namespace {

bool HasId(const LiveWindow& control)
{
    return control.id() >= 1 && control.id() != IDC_STATIC_FFFF;
}

QAccessible::Role ExpectedRole(const LiveWindow& control)
{
    switch (control.kind()) {
    case WindowKind::Button:
        switch (control.style() & BS_TYPEMASK) {
        case BS_CHECKBOX:
        case BS_AUTOCHECKBOX: return QAccessible::CheckBox;
        case BS_RADIOBUTTON:
        case BS_AUTORADIOBUTTON: return QAccessible::RadioButton;
        case BS_GROUPBOX: return QAccessible::Grouping;
        default: return QAccessible::PushButton;
        }
    case WindowKind::Edit: return QAccessible::EditableText;
    case WindowKind::ListBox: return QAccessible::List;
    case WindowKind::ComboBox: return QAccessible::ComboBox;
    default: return QAccessible::NoRole;   // static text, icons and lines: not checked
    }
}

// The letter after a single '&' in a caption, or 0.
char Mnemonic(const std::string& text)
{
    for (size_t at = 0; at + 1 < text.size(); ++at) {
        if (text[at] == '&' && text[at + 1] == '&')
            ++at;
        else if (text[at] == '&')
            return static_cast<char>(std::toupper(static_cast<unsigned char>(text[at + 1])));
    }
    return 0;
}

bool Usable(const LiveWindow& control)
{
    return control.IsWindowVisible() && control.IsWindowEnabled();
}

// The control a mnemonic leads to: a button itself, a label the next tab stop after it.
LiveWindow* MnemonicTarget(LiveWindow& control)
{
    if (control.kind() != WindowKind::Static)
        return &control;
    bool after = false;
    for (const auto& sibling : control.parent()->children()) {
        if (after && (sibling->style() & WS_TABSTOP))
            return sibling.get();
        after = after || sibling.get() == &control;
    }
    return nullptr;
}

class DialogAccess : public ::testing::TestWithParam<uint32_t> {
protected:
    // Runs the bare dialog of the template (its controls in their template state) for `check`.
    void WithDialog(const std::function<void(HelpDialog&)>& check)
    {
        HelpDialog dialog(GetParam(), nullptr);
        // The check ends the run itself: it may wait for an animated click, and a later step
        // would run inside that wait.
        PlayJourney(host, {[&] { WaitUntilActive(host, dialog); },
                           [&] {
                               check(dialog);
                               host.DialogWidget(dialog)->reject();
                           }},
                    [&] { return dialog.DoModal(); });
    }

    const std::vector<std::unique_ptr<LiveWindow>>& Controls(HelpDialog& dialog)
    {
        return dialog.GetSafeHwnd()->children();
    }

    TempSystemDir systemDir;
    JourneyHost host;
};

TEST_P(DialogAccess, EveryControlHasANameADescriptionAndItsRole)
{
    WithDialog([&](HelpDialog& dialog) {
        for (const auto& control : Controls(dialog)) {
            QWidget* widget = host.Widget(control.get());
            const QAccessible::Role role = ExpectedRole(*control);
            if (!widget || role == QAccessible::NoRole)
                continue;
            SCOPED_TRACE("control " + std::to_string(control->id()) + " \"" + control->text() + "\"");
            QAccessibleInterface* access = QAccessible::queryAccessibleInterface(widget);
            ASSERT_TRUE(access);
            EXPECT_EQ(access->role(), role);
            const QString name = access->text(QAccessible::Name);
            EXPECT_FALSE(name.isEmpty());
            EXPECT_FALSE(name.contains('&')) << name.toStdString();
            if (!HasId(*control))
                continue;
            const HelpTopic* topic =
                host.helpLibrary().FindTopic(HelpContextId(dialog.templateId(), control->id()));
            ASSERT_TRUE(topic) << "no help topic";
            EXPECT_EQ(access->text(QAccessible::Description), TopicPlainText(*topic));
        }
    });
}

TEST_P(DialogAccess, TabVisitsTheTabStopsInTemplateOrder)
{
    WithDialog([&](HelpDialog& dialog) {
        std::vector<QWidget*> expected;
        for (const auto& control : Controls(dialog))
            if ((control->style() & WS_TABSTOP) && Usable(*control))
                expected.push_back(host.Widget(control.get()));
        ASSERT_FALSE(expected.empty());
        const auto at = std::find(expected.begin(), expected.end(), QApplication::focusWidget());
        ASSERT_NE(at, expected.end()) << "the focus starts on a tab stop";
        std::rotate(expected.begin(), at, expected.end());
        for (size_t step = 1; step <= expected.size(); ++step) {
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
            EXPECT_EQ(QApplication::focusWidget(), expected[step % expected.size()]) << "after Tab " << step;
        }
    });
}

TEST_P(DialogAccess, EveryMnemonicIsUniqueAndReachesItsControl)
{
    WithDialog([&](HelpDialog& dialog) {
        std::map<char, int> letters;
        for (const auto& control : Controls(dialog)) {
            const char letter = Mnemonic(control->text());
            if (!letter || !control->IsWindowVisible())
                continue;
            ++letters[letter];
            LiveWindow* target = MnemonicTarget(*control);
            if (!target || !Usable(*target) || target->id() == ID_HELP)
                continue;
            SCOPED_TRACE(std::string("Alt+") + letter + " of \"" + control->text() + "\"");
            QWidget* widget = host.Widget(target);
            ASSERT_TRUE(widget);
            auto* button = qobject_cast<QAbstractButton*>(widget);
            std::unique_ptr<QSignalSpy> clicks;
            if (button)
                clicks = std::make_unique<QSignalSpy>(button, &QAbstractButton::clicked);
            QTest::keyClick(host.DialogWidget(dialog), static_cast<Qt::Key>(Qt::Key_A + (letter - 'A')),
                            Qt::AltModifier);
            // A push button is pressed where the focus is; anything else takes the focus. A
            // label's letter only moves the focus, to a button too (a press would show it down).
            const bool viaLabel = target != control.get();
            if (viaLabel || !button || button->isCheckable() || qobject_cast<QCheckBox*>(button) ||
                qobject_cast<QRadioButton*>(button)) {
                EXPECT_EQ(QApplication::focusWidget(), widget);
            }
            if (button && viaLabel) {
                EXPECT_FALSE(button->isDown()) << "a label's letter pressed the button after it";
                EXPECT_TRUE(clicks->empty());
            } else if (button) {
                EXPECT_TRUE(!clicks->empty() || clicks->wait(1000)) << "the button is pressed";
            }
        }
        for (const auto& [letter, count] : letters)
            EXPECT_EQ(count, 1) << "Alt+" << letter << " is used " << count << " times";
    });
}

// F1 from the keyboard shows the topic beside the control it describes, not where the mouse is.
TEST(HelpPopup, F1ShowsTheTopicJustBelowTheFocusedControl)
{
    TempSystemDir systemDir;
    JourneyHost host;
    host.showHelp = true;
    HelpDialog dialog(IDD_SERVER, nullptr);
    PlayJourney(host, {[&] { WaitUntilActive(host, dialog); },
                       [&] {
                           QWidget* name = host.Control(IDC_SERVER_NAME);
                           ASSERT_TRUE(name);
                           QCursor::setPos(host.DialogWidget(dialog)->frameGeometry().bottomRight() + QPoint(50, 50));
                           name->setFocus();
                           QTest::keyClick(name, Qt::Key_F1);
                           QWidget* popup = nullptr;
                           for (QWidget* window : QApplication::topLevelWidgets())
                               if (window->isVisible() && window->inherits("QWhatsThat"))
                                   popup = window;
                           ASSERT_TRUE(popup) << "no popup is shown";
                           const QRect control(name->mapToGlobal(QPoint(0, 0)), name->size());
                           const QRect shown = popup->frameGeometry();
                           EXPECT_GE(shown.top(), control.bottom());
                           EXPECT_LE(shown.top(), control.bottom() + 32);
                           EXPECT_TRUE(shown.left() <= control.right() && shown.right() >= control.left())
                               << "the popup stands under the control";
                           QWhatsThis::hideText();
                           host.DialogWidget(dialog)->reject();
                       }},
                [&] { return dialog.DoModal(); });
}

INSTANTIATE_TEST_SUITE_P(AllDialogs, DialogAccess,
                         ::testing::Values(IDD_SERVER_LIST, IDD_SERVER, IDD_GLOBAL_OPTIONS, IDD_LPR_QUEUE,
                                           IDD_STREAM_QUEUE));

}   // namespace
