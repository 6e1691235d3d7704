// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once
// One running dialog on the terminal: where it stands, its layout in cells, and what only the
// screen keeps (an edit field's caret and selection, a list's first visible row). Everything
// else (texts, checks, rows, focus, the default button) is read from the live windows each
// time the screen is drawn; the view only keeps its own state in step with them.
#include <string>
#include <unordered_map>

#include "ui/base/dialog.h"
#include "ui/base/window_observer.h"
#include "ui/tui/cell_layout.h"
#include "ui/tui/key.h"
#include "ui/tui/terminal_io.h"

namespace tui {

// The caret and selection of an edit field, and the first character shown, counted in characters.
struct EditState {
    int caret = 0;
    int anchor = 0;   // the other end of the selection; equal to caret when nothing is selected
    int scroll = 0;
};

class DialogView : public WindowObserver {
public:
    // Lays `dialog` (whose windows exist) out for a terminal of `size`, and observes it.
    DialogView(CDialog& dialog, TerminalSize size);
    ~DialogView() override;
    DialogView(const DialogView&) = delete;
    DialogView& operator=(const DialogView&) = delete;

    CDialog& dialog() const { return m_dialog; }

    // Lays the dialog out again for a new terminal size, placed as the dialogs are at the start.
    void Relayout(TerminalSize size);
    // The window with its frame, in screen cells; the client area's top-left corner.
    Rect WindowRect() const;
    Point ClientOrigin() const;
    // Moves the window, kept on the screen as far as it fits.
    void Move(Point topLeft);
    // Scrolls a window larger than the terminal so that the focused control is on the screen.
    void ShowFocus();
    // A rectangle in dialog units as cells of the client area.
    Rect MapDialogRect(const Rect& dialogUnits) const { return m_layout.Map(dialogUnits); }
    // A control's rectangle in screen cells.
    Rect ControlRect(const LiveWindow* window) const;

    EditState& Edit(const LiveWindow* edit) { return m_edits[edit]; }
    int& ListTop(const LiveWindow* list) { return m_listTops[list]; }

    // Selects all of an edit field's text, as a field does when the keyboard brings the focus in.
    void SelectAll(HWND edit);
    // Moves the focus as the keyboard does: an edit field then has all its text selected.
    void FocusByKeyboard(HWND window);

    // A key for the focused control; false for a key it does not use.
    bool HandleKey(const Key& key, TerminalIo& terminal);
    // Why the last key was refused, for the hint line (a field too full to take it); empty when
    // it was not. The host clears it at every key.
    const std::u32string& notice() const { return m_notice; }
    void ClearNotice() { m_notice.clear(); }

    // "What's This?": the window it would explain (null when not choosing), and the move to the
    // next or previous window that can be chosen.
    HWND whatsThisChoice() const { return m_whatsThis; }
    void StartWhatsThis();
    void StepWhatsThis(bool backward);
    void EndWhatsThis() { m_whatsThis = nullptr; }

    void OnWindowChanged(HWND window, WindowChange change) override;

private:
    // Keys (dialog_keys.cpp).
    bool HandleEditKey(HWND edit, const Key& key, TerminalIo& terminal);
    bool HandleListKey(HWND list, const Key& key);
    bool HandleButtonKey(HWND button, const Key& key);
    bool MoveInGroup(HWND from, bool backward);

    CDialog& m_dialog;
    TerminalSize m_size;
    CellLayout m_layout;
    Point m_position;
    std::unordered_map<const LiveWindow*, EditState> m_edits;
    std::unordered_map<const LiveWindow*, int> m_listTops;
    HWND m_whatsThis = nullptr;
    std::u32string m_notice;
};

// Where a window of `size` cells stands on a terminal of `screen` cells: centred across and one
// third down, as the dialogs place themselves.
Point CentredPosition(TerminalSize screen, int width, int height);

}   // namespace tui
