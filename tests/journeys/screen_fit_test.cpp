// SPDX-License-Identifier: GPL-2.0-or-later
// Every dialog and the help window stand inside the screen, and the controls inside their dialog,
// with their captions fitting, in English and in German; ctest runs this again at twice the scale
// on screens of 2560 x 1600 and 1280 x 800 pixels.
#include <QAbstractButton>
#include <QDialog>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QStyle>
#include <QScreen>
#include <gtest/gtest.h>

#include <optional>
#include <string>
#include <tuple>

#include "res/resource_ids.h"
#include "tests/support/qt/journey_support.h"
#include "tests/support/temp_system_dir.h"
#include "tests/support/test_language.h"
#include "ui/base/help_dialog.h"
#include "ui/base/live_window.h"
#include "ui/qt/help_window.h"
#include "ui/qt/qt_text.h"

namespace {

std::string Describe(const QRect& rect)
{
    return std::to_string(rect.x()) + "," + std::to_string(rect.y()) + " " + std::to_string(rect.width()) + "x" +
           std::to_string(rect.height());
}

// Why the caption of a push button, a check box, a radio button or a label, measured in the widget's
// own font, does not fit; empty when it does.
std::string CaptionOverflow(const QWidget& widget)
{
    QString text;
    int room = widget.width();
    if (auto* button = qobject_cast<const QPushButton*>(&widget)) {
        text = button->text();
        room -= 4;   // the frame's inner margin
    } else if (auto* check = qobject_cast<const QAbstractButton*>(&widget)) {
        text = check->text();
        const bool radio = qobject_cast<const QRadioButton*>(&widget);
        room -= widget.style()->pixelMetric(radio ? QStyle::PM_ExclusiveIndicatorWidth : QStyle::PM_IndicatorWidth,
                                            nullptr, &widget) +
                widget.style()->pixelMetric(radio ? QStyle::PM_RadioButtonLabelSpacing : QStyle::PM_CheckBoxLabelSpacing,
                                            nullptr, &widget);
    } else if (auto* label = qobject_cast<const QLabel*>(&widget)) {
        // Broken into lines at blanks, the text must keep to the label's width and height.
        const QRect lines = widget.fontMetrics().boundingRect(QRect(0, 0, widget.width(), 0xFFFF),
                                                             Qt::AlignLeft | Qt::TextWordWrap,
                                                             WithoutMnemonic(label->text()));
        if (lines.width() <= widget.width() && lines.height() <= widget.height())
            return {};
        return std::to_string(lines.width()) + " x " + std::to_string(lines.height()) + " pixels in " +
               std::to_string(widget.width()) + " x " + std::to_string(widget.height());
    } else {
        return {};
    }
    const int needed = widget.fontMetrics().horizontalAdvance(WithoutMnemonic(text));
    return needed <= room ? std::string() : std::to_string(needed) + " pixels in " + std::to_string(room);
}

// A dialog, in English or in a language of the catalogs: the rectangles are the template's in
// every language, so a translation has to fit them.
class ScreenFit : public ::testing::TestWithParam<std::tuple<uint32_t, std::string>> {};

TEST_P(ScreenFit, DialogAndControlsStandInsideTheScreenWithRoomForTheirCaptions)
{
    const auto& [templateId, language] = GetParam();
    const std::optional<ScopedLanguage> translated =
        language.empty() ? std::nullopt : std::optional<ScopedLanguage>(std::in_place, language);
    TempSystemDir systemDir;
    JourneyHost host;
    HelpDialog dialog(templateId, nullptr);
    PlayJourney(host, {[&] {
                          QDialog* window = host.DialogWidget(dialog);
                          ASSERT_TRUE(window);
                          const QRect screen = window->screen()->availableGeometry();
                          EXPECT_TRUE(screen.contains(window->frameGeometry()))
                              << Describe(window->frameGeometry()) << " on " << Describe(screen);
                          for (const auto& control : dialog.GetSafeHwnd()->children()) {
                              QWidget* widget = host.Widget(control.get());
                              if (!widget || !control->IsWindowVisible())
                                  continue;
                              SCOPED_TRACE("control " + std::to_string(control->id()) + " \"" + control->text() + "\"");
                              EXPECT_TRUE(window->rect().contains(widget->geometry())) << Describe(widget->geometry());
                              EXPECT_EQ(CaptionOverflow(*widget), "");
                          }
                      },
                       [&] { host.DialogWidget(dialog)->reject(); }},
                [&] { return dialog.DoModal(); });
}

TEST(HelpWindowFit, StandsInsideTheScreenOfTheDialogItExplains)
{
    TempSystemDir systemDir;
    JourneyHost host;
    HelpDialog dialog(IDD_SERVER, nullptr);
    PlayJourney(host, {[&] { host.Click(ID_HELP); },
                       [&] {
                           const QWidget* help = host.helpWindow();
                           ASSERT_TRUE(help && help->isVisible());
                           const QRect screen = host.DialogWidget(dialog)->screen()->availableGeometry();
                           EXPECT_TRUE(screen.contains(help->frameGeometry()))
                               << Describe(help->frameGeometry()) << " on " << Describe(screen);
                           host.QuitHelp();
                           host.DialogWidget(dialog)->reject();
                       }},
                [&] { return dialog.DoModal(); });
}

INSTANTIATE_TEST_SUITE_P(AllDialogs, ScreenFit,
                         ::testing::Combine(::testing::Values(IDD_SERVER_LIST, IDD_SERVER, IDD_GLOBAL_OPTIONS,
                                                              IDD_LPR_QUEUE, IDD_STREAM_QUEUE),
                                            ::testing::Values(std::string(), std::string("de"))));

}   // namespace
