// SPDX-License-Identifier: GPL-2.0-or-later
// The keys of the focused control: typing and moving in a field, moving in a list, pressing a
// button and moving in its group, done through the layer's input entry points so that the dialog
// sees the usual notifications. The dialog's own keys are commands (host_keys.cpp).
#include <algorithm>

#include "platform/ansi_text.h"
#include "res/window_styles.h"
#include "ui/base/user_input.h"
#include "ui/base/window_api.h"
#include "ui/base/control_kind.h"
#include "ui/host/host_text.h"
#include "ui/tui/dialog_view.h"
#include "ui/tui/tui_text.h"

namespace tui {

namespace {

constexpr int kPageRows = 8;

// A control the keyboard can put the focus on: shown, enabled, and not a label or a group box.
bool Focusable(const LiveWindow& window)
{
    return window.IsWindowVisible() && window.IsWindowEnabled() && TakesInput(ControlKindOf(window));
}

// The row a list or drop-down list moves to for a navigation key; -2 for a key that is not one.
int NavigatedRow(const LiveWindow& list, const Key& key)
{
    const auto count = static_cast<int>(list.rows().size());
    const int current = list.selection();
    if (count == 0)
        return -2;
    switch (key.code) {
    case KeyCode::Up:
        return std::max(current - 1, 0);
    case KeyCode::Down:
        return std::min(current + 1, count - 1);
    case KeyCode::PageUp:
        return std::max(current - kPageRows, 0);
    case KeyCode::PageDown:
        return std::min(std::max(current, 0) + kPageRows, count - 1);
    case KeyCode::Home:
        return 0;
    case KeyCode::End:
        return count - 1;
    default:
        return -2;
    }
}

// The next row after the current one whose text starts with `letter`, wrapping; -2 when none.
int TypedRow(const LiveWindow& list, char32_t letter)
{
    const auto count = static_cast<int>(list.rows().size());
    for (int step = 1; step <= count; ++step) {
        const int row = (std::max(list.selection(), -1) + step) % count;
        const std::string& text = list.rows()[static_cast<size_t>(row)].text;
        if (!text.empty() && FoldCase(DecodeAnsiChar(text, 0).code) == FoldCase(letter))
            return row;
    }
    return -2;
}

}   // namespace

bool DialogView::HandleKey(const Key& key, TerminalIo& terminal)
{
    HWND focus = m_dialog.GetFocus();
    if (!IsWindow(focus) || focus == m_dialog.GetSafeHwnd())
        return false;
    switch (ControlKindOf(*focus)) {
    case ControlKind::Edit:
        return HandleEditKey(focus, key, terminal);
    case ControlKind::ListBox:
    case ControlKind::ComboBox:
        return HandleListKey(focus, key);
    case ControlKind::PushButton:
    case ControlKind::CheckBox:
    case ControlKind::RadioButton:
        return HandleButtonKey(focus, key);
    default:
        return false;
    }
}

bool DialogView::HandleEditKey(HWND edit, const Key& key, TerminalIo& terminal)
{
    // The caret and the selection count characters (cells); the text is changed in its bytes, so
    // that bytes that start no character stay as they are wherever the user does not edit.
    EditState& state = Edit(edit);
    const std::string text = edit->text();
    const int length = CharacterCount(text);
    state.caret = std::clamp(state.caret, 0, length);
    state.anchor = std::clamp(state.anchor, 0, length);
    const int from = std::min(state.caret, state.anchor);
    const int to = std::max(state.caret, state.anchor);

    // Puts `inserted` in place of the characters from `cutFrom` to `cutTo`, as typing does.
    const auto replace = [&](std::string_view inserted, int cutFrom, int cutTo) {
        std::string changed = text.substr(0, CharacterOffset(text, cutFrom));
        changed += inserted;
        changed += text.substr(CharacterOffset(text, cutTo));
        const int limit = edit->textLimit();
        if (limit > 0 && changed.size() > static_cast<size_t>(limit) && changed.size() > text.size()) {
            terminal.Beep();   // the field is full
            m_notice = FromAnsi(FieldFullText(limit));
            return;
        }
        const int caret = cutFrom + CharacterCount(inserted);
        UserTypeText(edit, changed);
        EditState& after = Edit(edit);
        after.caret = after.anchor = std::min(caret, CharacterCount(edit->text()));
    };
    const auto moveTo = [&](int caret) {
        state.caret = std::clamp(caret, 0, length);
        if (!key.shift)
            state.anchor = state.caret;
    };

    switch (key.code) {
    case KeyCode::Char:
        if (key.alt)
            return false;
        if (key.ctrl) {
            if (FoldCase(key.ch) != U'a')
                return false;
            SelectAll(edit);
            return true;
        }
        replace(ToAnsi(std::u32string(1, key.ch)), from, to);
        return true;
    case KeyCode::Backspace:
        if (from != to)
            replace("", from, to);
        else if (from > 0)
            replace("", from - 1, from);
        return true;
    case KeyCode::Delete:
        if (from != to)
            replace("", from, to);
        else if (from < length)
            replace("", from, from + 1);
        return true;
    case KeyCode::Left:
        moveTo(from != to && !key.shift ? from : state.caret - 1);
        return true;
    case KeyCode::Right:
        moveTo(from != to && !key.shift ? to : state.caret + 1);
        return true;
    case KeyCode::Home:
        moveTo(0);
        return true;
    case KeyCode::End:
        moveTo(length);
        return true;
    default:
        return false;
    }
}

bool DialogView::HandleListKey(HWND list, const Key& key)
{
    if (key.alt || key.ctrl)
        return false;
    int row = NavigatedRow(*list, key);
    if (row == -2 && key.code == KeyCode::Char && key.ch > U' ')
        row = TypedRow(*list, key.ch);
    if (row == -2)
        return key.code == KeyCode::Char && key.ch > U' ';
    if (row != list->selection())
        UserSelectRow(list, row);
    return true;
}

bool DialogView::HandleButtonKey(HWND button, const Key& key)
{
    if (key.IsChar(U' ')) {
        UserClick(button);
        return true;
    }
    switch (key.code) {
    case KeyCode::Up:
    case KeyCode::Left:
        return MoveInGroup(button, true);
    case KeyCode::Down:
    case KeyCode::Right:
        return MoveInGroup(button, false);
    default:
        return false;
    }
}

bool DialogView::MoveInGroup(HWND from, bool backward)
{
    // The group runs from the nearest control at or before `from` that starts one (WS_GROUP) up
    // to the next that does.
    const auto& siblings = from->parent()->children();
    const auto self = static_cast<size_t>(
        std::find_if(siblings.begin(), siblings.end(), [from](const auto& s) { return s.get() == from; }) -
        siblings.begin());
    size_t first = self;
    while (first > 0 && !(siblings[first]->style() & WS_GROUP))
        --first;
    size_t last = self + 1;
    while (last < siblings.size() && !(siblings[last]->style() & WS_GROUP))
        ++last;
    const size_t count = last - first;
    for (size_t step = 1; step < count; ++step) {
        const size_t offset = backward ? count - step : step;
        HWND candidate = siblings[first + (self - first + offset) % count].get();
        if (!Focusable(*candidate))
            continue;
        FocusByKeyboard(candidate);
        // An automatic radio button is chosen by moving onto it.
        if (IsAutoRadioButton(*candidate) && candidate->check() != BST_CHECKED)
            UserClick(candidate);
        return true;
    }
    return true;
}

}   // namespace tui
