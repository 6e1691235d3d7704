// SPDX-License-Identifier: GPL-2.0-or-later
#include "tests/support/qt/journey_support.h"

#include <QAbstractButton>
#include <QApplication>
#include <QListWidget>
#include <QTest>
#include <chrono>
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
        TypeText(widget, text);
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

int PlayJourney(JourneyHost& host, std::vector<std::function<void()>> steps, const std::function<int()>& run,
                std::chrono::milliseconds interval)
{
    Watchdog watchdog(host, std::chrono::seconds(20));
    const Script script(std::move(steps), interval, &host);
    const int result = run();
    EXPECT_TRUE(script.finished()) << "the dialogs closed before the journey's last step";
    return result;
}
