// SPDX-License-Identifier: GPL-2.0-or-later
#include "ui/qt/start_up_guard.h"

#include <QByteArray>
#include <QString>
#include <QtGlobal>

#include <mutex>
#include <vector>

namespace {

struct HeldMessage {
    QtMsgType type;
    QByteArray category;
    QString text;
};

// Qt's handler is one function for the whole process, so the guard's state is too; Qt's own
// threads may write while the QApplication is being made.
std::mutex g_mutex;
StartUpGuard::CannotStart g_cannotStart = nullptr;
QtMessageHandler g_previous = nullptr;
std::vector<HeldMessage> g_held;

void Hold(QtMsgType type, const QMessageLogContext& context, const QString& text)
{
    std::unique_lock lock(g_mutex);
    if (type != QtFatalMsg) {
        g_held.push_back({type, QByteArray(context.category), text});
        return;
    }
    // The first message says what went wrong ("could not connect to display :99"); the fatal one
    // says only that no plugin started, in several lines.
    const QString why = g_held.empty() ? text.section(QLatin1Char('\n'), 0, 0) : g_held.front().text;
    const StartUpGuard::CannotStart cannotStart = g_cannotStart;
    lock.unlock();
    cannotStart(why.toStdString());
}

}   // namespace

StartUpGuard::StartUpGuard(CannotStart cannotStart)
{
    if (!cannotStart)
        return;
    const std::scoped_lock lock(g_mutex);
    g_cannotStart = cannotStart;
    g_held.clear();
    g_previous = qInstallMessageHandler(Hold);
}

StartUpGuard::~StartUpGuard()
{
    std::vector<HeldMessage> held;
    QtMessageHandler previous = nullptr;
    {
        const std::scoped_lock lock(g_mutex);
        if (!g_cannotStart)
            return;
        (void)qInstallMessageHandler(g_previous);
        previous = g_previous;
        held.swap(g_held);
        g_cannotStart = nullptr;
    }
    for (const HeldMessage& message : held) {
        const QMessageLogContext context(nullptr, 0, nullptr, message.category.constData());
        previous(message.type, context, message.text);
    }
}
