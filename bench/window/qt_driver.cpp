// SPDX-License-Identifier: GPL-2.0-or-later
#include "bench/window/qt_driver.h"

#include <QAbstractButton>
#include <QApplication>
#include <QEventLoop>
#include <QMessageBox>
#include <QTimer>

#include "bench/bench_profile.h"
#include "ui/base/dialog.h"
#include "ui/qt/dialog_view.h"
#include "ui/server_list_dialog.h"

double SecondsSince(Clock::time_point start)
{
    return std::chrono::duration<double>(Clock::now() - start).count();
}

void Settle()
{
    QEventLoop loop;
    QTimer::singleShot(0, &loop, &QEventLoop::quit);
    loop.exec();
}

void InNextRun(std::function<void()> body)
{
    QTimer::singleShot(0, [body = std::move(body)] {
        Settle();
        body();
    });
}

CDialog* RunningDialog(uint32_t templateId)
{
    for (QWidget* window : QApplication::topLevelWidgets()) {
        auto* view = qobject_cast<DialogView*>(window);
        if (view && view->isVisible() && view->dialog().templateId() == templateId)
            return &view->dialog();
    }
    return nullptr;
}

QWidget* Control(QtHost& host, uint32_t templateId, int id)
{
    CDialog* dialog = RunningDialog(templateId);
    return dialog ? host.Widget(dialog->GetDlgItem(id)) : nullptr;
}

void Click(QtHost& host, uint32_t templateId, int id)
{
    if (auto* button = qobject_cast<QAbstractButton*>(Control(host, templateId, id)))
        button->click();
}

QMessageBox* MessageBoxInFront()
{
    for (QWidget* window : QApplication::topLevelWidgets()) {
        if (auto* box = qobject_cast<QMessageBox*>(window); box && box->isVisible())
            return box;
    }
    return nullptr;
}

void WithMainWindow(const std::function<void(QtHost&)>& body)
{
    KnownNames names;
    QtHost host;
    const HostScope scope(host);
    ServerListDialog dialog;
    QTimer::singleShot(0, [&] {
        Settle();
        body(host);
        if (!dialog.IsEnded())
            host.AbandonRuns();
    });
    (void)dialog.DoModal();
}
