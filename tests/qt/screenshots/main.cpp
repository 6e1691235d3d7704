// SPDX-License-Identifier: GPL-2.0-or-later
// Opens each of the five dialogs on the Qt host, on a sample configuration, and saves what it shows
// as <directory>/<template id>-<name>.png. Run under a real X server by scripts/screenshots.sh.
#include <QApplication>
#include <QDialog>
#include <QDir>
#include <QTemporaryDir>
#include <QTimer>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <functional>

#include "config/server_file.h"
#include "res/resource_ids.h"
#include "ui/global_options_dialog.h"
#include "ui/lpr_queue_dialog.h"
#include "ui/qt/app_icon.h"
#include "ui/qt/qt_host.h"
#include "ui/server_dialog.h"
#include "ui/server_list_dialog.h"
#include "ui/stream_queue_dialog.h"

namespace {

// What an administrator's file might hold: servers with both kinds of queue and set options.
constexpr char kSampleProfile[] =
    "[ServerList]\r\nServer1=fileserver,1,1,1,1\r\nServer2=printhost,0,1,1,0\r\nServer3=archive,1,0,0,0\r\n"
    "NumServers=3\r\n\r\n[StreamQueues]\r\nfileserverStreamDefaultQueue=1\r\nfileserverQueue1=9100,1\r\n"
    "fileserverQueue2=515,0\r\nfileserverNumQueues=2\r\nprinthostStreamDefaultQueue=1\r\n"
    "printhostQueue1=9100,1\r\nprinthostNumQueues=1\r\n\r\n[LPRQueues]\r\nfileserverQueue1=laser,f,operator,Print room\r\n"
    "fileserverQueue2=plotter,g,operator,Drawing office\r\nfileserverNumQueues=2\r\n\r\n[GlobalOptions]\r\n"
    "Warnings=1\r\n\r\n[Auth]\r\nUserName=operator\r\n\r\n[Semantics]\r\nFileProtStyle=488\r\n";

// Runs `dialog` until it is on screen and painted, grabs it and closes it.
bool Save(QtHost& host, CDialog& dialog, const QString& path)
{
    bool saved = false;
    QTimer::singleShot(300, [&] {
        if (QDialog* window = host.DialogWidget(dialog)) {
            saved = window->grab().save(path);
            window->close();
        }
    });
    dialog.DoModal();
    return saved;
}

struct Shot {
    uint32_t templateId;
    const char* name;
    std::function<bool(QtHost&, const QString&)> take;
};

bool ShootMainWindow(QtHost& host, const QString& path)
{
    ServerListDialog dialog;
    return Save(host, dialog, path);
}

// The first server of the sample, as the main window hands it to its dialogs for Modify.
struct SampleServer {
    ServerList list = nullptr;
    SampleServer() { (void)LoadServerList(list); }
    ~SampleServer() { FreeServerList(list); }
};

bool ShootServer(QtHost& host, const QString& path)
{
    SampleServer sample;
    ServerDialog dialog;
    dialog.SetServerEntry(sample.list, 1);
    dialog.SetServerList(sample.list, sample.list);
    return Save(host, dialog, path);
}

bool ShootOptions(QtHost& host, const QString& path)
{
    GlobalOptionsDialog dialog;
    return Save(host, dialog, path);
}

bool ShootLprQueue(QtHost& host, const QString& path)
{
    SampleServer sample;
    LprQueueDialog dialog;
    dialog.SetLprQueueTarget(sample.list->lprQueues, sample.list->lprQueues);
    return Save(host, dialog, path);
}

bool ShootStreamQueue(QtHost& host, const QString& path)
{
    SampleServer sample;
    StreamQueueDialog dialog;
    dialog.SetStreamQueueTarget(sample.list->streamQueues, nullptr);
    return Save(host, dialog, path);
}

}   // namespace

int main(int argc, char** argv)
{
    QApplication application(argc, argv);
    QApplication::setWindowIcon(IconResource(IDI_NORVANE));
    const QString directory = argc > 1 ? QString::fromLocal8Bit(argv[1]) : QStringLiteral("docs/screenshots");
    QTemporaryDir systemDirectory;
    if (!QDir().mkpath(directory) || !systemDirectory.isValid()) {
        std::fprintf(stderr, "norvane_screenshots: cannot create %s or a temporary folder\n", qPrintable(directory));
        return 1;
    }
    setenv("NORVANE_SYSTEM_DIR", qPrintable(systemDirectory.path()), 1);
    std::ofstream(qPrintable(systemDirectory.filePath("kqnet.ini")), std::ios::binary) << kSampleProfile;

    QtHost host;
    const HostScope scope(host);
    const Shot shots[] = {
        {IDD_SERVER_LIST, "servers-and-printers", ShootMainWindow}, {IDD_SERVER, "server", ShootServer},
        {IDD_GLOBAL_OPTIONS, "global-options", ShootOptions},       {IDD_LPR_QUEUE, "lpr-queue", ShootLprQueue},
        {IDD_STREAM_QUEUE, "stream-queue", ShootStreamQueue},
    };
    int failures = 0;
    for (const Shot& shot : shots) {
        const QString path = QStringLiteral("%1/%2-%3.png").arg(directory).arg(shot.templateId).arg(shot.name);
        if (shot.take(host, path)) {
            std::printf("%s\n", qPrintable(path));
        } else {
            std::fprintf(stderr, "norvane_screenshots: could not save %s\n", qPrintable(path));
            ++failures;
        }
    }
    return failures == 0 ? 0 : 1;
}
