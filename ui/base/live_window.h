// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once
// A live window: a dialog's frame or one of its controls, holding the state that the platform's
// window would hold. Dialog code changes it through the operations below (or the control wrappers
// of controls.h); hosts read it to render and are told of changes through the dialog's observer.
#include <cstdint>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "ui/base/list_rows.h"
#include "ui/base/win_defs.h"
#include "ui/base/window_observer.h"

class CDialog;

using WNDPROC = LRESULT (*)(HWND, UINT, WPARAM, LPARAM);

// Kind of window, from its class name ("Button", "Edit", "Static", "ListBox", "ComboBox"; the
// dialog frame is "#32770").
enum class WindowKind { Dialog, Button, Edit, Static, ListBox, ComboBox, Other };

class LiveWindow {
public:
    // A window of `dialog`, child of `parent` (null for the dialog's frame; the frame for a control;
    // the combo box for the edit field inside an editable combo box). `dialogUnits` is its rectangle
    // in dialog units of the dialog's client area; for the frame, the client area's size.
    LiveWindow(CDialog& dialog, HWND parent, int32_t id, std::string className, std::string text,
               Rect dialogUnits, uint32_t style, uint32_t exStyle, WNDPROC windowProc);
    ~LiveWindow();
    LiveWindow(const LiveWindow&) = delete;

    // True while `window` names a window that has not been destroyed.
    static bool Exists(const LiveWindow* window);
    LiveWindow& operator=(const LiveWindow&) = delete;

    // Takes ownership of a child window and returns its handle.
    HWND AddChild(std::unique_ptr<LiveWindow> child);

    // Identity.
    CDialog& dialog() const { return m_dialog; }
    HWND parent() const { return m_parent; }
    int32_t id() const { return m_id; }
    const std::string& className() const { return m_className; }
    WindowKind kind() const { return m_kind; }
    // Where the window stands, in dialog units of the dialog's client area. A combo box's rectangle
    // is its closed height; the template's taller rectangle includes the dropped-down list.
    const Rect& dialogUnitRect() const { return m_dialogUnits; }
    // Children in creation (template) order.
    const std::vector<std::unique_ptr<LiveWindow>>& children() const { return m_children; }

    // State, as a host reads it.
    const std::string& text() const { return m_text; }
    uint32_t style() const { return m_style; }
    uint32_t exStyle() const { return m_exStyle; }
    int check() const { return m_check; }
    const ListRows& rows() const { return m_rows; }
    int selection() const { return m_selection; }   // -1 when no row or item is selected
    int textLimit() const { return m_textLimit; }   // 0 when the field sets none
    bool IsDefaultButton() const;
    bool IsAutomaticButton() const;                 // BS_AUTOCHECKBOX or BS_AUTORADIOBUTTON

    // The platform's window operations.
    int GetDlgCtrlID() const { return m_id; }
    // Returns true when the window was disabled before the call (the platform's answer).
    bool EnableWindow(bool enable);
    bool IsWindowEnabled() const;
    void ShowWindow(bool show);
    // True when this window and every window it sits in carry WS_VISIBLE.
    bool IsWindowVisible() const;
    std::string GetWindowText() const { return m_text; }
    // Copies at most bufferSize - 1 characters and a terminator; returns the characters copied.
    int GetWindowText(char* buffer, int bufferSize) const;
    // Setting an edit field's text raises its EN_CHANGE notification once, also when the text
    // does not change.
    void SetWindowText(std::string_view text);
    // Gives the keyboard focus to this window; returns the window that had it.
    HWND SetFocus();
    uint32_t GetStyle() const { return m_style; }
    uint32_t GetExStyle() const { return m_exStyle; }
    // Return true when the style changed.
    bool ModifyStyle(uint32_t remove, uint32_t add);
    bool ModifyStyleEx(uint32_t remove, uint32_t add);

    // The window procedure that messages sent to this window reach; replacing it returns the
    // previous one (how a window is subclassed).
    WNDPROC windowProc() const { return m_windowProc; }
    WNDPROC SetWindowProc(WNDPROC windowProc);

    // Raw state changes for the layer's control operations (controls.h, user input). They tell
    // the observer and raise no notification; the platform rules live in the callers.
    void SetCheckState(int check);
    void SetSelectionIndex(int index);
    void InsertRow(size_t index, ListRow row);
    void ClearRows();
    void SetRowData(size_t index, uintptr_t data);
    void SetTextLimit(int limit);

private:
    // Moves the dialog's focus off this window (or a window in it) once it cannot take input.
    void PassFocusOn();
    void Changed(WindowChange change);

    CDialog& m_dialog;
    HWND m_parent;
    int32_t m_id;
    std::string m_className;
    WindowKind m_kind;
    Rect m_dialogUnits;
    std::string m_text;
    uint32_t m_style;
    uint32_t m_exStyle;
    WNDPROC m_windowProc;
    int m_check = BST_UNCHECKED;
    ListRows m_rows;
    int m_selection = -1;
    int m_textLimit = 0;
    std::vector<std::unique_ptr<LiveWindow>> m_children;
};
