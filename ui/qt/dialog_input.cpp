// The user's side of a dialog view: widget signals, keys, help clicks and right clicks become the
// layer's input entry points, which raise the notifications the dialog handles.
#include <QAbstractButton>
#include <QAction>
#include <QCloseEvent>
#include <QComboBox>
#include <QContextMenuEvent>
#include <QCursor>
#include <QEventLoop>
#include <QKeyEvent>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QSignalBlocker>
#include <QWhatsThis>

#include "ui/base/control_kind.h"
#include "ui/base/message_box.h"
#include "ui/base/user_input.h"
#include "ui/base/window_api.h"
#include "ui/qt/control_widgets.h"
#include "ui/qt/dialog_view.h"
#include "ui/qt/qt_text.h"

namespace {

Point ToPoint(const QPoint& point)
{
    return {point.x(), point.y()};
}

Qt::KeyboardModifiers Modifiers(const QKeyEvent& event)
{
    return event.modifiers() & ~Qt::KeypadModifier;
}

// Keys that stand for help and the system menu, which no shortcut may take from the dialog.
bool IsDialogKey(const QKeyEvent& event)
{
    const Qt::KeyboardModifiers modifiers = Modifiers(event);
    if (event.key() == Qt::Key_F1)
        return modifiers == Qt::NoModifier || modifiers == Qt::ShiftModifier;
    return event.key() == Qt::Key_Space && modifiers == Qt::AltModifier;
}

// The control that a window belongs to: a combo box for its edit field.
HWND ControlOf(HWND window, HWND frame)
{
    while (window && window->parent() && window->parent() != frame)
        window = window->parent();
    return window;
}

}   // namespace

void DialogView::ConnectInput(HWND window, QWidget* widget)
{
    if (auto* edit = qobject_cast<QLineEdit*>(widget)) {
        connect(edit, &QLineEdit::textEdited, this, [this, window](const QString& text) {
            UserTypeText(window, FromQString(text));
            AfterInput(window);
        });
    } else if (auto* button = qobject_cast<QAbstractButton*>(widget)) {
        connect(button, &QAbstractButton::clicked, this, [this, window] {
            UserClick(window);
            AfterInput(window);
        });
    } else if (auto* list = qobject_cast<QListWidget*>(widget)) {
        connect(list, &QListWidget::itemSelectionChanged, this, [this, window, list] {
            const QList<QListWidgetItem*> selected = list->selectedItems();
            UserSelectRow(window, selected.isEmpty() ? -1 : list->row(selected.front()));
            AfterInput(window);
        });
        connect(list, &QListWidget::itemDoubleClicked, this, [this, window, list](QListWidgetItem* item) {
            // The press that began the double click has selected the row already.
            const int row = list->row(item);
            UserDoubleClickRow(window, window->selection() == row ? -1 : row);
            AfterInput(window);
        });
    } else if (auto* combo = qobject_cast<QComboBox*>(widget)) {
        connect(combo, &QComboBox::currentIndexChanged, this, [this, window](int index) {
            UserSelectRow(window, index);
            AfterInput(window);
        });
    }
}

void DialogView::AfterInput(HWND window)
{
    // Qt has changed the widget ahead of the model (a check box toggled itself, a row was
    // selected); where the model saw it otherwise, the model wins.
    if (QWidget* widget = IsWindow(window) ? WidgetOf(window) : nullptr; widget && widget != this) {
        ++m_applying;
        const QSignalBlocker blocker(widget);
        for (const WindowChange change : {WindowChange::Text, WindowChange::Check, WindowChange::Selection})
            ApplyChange(*widget, *window, change);
        --m_applying;
    }
    QuitIfEnded();
}

void DialogView::QuitIfEnded()
{
    if (m_loop && m_dialog.IsEnded())
        m_loop->quit();
}

