// SPDX-License-Identifier: GPL-2.0-or-later
// The user's side of a dialog view: widget signals, help clicks and right clicks become the layer's
// input entry points, which raise the notifications the dialog handles; the dialog's keys become
// the key policy's commands, and the view does for them what needs the screen.
#include <QAbstractButton>
#include <QAction>
#include <QApplication>
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
#include <QToolTip>
#include <QWhatsThis>
#include <optional>

#include "ui/base/control_kind.h"
#include "ui/base/message_box.h"
#include "ui/base/user_input.h"
#include "ui/base/window_api.h"
#include "ui/host/host_text.h"
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

std::optional<Command> Only(bool condition, DialogCommand command)
{
    return condition ? std::optional(Command{command}) : std::nullopt;
}

// The dialog command a Qt key event stands for; none for the keys the widgets keep.
std::optional<Command> DecodeKey(const QKeyEvent& event)
{
    const Qt::KeyboardModifiers modifiers = Modifiers(event);
    const bool plain = modifiers == Qt::NoModifier;
    const bool moves = !(modifiers & (Qt::ControlModifier | Qt::AltModifier));
    switch (event.key()) {
    case Qt::Key_F1:
        if (modifiers == Qt::ShiftModifier)
            return Command{DialogCommand::WhatsThis};
        return Only(plain, DialogCommand::Help);
    case Qt::Key_Space:
        return Only(modifiers == Qt::AltModifier, DialogCommand::SystemMenu);
    case Qt::Key_F10:
        // As on the terminal: the window's menu, where a window manager keeps Alt+Space for its own.
        return Only(plain, DialogCommand::SystemMenu);
    case Qt::Key_F4:
        return Only(plain, DialogCommand::DropDown);
    case Qt::Key_Down:
        return Only(modifiers == Qt::AltModifier, DialogCommand::DropDown);
    case Qt::Key_Tab:
        return Only(moves, (modifiers & Qt::ShiftModifier) ? DialogCommand::Previous : DialogCommand::Next);
    case Qt::Key_Backtab:
        return Only(moves, DialogCommand::Previous);
    case Qt::Key_Return:
    case Qt::Key_Enter:
        return Only(plain, DialogCommand::Enter);
    case Qt::Key_Escape:
        return Only(plain, DialogCommand::Escape);
    default:
        break;
    }
    // Qt names a printable Latin-1 key by its character (a letter by its capital).
    if (modifiers == Qt::AltModifier && event.key() > Qt::Key_Space && event.key() <= 0xFF)
        return Command{DialogCommand::Mnemonic, static_cast<char32_t>(event.key())};
    return std::nullopt;
}

}   // namespace

void DialogView::ConnectInput(HWND window, QWidget* widget)
{
    if (auto* edit = qobject_cast<QLineEdit*>(widget)) {
        connect(edit, &QLineEdit::textEdited, this, [this, window](const QString& text) {
            UserTypeText(window, EditedText(window->text(), text.toStdU32String()));
            AfterInput(window);
        });
        // The field's limit refused what was typed or pasted (ByteLimit): the beep, and why.
        connect(edit, &QLineEdit::inputRejected, this, [edit, window] {
            if (!IsWindow(window) || window->textLimit() <= 0)
                return;
            MessageBeep(MB_OK);
            QToolTip::showText(edit->mapToGlobal(QPoint(0, edit->height())), ToQString(FieldFullText(window->textLimit())),
                               edit);
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
    SyncRows();
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
    // Every input ends here, and so does every turn of the event loop before it waits.
    SyncRows();
    if (m_loop && m_dialog.IsEnded())
        m_loop->quit();
}

bool DialogView::eventFilter(QObject* watched, QEvent* event)
{
    switch (event->type()) {
    case QEvent::ShortcutOverride:
        return HandleShortcutOverride(watched, static_cast<QKeyEvent*>(event));
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
    case QEvent::WindowActivate:
        // A dialog behind the one in front may still be made active (a window manager that
        // focuses what was clicked, a task bar); the keyboard would then be dead, its input
        // blocked. The window in front takes the activation over.
        if (QWidget* front = QApplication::activeModalWidget(); watched == this && front && front != this)
            front->activateWindow();
        return false;
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

bool DialogView::HandleShortcutOverride(QObject* watched, QKeyEvent* event)
{
    // Help, the system menu and the dialog's mnemonics are the key policy's: no shortcut of Qt's own
    // (a button's or a label's) may take them from it.
    const std::optional<Command> command = DecodeKey(*event);
    if (!command)
        return false;
    const bool ours = command->kind == DialogCommand::Mnemonic
                          ? MnemonicTarget(m_dialog, WindowOf(watched), command->letter) != nullptr
                          : command->kind == DialogCommand::Help || command->kind == DialogCommand::WhatsThis ||
                                command->kind == DialogCommand::SystemMenu;
    if (ours)
        event->accept();
    return ours;
}

bool DialogView::HandleKey(QObject* watched, QKeyEvent* event)
{
    // The key is for the window whose widget receives it, which is the one with the focus.
    const std::optional<Command> command = DecodeKey(*event);
    if (!command || !PerformCommand(m_dialog, WindowOf(watched), *command, *this))
        return false;
    QuitIfEnded();
    return true;
}

void DialogView::HandleContextMenu(QContextMenuEvent* event)
{
    if (event->reason() == QContextMenuEvent::Keyboard) {
        (void)PerformCommand(m_dialog, WindowOf(focusWidget()), Command{DialogCommand::ContextMenu}, *this);
        QuitIfEnded();
        return;
    }
    // Only an enabled control that takes clicks receives the click; everywhere else it is the
    // dialog's surface, which finds the control under the cursor itself.
    HWND frame = m_dialog.GetSafeHwnd();
    HWND target = frame;
    const QPoint at = event->globalPos();
    HWND hit = WindowOf(childAt(mapFromGlobal(at)));
    while (hit && hit != frame && hit->parent() != frame)
        hit = hit->parent();
    if (hit && hit != frame && hit->IsWindowEnabled() && TakesInput(ControlKindOf(*hit)))
        target = hit;
    UserContextMenu(target, ToPoint(at));
    QuitIfEnded();
}

Point DialogView::CommandPoint(DialogCommand command, HWND window)
{
    // F1 asks from where the mouse is; the keyboard's right click, from the middle of the control.
    if (command == DialogCommand::Help)
        return ToPoint(QCursor::pos());
    const QWidget* widget = WidgetOf(window) ? WidgetOf(window) : this;
    return ToPoint(widget->mapToGlobal(widget->rect().center()));
}

void DialogView::FocusByKeyboard(HWND window)
{
    m_focusReason = Qt::TabFocusReason;
    UserFocus(window);
    m_focusReason = Qt::OtherFocusReason;
}

void DialogView::PressButton(HWND button)
{
    // Qt's own press: drawn down for a moment, then clicked, which reaches the model as a click.
    if (auto* widget = qobject_cast<QAbstractButton*>(WidgetOf(button)))
        widget->animateClick();
}

void DialogView::StartWhatsThis(CDialog& /*dialog*/)
{
    QWhatsThis::enterWhatsThisMode();
}

void DialogView::DropDown(HWND comboBox)
{
    if (auto* combo = qobject_cast<QComboBox*>(WidgetOf(comboBox)))
        combo->showPopup();
}

void DialogView::ShowSystemMenu(CDialog& /*dialog*/)
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
