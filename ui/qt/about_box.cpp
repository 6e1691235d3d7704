// SPDX-License-Identifier: GPL-2.0-or-later
#include "ui/qt/about_box.h"

#include <QApplication>
#include <QMessageBox>
#include <QPixmap>

#include "platform/about_box.h"
#include "ui/base/format_string.h"
#include "ui/base/message_box.h"
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
    const std::string name = LoadString(IDS_APP_TITLE);
    QMessageBox box(parent);
    box.setWindowTitle(ToQString(AfxFormatString2(IDS_ABOUT_CAPTION, name, "")));
    box.setIconPixmap(IconResource(iconResource).pixmap(kIconPixels, kIconPixels));
    box.setTextFormat(Qt::RichText);
    const std::string heading = "<b>" + FromQString(ToQString(name).toHtmlEscaped()) + "</b>";
    box.setText(ToQString(AfxFormatString2(IDS_ABOUT_VERSION, heading, FromQString(version.toHtmlEscaped()))));
    box.setInformativeText(ToQString(LoadString(IDS_ABOUT_DESCRIPTION)));
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
