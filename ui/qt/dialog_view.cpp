// SPDX-License-Identifier: GPL-2.0-or-later
#include "ui/qt/dialog_view.h"

#include <QAbstractEventDispatcher>
#include <QApplication>
#include <QComboBox>
#include <QEventLoop>
#include <QLabel>
#include <QLineEdit>
#include <QSignalBlocker>
#include <QWhatsThis>

#include <algorithm>
#include <utility>

#include "res/window_styles.h"
#include "ui/base/control_kind.h"
#include "ui/base/window_api.h"
#include "ui/host/help_library.h"
#include "ui/host/host_text.h"
#include "ui/qt/app_icon.h"
#include "ui/qt/control_description.h"
#include "ui/qt/control_widgets.h"
#include "ui/qt/help_html.h"
#include "ui/qt/qt_text.h"

namespace {

// Counts a model change being applied for as long as it lives.
class ApplyingScope {
public:
    explicit ApplyingScope(int& depth) : m_depth(depth) { ++m_depth; }
    ~ApplyingScope() { --m_depth; }
    ApplyingScope(const ApplyingScope&) = delete;
    ApplyingScope& operator=(const ApplyingScope&) = delete;

private:
    int& m_depth;
};

}   // namespace

DialogView::DialogView(CDialog& dialog, QWidget* owner, HelpLibrary& help)
    : QDialog(owner), m_dialog(dialog), m_units(BaseUnitsOf(QApplication::font()))
{
    // Application modal, as desktop dialogs are: a window manager then hands a click on a dialog
    // behind it to this one. The help window stays usable as a transient of the dialog in front
    // (QtHost::KeepHelpWithFront).
    setWindowModality(Qt::ApplicationModal);
    HWND frame = m_dialog.GetSafeHwnd();
    Register(frame, this);
    setFixedSize(ToQRect(MapDialogRect(frame->dialogUnitRect())).size());
    CreateControls();
    SetBuddies();
    for (const auto& [window, widget] : m_widgets) {
        if (widget == this)
            continue;
        ApplyState(*widget, *window);
        if (window->kind() == WindowKind::ListBox || window->kind() == WindowKind::ComboBox) {
            m_shownRows.try_emplace(window);
            m_rowsToSync.push_back(window);
        }
    }
    SyncRows();
    DescribeControls(help);
    for (const WindowChange change : {WindowChange::Text, WindowChange::Style, WindowChange::Icon})
        ApplyFrame(change);
    installEventFilter(this);
    for (QWidget* part : findChildren<QWidget*>())
        part->installEventFilter(this);
    for (const auto& [window, widget] : m_widgets)
        if (widget != this)
            ConnectInput(window, widget);
    m_dialog.SetObserver(this);
}

DialogView::~DialogView()
{
    if (m_dialog.observer() == this)
        m_dialog.SetObserver(nullptr);
    // The widgets outlive this part of the object; nothing they do while going may reach it.
    for (QObject* part : findChildren<QObject*>()) {
        part->removeEventFilter(this);
        part->disconnect(this);
    }
}

Rect DialogView::MapDialogRect(const Rect& dialogUnits) const
{
    return DialogUnitsToPixels(dialogUnits, m_units);
}

void DialogView::Run()
{
    if (m_dialog.IsEnded())
        return;
    QEventLoop loop;
    m_loop = &loop;
    // Whatever ends the dialog (input, a script, a timer), the run notices before it waits again.
    const auto check = connect(QAbstractEventDispatcher::instance(), &QAbstractEventDispatcher::aboutToBlock, this,
                               &DialogView::QuitIfEnded);
    SyncRows();
    show();
    raise();
    activateWindow();
    if (!m_dialog.IsEnded())
        loop.exec(QEventLoop::DialogExec);
    disconnect(check);
    m_loop = nullptr;
    if (QWhatsThis::inWhatsThisMode())
        QWhatsThis::leaveWhatsThisMode();
    hide();
}

void DialogView::Abandon()
{
    if (m_loop)
        m_loop->quit();
}

QWidget* DialogView::WidgetOf(HWND window) const
{
    const auto found = m_widgets.find(window);
    return found != m_widgets.end() ? found->second : nullptr;
}

HWND DialogView::WindowOf(const QObject* object) const
{
    for (; object; object = object->parent()) {
        const auto found = m_windows.find(object);
        if (found != m_windows.end())
            return found->second;
        if (object->isWidgetType() && static_cast<const QWidget*>(object)->isWindow())
            break;
    }
    return nullptr;
}

void DialogView::OnWindowChanged(HWND window, WindowChange change)
{
    QWidget* widget = WidgetOf(window);
    if (!widget)
        return;
    const ApplyingScope applying(m_applying);
    if (widget == this) {
        ApplyFrame(change);
        return;
    }
    if (change == WindowChange::Focus) {
        widget->setFocus(m_focusReason);
        return;
    }
    // Rows wait for SyncRows, and so does a selection among rows the widget does not show yet.
    const bool waiting = std::find(m_rowsToSync.begin(), m_rowsToSync.end(), window) != m_rowsToSync.end();
    if (change == WindowChange::Rows && !waiting && m_shownRows.contains(window))
        m_rowsToSync.push_back(window);
    if (change == WindowChange::Rows || (change == WindowChange::Selection && waiting))
        return;
    const QSignalBlocker blocker(widget);
    ApplyChange(*widget, *window, change);
}

