// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once
// Control wrappers that a dialog binds to its controls (DDX_Control) and works through, with the
// platform's conventions and result codes. A wrapper that is not bound, or whose control has been
// destroyed, does nothing and answers the error result of its operation.
#include <cstdint>
#include <string>
#include <string_view>

#include "ui/base/live_window.h"

class ControlRef {
public:
    void Attach(HWND window) { m_window = window; }
    HWND hwnd() const;   // null when not bound or no longer alive

    // See LiveWindow for the semantics.
    bool EnableWindow(bool enable);
    bool IsWindowEnabled() const;
    void ShowWindow(bool show);
    std::string GetWindowText() const;
    int GetWindowText(char* buffer, int bufferSize) const;
    void SetWindowText(std::string_view text);
    HWND SetFocus();
    int GetDlgCtrlID() const;

private:
    HWND m_window = nullptr;
};

class ButtonControl : public ControlRef {
public:
    // BST_CHECKED (1) or BST_UNCHECKED (0).
    int GetCheck() const;
    // Any non-zero state checks the box.
    void SetCheck(int check);
};

class EditControl : public ControlRef {
public:
    // Limits what the user can type to `maxChars` bytes (not what code sets); 0 lifts the limit.
    void LimitText(int maxChars);
};

class ListBoxControl : public ControlRef {
public:
    void ResetContent();
    // In a LBS_SORT list box the row goes where the platform's case-insensitive order puts it
    // (after rows that compare equal); otherwise at the end. Returns the row index, or LB_ERR.
    [[nodiscard]] int AddString(std::string_view text);
    // At `index`, or at the end for -1; LB_ERR for an index beyond the end. Never sorts.
    [[nodiscard]] int InsertString(int index, std::string_view text);
    int GetCount() const;
    // -1 when no row is selected.
    int GetCurSel() const;
    // Selects row `index` and returns it; -1 clears the selection and, like an index out of
    // range (which leaves the selection as it was), answers LB_ERR.
    int SetCurSel(int index);
    // LB_ERR for an index out of range.
    int SetItemData(int index, uintptr_t data);
    // The row's data, or LB_ERR (as an unsigned value) for an index out of range.
    uintptr_t GetItemData(int index) const;
    // The row's text into `text`; returns its length, or LB_ERR (leaving `text` empty).
    int GetText(int index, std::string& text) const;
    int GetTextLen(int index) const;
};

class ComboBoxControl : public ControlRef {
public:
    void ResetContent();
    // Items are never sorted here (the program's combo boxes are not). Returns the index or CB_ERR.
    [[nodiscard]] int AddString(std::string_view text);
    int GetCount() const;
    int GetCurSel() const;
    // Selects item `index` and returns it; -1 or an index out of range clears the selection and
    // answers CB_ERR (unlike a list box, which keeps it for an index out of range).
    int SetCurSel(int index);
    // The item's text into `text`; returns its length, or CB_ERR.
    int GetLBText(int index, std::string& text) const;
};
