// SPDX-License-Identifier: GPL-2.0-or-later
#include "ui/qt/qt_host.h"

#include <QApplication>
#include <QCursor>
#include <QMenu>
#include <QMessageBox>
#include <QScreen>
#include <QWhatsThis>
#include <QWindow>

#include "ui/base/dialog.h"
#include "ui/base/message_box.h"
#include "ui/base/window_api.h"
#include "ui/qt/accessible_radio_button.h"
#include "ui/qt/dialog_view.h"
#include "ui/qt/help_html.h"
#include "ui/qt/help_window.h"
#include "ui/qt/qt_text.h"

namespace {

constexpr UINT kIconMask = 0xF0;
constexpr UINT kIconStop = 0x10;
constexpr UINT kIconQuestion = 0x20;
constexpr UINT kIconInformation = 0x40;

QMessageBox::Icon BoxIcon(UINT type)
{
    switch (type & kIconMask) {
    case kIconStop:
        return QMessageBox::Critical;
    case kIconQuestion:
        return QMessageBox::Question;
    case MB_ICONEXCLAMATION:
        return QMessageBox::Warning;
    case kIconInformation:
        return QMessageBox::Information;
    default:
        return QMessageBox::NoIcon;
    }
}

}   // namespace

QtHost::QtHost(std::filesystem::path helpFile)
    : m_help(std::move(helpFile)), m_previousWait(SetWaitPresenter([](WaitPhase phase) {
          if (phase == WaitPhase::Started)
              QApplication::setOverrideCursor(Qt::WaitCursor);
          else
              QApplication::restoreOverrideCursor();
      }))
{
    // Before the first widget: Qt keeps the first interface it made for a widget.
    InstallAccessibleRadioButtons();
}

QtHost::~QtHost()
{
    (void)SetWaitPresenter(std::move(m_previousWait));
}

void QtHost::RunModal(CDialog& dialog)
{
    SyncRunningRows();
    // A dialog opened without a parent belongs to the one it was opened from, as the platform
    // makes the main window the owner.
    DialogView view(dialog, m_running.Innermost(), m_help);
    // The platform window exists before the dialog places itself, so that its frame counts in
    // the window rectangle wherever the windowing system tells the frame up front.
    view.winId();
    {
        const RunningDialogs<DialogView>::Run run(m_running, view);
        KeepHelpWithFront();
        dialog.InitDialog();
        view.Run();
    }
    KeepHelpWithFront();
}

int QtHost::MessageBox(const std::string& text, const std::string& caption, UINT type)
{
    SyncRunningRows();
    const UINT buttons = type & 0xF;
    const bool cancel = buttons == MB_YESNOCANCEL;
    const bool yesNo = cancel || buttons == MB_YESNO;
    QMessageBox::StandardButtons choices = yesNo ? QMessageBox::Yes | QMessageBox::No : QMessageBox::Ok;
    if (cancel)
        choices |= QMessageBox::Cancel;
    QWidget* owner = m_running.Innermost();
    QMessageBox box(BoxIcon(type), ToQString(caption), ToQString(text), choices, owner);
    box.setWindowModality(Qt::ApplicationModal);
    m_messageBox = &box;
    const int answer = box.exec();
    if (!yesNo)
        return IDOK;
    if (answer == QMessageBox::Yes)
        return IDYES;
    // Closing a box otherwise than by its buttons answers Cancel where it has one, else No.
    return cancel && answer != QMessageBox::No ? IDCANCEL : IDNO;
}

void QtHost::MessageBeep(UINT /*type*/)
{
    QApplication::beep();
}

Rect QtHost::DesktopRect()
{
    const QScreen* screen = QGuiApplication::primaryScreen();
    return screen ? FromQRect(screen->availableGeometry()) : Rect{};
}

Rect QtHost::MapDialogRect(const CDialog& dialog, const Rect& dialogUnits)
{
    if (const DialogView* view = m_running.ViewOf(dialog))
        return view->MapDialogRect(dialogUnits);
    return DialogUnitsToPixels(dialogUnits, BaseUnitsOf(QApplication::font()));
}