bool DialogView::eventFilter(QObject* watched, QEvent* event)
{
    switch (event->type()) {
    case QEvent::ShortcutOverride:
        if (!IsDialogKey(*static_cast<QKeyEvent*>(event)))
            return false;
        event->accept();
        return true;
    case QEvent::KeyPress:
        return HandleKey(watched, static_cast<QKeyEvent*>(event));
    case QEvent::QueryWhatsThis:
        event->setAccepted(WindowOf(watched) != nullptr);
        return true;
    case QEvent::WhatsThis:
        if (HWND window = WindowOf(watched)) {
            // One click answers one question, whether or not a popup took the mode away.
            QWhatsThis::leaveWhatsThisMode();
            UserHelpRequest(window, ToPoint(static_cast<QHelpEvent*>(event)->globalPos()));
            QuitIfEnded();
            return true;
        }
        return false;
    case QEvent::ContextMenu:
        HandleContextMenu(static_cast<QContextMenuEvent*>(event));
        event->accept();
        return true;
    case QEvent::FocusIn:
        if (const auto found = m_windows.find(watched); m_applying == 0 && found != m_windows.end() && watched != this)
            UserFocus(found->second);
        return false;
    case QEvent::MouseButtonDblClick:
        // A double click below the last row of a list box is a double click all the same.
        if (auto* list = qobject_cast<QListWidget*>(watched->parent()); list && watched == list->viewport()) {
            const QPoint at = static_cast<QMouseEvent*>(event)->position().toPoint();
            if (!list->itemAt(at)) {
                HWND window = WindowOf(list);
                UserDoubleClickRow(window, -1);
                AfterInput(window);
            }
        }
        return false;
    default:
        return false;
    }
}

bool DialogView::HandleKey(QObject* watched, QKeyEvent* event)
{
    HWND frame = m_dialog.GetSafeHwnd();
    const Qt::KeyboardModifiers modifiers = Modifiers(*event);
    switch (event->key()) {
    case Qt::Key_F1:
        if (modifiers == Qt::ShiftModifier) {
            QWhatsThis::enterWhatsThisMode();
            return true;
        }
        if (modifiers != Qt::NoModifier)
            return false;
        // Help for the control with the focus, which is the one receiving the key.
        UserHelpRequest(WindowOf(watched) ? WindowOf(watched) : frame, ToPoint(QCursor::pos()));
        break;
    case Qt::Key_Space:
        if (modifiers != Qt::AltModifier)
            return false;
        ShowSystemMenu();
        break;
    case Qt::Key_Return:
    case Qt::Key_Enter: {
        if (modifiers != Qt::NoModifier)
            return false;
        // A push button with the focus is pressed itself; anywhere else Enter is the default button's.
        HWND focused = WindowOf(watched);
        if (focused && focused != frame && ControlKindOf(*focused) == ControlKind::PushButton)
            UserClick(focused);
        else
            UserPressEnter(m_dialog);
        break;
    }
    case Qt::Key_Escape:
        if (modifiers != Qt::NoModifier)
            return false;
        UserPressEscape(m_dialog);
        break;
    default:
        return false;
    }
    QuitIfEnded();
    return true;
}

void DialogView::HandleContextMenu(QContextMenuEvent* event)
{
    HWND frame = m_dialog.GetSafeHwnd();
    HWND target = frame;
    QPoint at = event->globalPos();
    if (event->reason() == QContextMenuEvent::Keyboard) {
        // The menu key speaks for the control with the focus.
        HWND focused = ControlOf(WindowOf(focusWidget()), frame);
        if (focused && focused != frame && focused->IsWindowEnabled()) {
            target = focused;
            const QWidget* widget = WidgetOf(focused);
            at = widget->mapToGlobal(widget->rect().center());
        }
    } else {
        // Only an enabled control that takes clicks receives the click; everywhere else it is
        // the dialog's surface, which finds the control under the cursor itself.
        HWND hit = ControlOf(WindowOf(childAt(mapFromGlobal(at))), frame);
        if (hit && hit != frame && hit->IsWindowEnabled() && TakesInput(ControlKindOf(*hit)))
            target = hit;
    }
    UserContextMenu(target, ToPoint(at));
    QuitIfEnded();
}

void DialogView::ShowSystemMenu()
{
    // The window manager keeps its own window menu; this one carries what the dialog appended.
    QMenu menu(this);
    for (const MenuItem& item : m_dialog.systemMenu().items()) {
        if (item.flags & MF_SEPARATOR)
            menu.addSeparator();
        else
            menu.addAction(ToQString(item.text))->setData(item.id);
    }
    if (!menu.isEmpty())
        menu.addSeparator();
    menu.addAction(ToQString(LoadString(IDS_CLOSE_COMMAND)))->setData(SC_CLOSE);
    if (const QAction* chosen = menu.exec(mapToGlobal(QPoint(0, 0)))) {
        UserSystemCommand(m_dialog, chosen->data().toUInt());
        QuitIfEnded();
    }
}

void DialogView::closeEvent(QCloseEvent* event)
{
    // The run hides the window once the dialog has ended; the dialog may also refuse to close.
    event->ignore();
    UserCloseBox(m_dialog);
    QuitIfEnded();
}

void DialogView::reject()
{
    UserPressEscape(m_dialog);
    QuitIfEnded();
}
