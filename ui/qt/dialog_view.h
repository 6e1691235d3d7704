// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once
// One modal run of a dialog as a Qt window: every live control as a widget at its template
// rectangle, the two kept in step both ways, and the user's input turned into the layer's input
// entry points. Model changes arrive through WindowObserver and are applied with the widgets'
// signals blocked, so nothing a dialog does comes back to it as if the user had done it.
#include <QDialog>
#include <unordered_map>
#include <vector>

#include "ui/base/dialog.h"
#include "ui/base/window_observer.h"
#include "ui/host/key_policy.h"
#include "ui/qt/dialog_units.h"
#include "ui/qt/shown_rows.h"

class QContextMenuEvent;
class QEventLoop;
class QKeyEvent;
class HelpLibrary;

class DialogView : public QDialog, public WindowObserver, public CommandHost {
    Q_OBJECT

public:
    // Renders `dialog`, whose windows exist, above `owner` (the dialog it was opened from, or
    // null). Becomes the dialog's observer until it is destroyed.
    DialogView(CDialog& dialog, QWidget* owner, HelpLibrary& help);
    ~DialogView() override;

    CDialog& dialog() const { return m_dialog; }
    DialogBaseUnits baseUnits() const { return m_units; }
    // Pixels of this dialog's client area for a rectangle in its dialog units.
    Rect MapDialogRect(const Rect& dialogUnits) const;

    // Shows the window and handles input until the dialog ends or the run is abandoned; returns
    // at once when the dialog ended during its initialisation.
    void Run();
    // Ends the run without the dialog having ended.
    void Abandon();

    // The widget of a window of this dialog (the view itself for the frame); null for others.
    QWidget* WidgetOf(HWND window) const;
    // The window a widget renders, from any part of it (a list's viewport, a combo box's field);
    // the frame for the dialog's own surface; null for widgets of other windows.
    HWND WindowOf(const QObject* object) const;

    void OnWindowChanged(HWND window, WindowChange change) override;

    // Brings the rows (and then the selection) of every list and combo widget in line with the
    // model. The view applies rows once a change of the model is complete, not row by row, since a
    // refresh re-adds every row: after each input, before the event loop waits or another window
    // opens, and before anyone else is handed a widget.
    void SyncRows();

    // What the key policy asks of the screen (dialog_input.cpp).
    Point CommandPoint(DialogCommand command, HWND window) override;
    void FocusByKeyboard(HWND window) override;
    void PressButton(HWND button) override;
    void StartWhatsThis(CDialog& dialog) override;
    void ShowSystemMenu(CDialog& dialog) override;
    void DropDown(HWND comboBox) override;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    void reject() override;

private:
    // Building (dialog_view.cpp).
    void CreateControls();
    void AlignRowLabels();
    void Register(HWND window, QWidget* widget);
    void SetBuddies();
    void DescribeControls(HelpLibrary& help);
    void ApplyFrame(WindowChange change);
    void SetWindowFlagsFromStyle();
    // Input (dialog_input.cpp).
    void ConnectInput(HWND window, QWidget* widget);
    void AfterInput(HWND window);
    void QuitIfEnded();
    bool HandleShortcutOverride(QObject* watched, QKeyEvent* event);
    bool HandleKey(QObject* watched, QKeyEvent* event);
    void HandleContextMenu(QContextMenuEvent* event);

    CDialog& m_dialog;
    DialogBaseUnits m_units;
    std::unordered_map<HWND, QWidget*> m_widgets;
    std::unordered_map<const QObject*, HWND> m_windows;
    std::unordered_map<HWND, ShownRows> m_shownRows;   // list boxes and combo boxes
    std::vector<HWND> m_rowsToSync;
    QEventLoop* m_loop = nullptr;
    // Nonzero while a model change is being applied: focus moves then are not the user's.
    int m_applying = 0;
    // Why the widget of the model's focus takes the focus: the keyboard's moves select a field's text.
    Qt::FocusReason m_focusReason = Qt::OtherFocusReason;
};