Rect QtHost::DialogWindowRect(const CDialog& dialog)
{
    if (const DialogView* view = m_running.ViewOf(dialog))
        return FromQRect(view->frameGeometry());
    const DialogTemplate* dialogTemplate = dialog.dialogTemplate();
    return dialogTemplate ? MapDialogRect(dialog, {0, 0, dialogTemplate->cx, dialogTemplate->cy}) : Rect{};
}

Point QtHost::DialogClientOrigin(const CDialog& dialog)
{
    const DialogView* view = m_running.ViewOf(dialog);
    if (!view)
        return {};
    const QPoint origin = view->mapToGlobal(QPoint(0, 0));
    return {origin.x(), origin.y()};
}

void QtHost::MoveDialog(CDialog& dialog, const Rect& windowRect, bool /*repaint*/)
{
    DialogView* view = m_running.ViewOf(dialog);
    if (!view)
        return;
    // The frame's own share of the window (none until a window manager has framed it).
    const QSize frame = view->frameGeometry().size() - view->size();
    const QSize client(windowRect.width() - frame.width(), windowRect.height() - frame.height());
    if (client != view->size() && !client.isEmpty())
        view->setFixedSize(client);
    view->move(windowRect.left, windowRect.top);
}

void QtHost::ShowHelpPopup(HWND window, uint32_t contextId)
{
    QWidget* widget = Widget(window);
    QPoint at = QCursor::pos();
    // By the control, unless the request came from the mouse over it.
    if (widget && !widget->rect().contains(widget->mapFromGlobal(at)))
        at = widget->mapToGlobal(QPoint(0, widget->height()));
    QWhatsThis::showText(at, TopicHtml(m_help.FindTopic(contextId), m_help), widget);
}

bool QtHost::TrackWhatsThisMenu(HWND window)
{
    QMenu menu(Widget(window));
    const QAction* whatsThis = menu.addAction(ToQString(LoadString(IDS_WHATS_THIS)));
    return menu.exec(QCursor::pos()) == whatsThis;
}

void QtHost::OpenHelpWindow(uint32_t contextId)
{
    EnsureHelpWindow().ShowTopic(HelpTopicKind::Context, contextId);
}

void QtHost::OpenHelpOverview(uint32_t templateId)
{
    EnsureHelpWindow().ShowTopic(HelpTopicKind::Overview, templateId);
}

void QtHost::QuitHelp()
{
    if (m_helpWindow)
        m_helpWindow->close();
}

void QtHost::AbandonRuns()
{
    // A menu or a message box holds a loop of its own inside the runs; it goes first.
    if (QWidget* popup = QApplication::activePopupWidget())
        popup->close();
    if (m_messageBox)
        m_messageBox->reject();
    for (DialogView* view : m_running.views())
        view->Abandon();
}

CDialog* QtHost::InnermostDialog() const
{
    return m_running.InnermostDialog();
}

QDialog* QtHost::DialogWidget(const CDialog& dialog) const
{
    return m_running.ViewOf(dialog);
}

QWidget* QtHost::Widget(HWND window) const
{
    if (!IsWindow(window))
        return nullptr;
    DialogView* view = m_running.ViewOf(window->dialog());
    if (!view)
        return nullptr;
    view->SyncRows();
    return view->WidgetOf(window);
}

void QtHost::SyncRunningRows() const
{
    // What stays behind a new window shows the rows it has now.
    for (DialogView* view : m_running.views())
        view->SyncRows();
}

HelpWindow& QtHost::EnsureHelpWindow()
{
    if (!m_helpWindow) {
        m_helpWindow = std::make_unique<HelpWindow>(m_help);
        m_helpWindow->winId();
        KeepHelpWithFront();
    }
    return *m_helpWindow;
}

void QtHost::KeepHelpWithFront()
{
    // A modal window blocks every other window but its own transients: as one of the dialog in
    // front (which is itself one of the dialog it was opened from), the help window stays usable.
    if (!m_helpWindow)
        return;
    DialogView* front = m_running.Innermost();
    m_helpWindow->windowHandle()->setTransientParent(front ? front->windowHandle() : nullptr);
}
