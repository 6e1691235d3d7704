// SPDX-License-Identifier: GPL-2.0-or-later
// The five dialogs as windows: every control as its kind of widget, at its template rectangle in
// pixels of the dialog font, in its template state; the window sized and placed as the model says.
#include <QCheckBox>
#include <QComboBox>
#include <QDialog>
#include <QFrame>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QStyle>
#include <QStyleOptionButton>
#include <gtest/gtest.h>
#include <cstdlib>
#include <functional>
#include <utility>
#include <vector>

#include "res/window_styles.h"
#include "tests/support/qt/qt_test_support.h"
#include "tests/support/temp_system_dir.h"
#include "ui/base/help_dialog.h"
#include "ui/qt/dialog_units.h"
#include "ui/qt/qt_text.h"

namespace {

// The widget class each kind of control must become.
bool IsExpectedWidget(const LiveWindow& window, QWidget* widget)
{
    const uint32_t type = window.style() & BS_TYPEMASK;
    switch (window.kind()) {
    case WindowKind::Edit:
        return qobject_cast<QLineEdit*>(widget);
    case WindowKind::ListBox:
        return qobject_cast<QListWidget*>(widget);
    case WindowKind::ComboBox:
        return qobject_cast<QComboBox*>(widget);
    case WindowKind::Button:
        if (type == BS_GROUPBOX)
            return qobject_cast<QGroupBox*>(widget);
        if (type == BS_AUTOCHECKBOX || type == BS_CHECKBOX)
            return qobject_cast<QCheckBox*>(widget);
        if (type == BS_AUTORADIOBUTTON || type == BS_RADIOBUTTON)
            return qobject_cast<QRadioButton*>(widget) && !qobject_cast<QRadioButton*>(widget)->autoExclusive();
        return qobject_cast<QPushButton*>(widget) && !qobject_cast<QPushButton*>(widget)->autoDefault();
    case WindowKind::Static:
        if ((window.style() & SS_TYPEMASK) == SS_ICON)
            return !qobject_cast<QLabel*>(widget) && !qobject_cast<QFrame*>(widget);
        if ((window.style() & SS_TYPEMASK) == SS_ETCHEDHORZ) {
            auto* frame = qobject_cast<QFrame*>(widget);
            return frame && frame->frameShape() == QFrame::HLine && frame->frameShadow() == QFrame::Sunken;
        }
        return qobject_cast<QLabel*>(widget);
    default:
        return false;
    }
}

class DialogLayout : public ::testing::TestWithParam<uint32_t> {
protected:
    TempSystemDir systemDir;
    RecordingQtHost host;
    Watchdog watchdog{host};
};

TEST_P(DialogLayout, EveryControlStandsAtItsTemplateRectangleInItsTemplateState)
{
    HelpDialog dialog(GetParam(), nullptr);
    Script script({[&] {
        QDialog* window = host.DialogWidget(dialog);
        ASSERT_TRUE(window);
        const DialogTemplate& dialogTemplate = *dialog.dialogTemplate();
        EXPECT_EQ(window->windowTitle(), QString::fromLatin1(dialogTemplate.caption));
        EXPECT_EQ(window->size(), ToQRect(host.MapDialogRect(dialog, {0, 0, dialogTemplate.cx, dialogTemplate.cy})).size());
        // Every dialog gets the caption's help button when it starts.
        EXPECT_TRUE(window->windowFlags() & Qt::WindowContextHelpButtonHint);

        const auto& controls = dialog.GetSafeHwnd()->children();
        ASSERT_EQ(controls.size(), dialogTemplate.controls.size());
        for (size_t i = 0; i < controls.size(); ++i) {
            const LiveWindow& control = *controls[i];
            const ControlTemplate& expected = dialogTemplate.controls[i];
            SCOPED_TRACE(testing::Message() << "control " << i << " (id " << expected.id << ")");
            QWidget* widget = host.Widget(controls[i].get());
            ASSERT_TRUE(widget);
            EXPECT_TRUE(IsExpectedWidget(control, widget)) << widget->metaObject()->className();
            const QRect place = ToQRect(host.MapDialogRect(dialog, control.dialogUnitRect()));
            // A label that starts a row of buttons reaches down to their height, to centre its text as they do.
            if (qobject_cast<QLabel*>(widget) && widget->height() > place.height())
                EXPECT_EQ(widget->geometry().topLeft(), place.topLeft());
            else
                EXPECT_EQ(widget->geometry(), place);
            EXPECT_EQ(widget->isHidden(), (expected.style & WS_VISIBLE) == 0);
            EXPECT_EQ(widget->isEnabled(), (expected.style & WS_DISABLED) == 0);
            if (auto* button = qobject_cast<QPushButton*>(widget)) {
                EXPECT_EQ(button->isDefault(), (expected.style & BS_TYPEMASK) == BS_DEFPUSHBUTTON);
            }
        }
        // Placed by the model: centred across the desktop, one third down.
        const Rect desktop = host.DesktopRect();
        const QRect frame = window->frameGeometry();
        EXPECT_EQ(frame.left(), desktop.left + (desktop.width() - frame.width()) / 2);
        EXPECT_EQ(frame.top(), desktop.top + (desktop.height() - frame.height()) / 3);
    },
                   [&] { host.DialogWidget(dialog)->close(); }});
    EXPECT_EQ(dialog.DoModal(), IDCANCEL);
    EXPECT_TRUE(script.finished());
}

INSTANTIATE_TEST_SUITE_P(AllTemplates, DialogLayout, ::testing::Values(102u, 120u, 129u, 133u, 136u));

TEST(DialogLayoutDetails, LabelsLeadToTheirFieldsAndEveryControlCarriesItsHelp)
{
    TempSystemDir systemDir;
    RecordingQtHost host;
    Watchdog watchdog{host};
    HelpDialog dialog(102, nullptr);
    Script script({[&] {
        QWidget* list = ControlWidget(host, dialog, IDC_MAIN_SERVER_LIST);
        QLabel* servers = nullptr;
        for (QLabel* candidate : host.DialogWidget(dialog)->findChildren<QLabel*>())
            if (candidate->text() == "&Servers and Printers:")
                servers = candidate;
        ASSERT_TRUE(servers);
        EXPECT_EQ(servers->buddy(), list);
        EXPECT_EQ(list->accessibleName(), "Servers and Printers:");
        // A label without a field to lead to shows its text without the marker.
        for (QLabel* candidate : host.DialogWidget(dialog)->findChildren<QLabel*>())
            EXPECT_FALSE(!candidate->buddy() && candidate->text().contains('&')) << candidate->text().toStdString();

        const HelpTopic* topic = host.helpLibrary().FindTopic(HelpContextId(102, IDC_MAIN_SERVER_LIST));
        ASSERT_TRUE(topic) << "the help file was not found beside the test program";
        EXPECT_TRUE(list->whatsThis().contains(QString::fromStdString(topic->title)));
        EXPECT_TRUE(list->accessibleDescription().contains(QString::fromStdString(topic->title)));
        EXPECT_EQ(ControlWidget(host, dialog, IDC_MAIN_ADD)->accessibleName(), "Add...");
    },
                   [&] { host.DialogWidget(dialog)->close(); }});
    dialog.DoModal();
    EXPECT_TRUE(script.finished());
}

// The first row of `widget` as drawn, from the top, where a pixel of columns [left, right) is not
// the window's background: a frame's line or the top of a caption's letters. In the dialog's
// coordinates, in the screen's pixels (twice Qt's at double scale); -1 when there is none.
int FirstInkRow(QWidget& widget, int left, int right)
{
    const QImage image = widget.grab().toImage();
    const double scale = image.devicePixelRatio();
    const QRgb background = widget.palette().color(QPalette::Window).rgb();
    const int from = std::max(static_cast<int>(left * scale), 0);
    const int to = std::min(static_cast<int>(right * scale), image.width());
    for (int y = 0; y < image.height(); ++y)
        for (int x = from; x < to; ++x)
            if (image.pixel(x, y) != background)
                return static_cast<int>(widget.y() * scale) + y;
    return -1;
}

TEST(DialogLayoutDetails, GroupFramesClearTheirControlsAndRowLabelsLineUpWithTheirBoxes)
{
    TempSystemDir systemDir;
    RecordingQtHost host;
    Watchdog watchdog{host};
    const auto check = [&](uint32_t templateId, const std::function<void(HelpDialog&)>& body) {
        HelpDialog dialog(templateId, nullptr);
        Script script({[&] { body(dialog); }, [&] { host.DialogWidget(dialog)->close(); }});
        dialog.DoModal();
        EXPECT_TRUE(script.finished());
    };
    check(IDD_SERVER, [&](HelpDialog& dialog) {
        for (const auto& [group, inside] : {std::pair{IDC_SERVER_STREAM_GROUP, std::vector{IDC_SERVER_STREAM_LIST, IDC_SERVER_STREAM_ADD}},
                                            std::pair{IDC_SERVER_LPR_GROUP, std::vector{IDC_SERVER_LPR_LIST, IDC_SERVER_LPR_ADD}}}) {
            QWidget* frame = ControlWidget(host, dialog, group);
            // On the right, clear of the caption: the frame's top line.
            const int line = FirstInkRow(*frame, frame->width() - 12, frame->width() - 8);
            ASSERT_GE(line, 0);
            const double scale = frame->devicePixelRatio();
            for (const int id : inside) {
                SCOPED_TRACE("control " + std::to_string(id) + " in group " + std::to_string(group));
                EXPECT_LT(line + scale, ControlWidget(host, dialog, id)->y() * scale) << "the frame line runs along its top";
            }
        }
    });
    check(IDD_GLOBAL_OPTIONS, [&](HelpDialog& dialog) {
        for (const auto& [label, box] : {std::pair{IDC_OPTIONS_OWNER_LABEL, IDC_OPTIONS_OWNER_READ},
                                         std::pair{IDC_OPTIONS_GROUP_LABEL, IDC_OPTIONS_GROUP_READ},
                                         std::pair{IDC_OPTIONS_WORLD_LABEL, IDC_OPTIONS_WORLD_READ}}) {
            SCOPED_TRACE("label " + std::to_string(label));
            QWidget* caption = ControlWidget(host, dialog, label);
            auto* check = qobject_cast<QCheckBox*>(ControlWidget(host, dialog, box));
            ASSERT_TRUE(check);
            QStyleOptionButton option;
            option.initFrom(check);
            option.text = check->text();
            const QRect text = check->style()->subElementRect(QStyle::SE_CheckBoxContents, &option, check);
            const int labelTop = FirstInkRow(*caption, 0, caption->width());
            const int boxTop = FirstInkRow(*check, text.left(), text.right());
            // Capital letters both ("Owner:", "Read"); a round one may overshoot by a pixel.
            EXPECT_LE(std::abs(labelTop - boxTop), 1) << "label letters at " << labelTop << ", the box's at " << boxTop;
        }
    });
}

TEST(DialogUnits, EachEdgeIsConvertedAndRoundedHalfAwayFromZero)
{
    // "MS Sans Serif" 8 pt at 96 dpi: letters 6 pixels wide on average, lines 13 pixels high.
    const DialogBaseUnits units{6 * 52, 13};
    EXPECT_EQ(DialogUnitsToPixels({0, 0, 297, 215}, units), (Rect{0, 0, 446, 349}));
    EXPECT_EQ(DialogUnitsToPixels({5, 66, 288, 67}, units), (Rect{8, 107, 432, 109}));
    EXPECT_EQ(DialogUnitsToPixels({-5, -3, 1, 4}, units), (Rect{-8, -5, 2, 7}));
    // A fractional average letter width is kept, not rounded away: 7.4 pixels, not 7.
    EXPECT_EQ(DialogUnitsToPixels({0, 0, 285, 19}, {385, 14}), (Rect{0, 0, 528, 33}));
}

}   // namespace
