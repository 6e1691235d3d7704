// SPDX-License-Identifier: GPL-2.0-or-later
#include "ui/qt/qt_application.h"

#include <QApplication>
#include <QLibraryInfo>
#include <QTranslator>

#include <optional>

#include "res/resource_ids.h"
#include "res/translation.h"
#include "ui/base/message_box.h"
#include "ui/qt/app_icon.h"
#include "ui/qt/qt_host.h"
#include "ui/qt/qt_text.h"

int RunWithQtHost(int argc, char** argv, const std::function<int()>& body, StartUpGuard::CannotStart cannotStart)
{
    // QApplication keeps a reference to the count for its whole life, which this frame outlives.
    int count = argc;
    std::optional<StartUpGuard> guard(std::in_place, cannotStart);
    QApplication application(count, argv);
    guard.reset();
    // Qt's own texts (the buttons of a message box, an edit field's menu) in the language of the
    // program's catalog, so that one window never mixes two languages.
    QTranslator qtTexts;
    if (const std::string language = TranslationLanguage(); !language.empty()
        && qtTexts.load(QStringLiteral("qtbase_") + QString::fromStdString(language),
                        QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        QApplication::installTranslator(&qtTexts);
    QApplication::setApplicationName(QStringLiteral("norvane"));
    QApplication::setApplicationDisplayName(ToQString(LoadString(IDS_APP_TITLE)));
    QApplication::setWindowIcon(IconResource(IDI_NORVANE));
    // Dialogs end through the model, never because their last window closed.
    QApplication::setQuitOnLastWindowClosed(false);
    QtHost host;
    const HostScope scope(host);
    return body();
}
