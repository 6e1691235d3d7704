// SPDX-License-Identifier: GPL-2.0-or-later
#include "ui/base/controls.h"

#include <algorithm>
#include <cctype>

#include "res/window_styles.h"
#include "ui/base/window_api.h"

namespace {

// The platform's list boxes hold at most this many rows; another one is refused with LB_ERRSPACE.
constexpr size_t kMaxRows = 32767;

// The platform's sorted list boxes compare without regard to case. Equal bytes are passed over
// without asking the locale: names in a long list share long beginnings.
bool LessIgnoringCase(std::string_view left, std::string_view right)
{
    const size_t common = std::min(left.size(), right.size());
    for (size_t i = 0; i < common; ++i) {
        if (left[i] == right[i])
            continue;
        const int a = std::tolower(static_cast<unsigned char>(left[i]));
        const int b = std::tolower(static_cast<unsigned char>(right[i]));
        if (a != b)
            return a < b;
    }
    return left.size() < right.size();
}

HWND As(HWND window, WindowKind kind)
{
    return window && window->kind() == kind ? window : nullptr;
}

bool InRange(const LiveWindow& window, int index)
{
    return index >= 0 && static_cast<size_t>(index) < window.rows().size();
}

int Insert(LiveWindow& window, size_t index, std::string_view text, int errSpace)
{
    if (window.rows().size() >= kMaxRows)
        return errSpace;
    window.InsertRow(index, {std::string(text), 0});
    return static_cast<int>(index);
}

int RowText(HWND window, int index, std::string& text, int err)
{
    text.clear();
    if (!window || !InRange(*window, index))
        return err;
    text = window->rows()[static_cast<size_t>(index)].text;
    return static_cast<int>(text.size());
}

}   // namespace

HWND ControlRef::hwnd() const
{
    return IsWindow(m_window) ? m_window : nullptr;
}

bool ControlRef::EnableWindow(bool enable)
{
    HWND window = hwnd();
    return window ? window->EnableWindow(enable) : false;
}

bool ControlRef::IsWindowEnabled() const
{
    HWND window = hwnd();
    return window && window->IsWindowEnabled();
}

void ControlRef::ShowWindow(bool show)
{
    if (HWND window = hwnd())
        window->ShowWindow(show);
}

std::string ControlRef::GetWindowText() const
{
    HWND window = hwnd();
    return window ? window->GetWindowText() : std::string();
}

int ControlRef::GetWindowText(char* buffer, int bufferSize) const
{
    if (HWND window = hwnd())
        return window->GetWindowText(buffer, bufferSize);
    if (buffer && bufferSize > 0)
        buffer[0] = '\0';
    return 0;
}

void ControlRef::SetWindowText(std::string_view text)
{
    if (HWND window = hwnd())
        window->SetWindowText(text);
}

HWND ControlRef::SetFocus()
{
    HWND window = hwnd();
    return window ? window->SetFocus() : nullptr;
}

int ControlRef::GetDlgCtrlID() const
{
    return ::GetDlgCtrlID(hwnd());
}

int ButtonControl::GetCheck() const
{
    HWND window = As(hwnd(), WindowKind::Button);
    return window ? window->check() : BST_UNCHECKED;
}

void ButtonControl::SetCheck(int check)
{
    if (HWND window = As(hwnd(), WindowKind::Button))
        window->SetCheckState(check ? BST_CHECKED : BST_UNCHECKED);
}

void EditControl::LimitText(int maxChars)
{
    if (HWND window = As(hwnd(), WindowKind::Edit))
        window->SetTextLimit(std::max(maxChars, 0));
}

void ListBoxControl::ResetContent()
{
    if (HWND window = As(hwnd(), WindowKind::ListBox))
        window->ClearRows();
}

int ListBoxControl::AddString(std::string_view text)
{
    HWND window = As(hwnd(), WindowKind::ListBox);
    if (!window)
        return LB_ERR;
    const ListRows& rows = window->rows();
    const size_t index = (window->style() & LBS_SORT) ? rows.UpperBound(text, LessIgnoringCase) : rows.size();
    return Insert(*window, index, text, LB_ERRSPACE);
}

int ListBoxControl::InsertString(int index, std::string_view text)
{
    HWND window = As(hwnd(), WindowKind::ListBox);
    if (!window || index < -1 || (index >= 0 && static_cast<size_t>(index) > window->rows().size()))
        return LB_ERR;
    return Insert(*window, index == -1 ? window->rows().size() : static_cast<size_t>(index), text, LB_ERRSPACE);
}

int ListBoxControl::GetCount() const
{
    HWND window = As(hwnd(), WindowKind::ListBox);
    return window ? static_cast<int>(window->rows().size()) : LB_ERR;
}

int ListBoxControl::GetCurSel() const
{
    HWND window = As(hwnd(), WindowKind::ListBox);
    return window ? window->selection() : LB_ERR;
}

int ListBoxControl::SetCurSel(int index)
{
    HWND window = As(hwnd(), WindowKind::ListBox);
    if (!window)
        return LB_ERR;
    if (index == -1) {
        window->SetSelectionIndex(-1);
        return LB_ERR;
    }
    if (!InRange(*window, index))
        return LB_ERR;
    window->SetSelectionIndex(index);
    return index;
}

int ListBoxControl::SetItemData(int index, uintptr_t data)
{
    HWND window = As(hwnd(), WindowKind::ListBox);
    if (!window || !InRange(*window, index))
        return LB_ERR;
    window->SetRowData(static_cast<size_t>(index), data);
    return 0;
}

uintptr_t ListBoxControl::GetItemData(int index) const
{
    HWND window = As(hwnd(), WindowKind::ListBox);
    if (!window || !InRange(*window, index))
        return static_cast<uintptr_t>(LB_ERR);
    return window->rows()[static_cast<size_t>(index)].data;
}

int ListBoxControl::GetText(int index, std::string& text) const
{
    return RowText(As(hwnd(), WindowKind::ListBox), index, text, LB_ERR);
}

int ListBoxControl::GetTextLen(int index) const
{
    std::string text;
    return GetText(index, text);
}

void ComboBoxControl::ResetContent()
{
    if (HWND window = As(hwnd(), WindowKind::ComboBox))
        window->ClearRows();
}

int ComboBoxControl::AddString(std::string_view text)
{
    HWND window = As(hwnd(), WindowKind::ComboBox);
    return window ? Insert(*window, window->rows().size(), text, CB_ERRSPACE) : CB_ERR;
}

int ComboBoxControl::GetCount() const
{
    HWND window = As(hwnd(), WindowKind::ComboBox);
    return window ? static_cast<int>(window->rows().size()) : CB_ERR;
}

int ComboBoxControl::GetCurSel() const
{
    HWND window = As(hwnd(), WindowKind::ComboBox);
    return window ? window->selection() : CB_ERR;
}

int ComboBoxControl::SetCurSel(int index)
{
    HWND window = As(hwnd(), WindowKind::ComboBox);
    if (!window)
        return CB_ERR;
    if (!InRange(*window, index)) {
        window->SetSelectionIndex(-1);
        return CB_ERR;
    }
    window->SetSelectionIndex(index);
    return index;
}

int ComboBoxControl::GetLBText(int index, std::string& text) const
{
    return RowText(As(hwnd(), WindowKind::ComboBox), index, text, CB_ERR);
}