void DialogView::SyncRows()
{
    const ApplyingScope applying(m_applying);
    for (HWND window : std::exchange(m_rowsToSync, {})) {
        QWidget* widget = IsWindow(window) ? WidgetOf(window) : nullptr;
        if (!widget)
            continue;
        const QSignalBlocker blocker(widget);
        m_shownRows[window].Sync(*widget, *window);
        ApplyChange(*widget, *window, WindowChange::Selection);
    }
}

void DialogView::CreateControls()
{
    for (const auto& child : m_dialog.GetSafeHwnd()->children()) {
        QWidget* widget = CreateControlWidget(*child, this);
        widget->setGeometry(ToQRect(MapDialogRect(child->dialogUnitRect())));
        Register(child.get(), widget);
        // The edit field of an editable combo box is a window of its own in the model.
        auto* combo = qobject_cast<QComboBox*>(widget);
        if (combo && combo->lineEdit() && !child->children().empty())
            Register(child->children().front().get(), combo->lineEdit());
    }
    AlignRowLabels();
}

void DialogView::AlignRowLabels()
{
    // A label that starts a row of check boxes or radio buttons is drawn across the row's height,
    // its text centred as the buttons centre theirs: drawn at its top, as a label is elsewhere, it
    // would stand above their captions.
    const auto& children = m_dialog.GetSafeHwnd()->children();
    for (const auto& label : children) {
        auto* widget = qobject_cast<QLabel*>(WidgetOf(label.get()));
        if (!widget || ControlKindOf(*label) != ControlKind::Label)
            continue;
        for (const auto& button : children) {
            const ControlKind kind = ControlKindOf(*button);
            const Rect row = button->dialogUnitRect();
            if ((kind != ControlKind::CheckBox && kind != ControlKind::RadioButton) ||
                row.top != label->dialogUnitRect().top || row.left <= label->dialogUnitRect().left)
                continue;
            const int height = WidgetOf(button.get())->height();
            if (height > widget->height()) {
                widget->resize(widget->width(), height);
                widget->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
            }
            break;
        }
    }
}

void DialogView::Register(HWND window, QWidget* widget)
{
    m_widgets[window] = widget;
    m_windows[widget] = window;
}

void DialogView::SetBuddies()
{
    // A label shows its mnemonic once it has a buddy. The letter stays the key policy's, which
    // only moves the focus there: HandleShortcutOverride takes the key before the label's own
    // shortcut, which would also click a button buddy.
    for (const auto& child : m_dialog.GetSafeHwnd()->children()) {
        auto* label = qobject_cast<QLabel*>(WidgetOf(child.get()));
        HWND target = label && MnemonicOf(child->text()) != 0 ? LabelTarget(child.get()) : nullptr;
        if (target && target != child.get())
            label->setBuddy(WidgetOf(target));
    }
}

void DialogView::DescribeControls(HelpLibrary& help)
{
    const HelpTopic* overview = help.FindOverview(m_dialog.templateId());
    setWhatsThis(TopicHtml(overview, help));
    for (const auto& child : m_dialog.GetSafeHwnd()->children())
        DescribeControl(*WidgetOf(child.get()), *child, help);
}

void DialogView::ApplyFrame(WindowChange change)
{
    HWND frame = m_dialog.GetSafeHwnd();
    switch (change) {
    case WindowChange::Text:
        setWindowTitle(ToQString(frame->text()));
        break;
    case WindowChange::Style:
        SetWindowFlagsFromStyle();
        break;
    case WindowChange::Icon: {
        const uint32_t icon = m_dialog.icon(true) ? m_dialog.icon(true) : m_dialog.icon(false);
        setWindowIcon(icon ? IconResource(icon) : QApplication::windowIcon());
        break;
    }
    case WindowChange::Enabled:
        setEnabled(frame->IsWindowEnabled());
        break;
    case WindowChange::Focus:
        setFocus(Qt::OtherFocusReason);
        break;
    case WindowChange::Visible:     // the run shows and hides the window
    case WindowChange::Placement:   // MoveDialog has placed it
    case WindowChange::SystemMenu:  // the menu is built each time it opens
    case WindowChange::Check:
    case WindowChange::Rows:
    case WindowChange::Selection:
        break;
    }
}

void DialogView::SetWindowFlagsFromStyle()
{
    const uint32_t style = m_dialog.GetStyle();
    Qt::WindowFlags flags = Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint;
    if (style & WS_SYSMENU)
        flags |= Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint;
    if (style & WS_MINIMIZEBOX)
        flags |= Qt::WindowMinimizeButtonHint;
    if (style & WS_MAXIMIZEBOX)
        flags |= Qt::WindowMaximizeButtonHint;
    if (m_dialog.GetExStyle() & WS_EX_CONTEXTHELP)
        flags |= Qt::WindowContextHelpButtonHint;
    if (flags == windowFlags())
        return;
    // Changing the flags of a shown window hides it.
    const bool shown = isVisible();
    setWindowFlags(flags);
    if (shown)
        show();
}
