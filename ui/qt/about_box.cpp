#include "ui/qt/about_box.h"

#include <QApplication>
#include <QMessageBox>
#include <QPixmap>

#include "platform/about_box.h"
#include "ui/qt/app_icon.h"
#include "ui/qt/qt_host.h"
#include "ui/qt/qt_text.h"

namespace {

constexpr int kIconPixels = 64;

// The window of `owner` when the Qt host renders it, else whichever window is active.
QWidget* OwnerWidget(HWND owner)
{
    auto* host = dynamic_cast<QtHost*>(CurrentHost());
    QWidget* widget = host && owner ? host->Widget(owner) : nullptr;
    return widget ? widget->window() : QApplication::activeWindow();
}

void ShowAboutBox(const QString& version, HWND owner, uint32_t iconResource)
{
    QWidget* parent = OwnerWidget(owner);
    const QString name = QGuiApplication::applicationDisplayName();
    QMessageBox box(parent);
    box.setWindowTitle(QObject::tr("About %1").arg(name));
    box.setIconPixmap(IconResource(iconResource).pixmap(kIconPixels, kIconPixels));
    box.setTextFormat(Qt::RichText);
    box.setText(QObject::tr("<b>%1</b> version %2").arg(name.toHtmlEscaped(), version.toHtmlEscaped()));
    box.setInformativeText(QObject::tr("Keeps the list of NFS servers with their print queues, and the options of "
                                       "every NFS connection, in the configuration that the NFS client and "
                                       "network printing component reads."));
    box.setStandardButtons(QMessageBox::Ok);
    box.exec();
}

}   // namespace

void InstallAboutBox(std::string_view version)
{
    (void)SetAboutBoxPresenter([version = ToQString(version)](AboutBoxOwner owner, uint32_t iconResource) {
        ShowAboutBox(version, static_cast<HWND>(owner), iconResource);
    });
}
