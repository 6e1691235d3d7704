// SPDX-License-Identifier: GPL-2.0-or-later
#include "ui/qt/system_menu_popup.h"

#include <QApplication>
#include <QKeyEvent>
#include <QMouseEvent>

#include "ui/base/control_kind.h"
#include "ui/qt/dialog_view.h"

namespace {

bool IsIconControl(HWND window)
{
    return window && ControlKindOf(*window) == ControlKind::Icon;
}

class SystemMenuPopup : public QObject {
public:
    using QObject::QObject;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (event->type() != QEvent::MouseButtonPress || !watched->isWidgetType()
            || static_cast<QMouseEvent*>(event)->button() != Qt::LeftButton)
            return false;
        auto* view = qobject_cast<DialogView*>(static_cast<QWidget*>(watched)->window());
        if (!view || !IsIconControl(view->WindowOf(watched)))
            return false;
        // The view opens its system menu for Alt+Space; the click asks for it the same way, so
        // the menu and what a choice does stay in one place.
        QKeyEvent altSpace(QEvent::KeyPress, Qt::Key_Space, Qt::AltModifier);
        QCoreApplication::sendEvent(view, &altSpace);
        return true;
    }
};

}   // namespace

void InstallSystemMenuPopup()
{
    // Owned by the application: it lives exactly as long as the widgets it watches.
    qApp->installEventFilter(new SystemMenuPopup(qApp));
}
