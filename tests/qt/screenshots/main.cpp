// Opens each of the five dialogs on the Qt host and saves what it shows as
// <directory>/<template id>-<name>.png. Run under a real X server by scripts/screenshots.sh.
#include <QApplication>
#include <QDialog>
#include <QDir>
#include <QTimer>
#include <cstdio>

#include "res/resource_ids.h"
#include "ui/base/help_dialog.h"
#include "ui/qt/app_icon.h"
#include "ui/qt/qt_host.h"

namespace {

struct Shot {
    uint32_t templateId;
    const char* name;
};

constexpr Shot kShots[] = {
    {IDD_SERVER_LIST, "servers-and-printers"}, {IDD_SERVER, "server"},       {IDD_GLOBAL_OPTIONS, "global-options"},
    {IDD_LPR_QUEUE, "lpr-queue"},              {IDD_STREAM_QUEUE, "stream-queue"},
};

// Some content, so that lists and fields show how they look in use.
class ShowcaseDialog : public HelpDialog {
public:
    using HelpDialog::HelpDialog;

protected:
    BOOL OnInitDialog() override
    {
        HelpDialog::OnInitDialog();
        SetIcon(IDI_NORVANE, true);
        SetIcon(IDI_NORVANE, false);
        ListBoxControl list;
        list.Attach(GetDlgItem(templateId() == IDD_SERVER_LIST ? IDC_MAIN_SERVER_LIST : IDC_SERVER_LPR_LIST));
        for (const char* name : {"fileserver", "printhost", "archive"})
            (void)list.AddString(name);
        return TRUE;
    }
};

bool Save(QtHost& host, uint32_t templateId, const QString& path)
{
    ShowcaseDialog dialog(templateId, nullptr);
    bool saved = false;
    // Once the window is on screen and painted, grab it and close it.
    QTimer::singleShot(300, [&] {
        if (QDialog* window = host.DialogWidget(dialog)) {
            saved = window->grab().save(path);
            window->close();
        }
    });
    dialog.DoModal();
    return saved;
}

}   // namespace

int main(int argc, char** argv)
{
    QApplication application(argc, argv);
    QApplication::setWindowIcon(IconResource(IDI_NORVANE));
    const QString directory = argc > 1 ? QString::fromLocal8Bit(argv[1]) : QStringLiteral("docs/screenshots");
    if (!QDir().mkpath(directory)) {
        std::fprintf(stderr, "norvane_screenshots: cannot create %s\n", qPrintable(directory));
        return 1;
    }
    QtHost host;
    const HostScope scope(host);
    int failures = 0;
    for (const Shot& shot : kShots) {
        const QString path = QStringLiteral("%1/%2-%3.png").arg(directory).arg(shot.templateId).arg(shot.name);
        if (Save(host, shot.templateId, path)) {
            std::printf("%s\n", qPrintable(path));
        } else {
            std::fprintf(stderr, "norvane_screenshots: could not save %s\n", qPrintable(path));
            ++failures;
        }
    }
    return failures == 0 ? 0 : 1;
}
