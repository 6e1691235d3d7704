// SPDX-License-Identifier: GPL-2.0-or-later
#include "ui/tui/dialog_painter.h"

#include <algorithm>

#include "res/window_styles.h"
#include "ui/base/control_kind.h"
#include "ui/tui/control_cells.h"
#include "ui/tui/tui_text.h"

namespace tui {

namespace {

struct PaintContext {
    Canvas& canvas;
    DialogView& view;
    bool active;
    HWND focus;
};

CellStyle Dimmed(const LiveWindow& window, CellStyle normal)
{
    return window.IsWindowEnabled() ? normal : CellStyle::Disabled;
}

// A caption with its mnemonic underlined, at most `width` cells.
void PaintCaption(Canvas& canvas, int x, int y, std::string_view caption, CellStyle style, int width)
{
    const MnemonicText text = StripMnemonic(caption);
    canvas.Text(x, y, text.text, style, width);
    if (text.hotkey >= 0 && text.hotkey < width)
        canvas.Put(x + text.hotkey, y, text.text[static_cast<size_t>(text.hotkey)], style, true);
}

void PaintLabel(const PaintContext& context, const LiveWindow& window, const Rect& rect)
{
    const MnemonicText text = StripMnemonic(window.text());
    const CellStyle style = Dimmed(window, CellStyle::Window);
    const std::vector<std::u32string> lines = WrapText(text.text, rect.width());
    size_t offset = 0;
    for (size_t i = 0; i < lines.size() && static_cast<int>(i) < rect.height(); ++i) {
        const int y = rect.top + static_cast<int>(i);
        context.canvas.Text(rect.left, y, lines[i], style, rect.width());
        // Where the line came from in the text, to underline the mnemonic on the right line.
        offset = text.text.find(lines[i], offset);
        if (offset == std::u32string::npos)
            break;
        const int column = text.hotkey - static_cast<int>(offset);
        if (column >= 0 && column < static_cast<int>(lines[i].size()))
            context.canvas.Put(rect.left + column, y, lines[i][static_cast<size_t>(column)], style, true);
        offset += lines[i].size();
    }
}

void PaintPushButton(const PaintContext& context, const LiveWindow& window, const Rect& rect)
{
    const bool focused = context.active && context.focus == &window;
    CellStyle style = window.IsDefaultButton() ? CellStyle::DefaultButton : CellStyle::Window;
    if (focused)
        style = CellStyle::Focused;
    style = Dimmed(window, style);
    const int y = rect.top + (rect.height() - 1) / 2;
    const auto captionLength = static_cast<int>(StripMnemonic(window.text()).text.size());
    const int inside = std::max(rect.width() - kPushButtonMargin, 0);
    context.canvas.Fill({rect.left, y, rect.right, y + 1}, style);
    context.canvas.Put(rect.left, y, U'[', style);
    context.canvas.Put(rect.right - 1, y, U']', style);
    const int x = rect.left + 1 + std::max(inside - captionLength, 0) / 2;
    PaintCaption(context.canvas, x, y, window.text(), style, inside);
    if (focused)
        context.canvas.SetCursor(x, y);
}

void PaintCheck(const PaintContext& context, const LiveWindow& window, const Rect& rect, bool radio)
{
    const bool focused = context.active && context.focus == &window;
    const CellStyle style = Dimmed(window, CellStyle::Window);
    const int y = rect.top + (rect.height() - 1) / 2;
    const bool checked = window.check() == BST_CHECKED;
    const std::u32string mark = radio ? (checked ? U"(*)" : U"( )") : (checked ? U"[X]" : U"[ ]");
    context.canvas.Text(rect.left, y, mark, style, rect.width());
    PaintCaption(context.canvas, rect.left + kCheckMarkWidth, y, window.text(),
                 focused ? Dimmed(window, CellStyle::Focused) : style, rect.width() - kCheckMarkWidth);
    if (focused)
        context.canvas.SetCursor(rect.left + 1, y);
}

void PaintGroupBox(const PaintContext& context, const LiveWindow& window, const Rect& rect)
{
    const CellStyle style = Dimmed(window, CellStyle::Window);
    context.canvas.Box(rect, style);
    if (window.text().empty())
        return;
    // "┌─ caption ─┐", the caption cut when the box is too narrow for it.
    const int room = std::max(rect.width() - kGroupCaptionMargin, 0);
    const int shown = std::min(static_cast<int>(StripMnemonic(window.text()).text.size()), room);
    context.canvas.Put(rect.left + 2, rect.top, U' ', style);
    PaintCaption(context.canvas, rect.left + 3, rect.top, window.text(), style, room);
    context.canvas.Put(rect.left + 3 + shown, rect.top, U' ', style);
}

void PaintEdit(const PaintContext& context, const LiveWindow& window, const Rect& rect)
{
    const bool focused = context.active && context.focus == &window;
    const CellStyle style = window.IsWindowEnabled() ? CellStyle::Field : CellStyle::FieldDisabled;
    const int y = rect.top + (rect.height() - 1) / 2;
    const int width = rect.width();
    EditState& state = context.view.Edit(&window);
    const std::u32string text = FromAnsi(window.text());
    const auto length = static_cast<int>(text.size());
    state.caret = std::clamp(state.caret, 0, length);
    state.anchor = std::clamp(state.anchor, 0, length);
    // The cells the characters from `first` up to `last` take.
    const auto cells = [&text](int first, int last) {
        return CellCount(std::u32string_view(text).substr(static_cast<size_t>(first), static_cast<size_t>(last - first)));
    };
    // The caret stays in sight; the last cell is kept free for it at the end of the text.
    state.scroll = std::clamp(state.scroll, 0, state.caret);
    while (state.scroll < state.caret && cells(state.scroll, state.caret) > width - 1)
        ++state.scroll;
    context.canvas.Fill({rect.left, y, rect.right, y + 1}, style);
    const int from = std::min(state.caret, state.anchor);
    const int to = std::max(state.caret, state.anchor);
    for (int i = state.scroll, x = rect.left; i < length; ++i) {
        const char32_t c = text[static_cast<size_t>(i)];
        if (x + CellWidth(c) > rect.right)
            break;
        const bool selected = focused && i >= from && i < to;
        context.canvas.Put(x, y, c, selected ? CellStyle::Selected : style);
        x += CellWidth(c);
    }
    if (focused)
        context.canvas.SetCursor(rect.left + cells(state.scroll, state.caret), y);
}

void PaintRows(const PaintContext& context, const LiveWindow& window, const Rect& inside, bool bordered,
               const Rect& rect)
{
    const bool focused = context.active && context.focus == &window;
    const CellStyle style = window.IsWindowEnabled() ? CellStyle::Field : CellStyle::FieldDisabled;
    const auto& rows = window.rows();
    const auto count = static_cast<int>(rows.size());
    const int visible = std::max(inside.height(), 1);
    int& top = context.view.ListTop(&window);
    if (window.selection() >= 0)
        top = std::clamp(top, window.selection() - visible + 1, window.selection());
    top = std::clamp(top, 0, std::max(count - visible, 0));
    context.canvas.Fill(inside, style);
    for (int i = 0; i < visible && top + i < count; ++i) {
        const int row = top + i;
        const bool selected = row == window.selection() && window.IsWindowEnabled();
        const int y = inside.top + i;
        if (selected)
            context.canvas.Fill({inside.left, y, inside.right, y + 1}, CellStyle::Selected);
        context.canvas.Text(inside.left, y, FromAnsi(rows[static_cast<size_t>(row)].text),
                            selected ? CellStyle::Selected : style, inside.width());
    }
    if (bordered) {
        context.canvas.Box(rect, Dimmed(window, CellStyle::Window));
        if (top > 0)
            context.canvas.Put(rect.right - 1, rect.top + 1, kArrowUp, Dimmed(window, CellStyle::Window));
        if (top + visible < count)
            context.canvas.Put(rect.right - 1, rect.bottom - 2, kArrowDown, Dimmed(window, CellStyle::Window));
    }
    if (focused) {
        const int row = std::max(window.selection(), top);
        context.canvas.SetCursor(inside.left, inside.top + std::min(row - top, visible - 1));
    }
}

void PaintListBox(const PaintContext& context, const LiveWindow& window, const Rect& rect)
{
    const bool bordered = rect.height() >= 3 && rect.width() >= 3;
    const Rect inside = bordered ? Rect{rect.left + 1, rect.top + 1, rect.right - 1, rect.bottom - 1} : rect;
    PaintRows(context, window, inside, bordered, rect);
}

void PaintDropList(const PaintContext& context, const LiveWindow& window, const Rect& rect)
{
    const bool focused = context.active && context.focus == &window;
    const CellStyle style = window.IsWindowEnabled() ? CellStyle::Field : CellStyle::FieldDisabled;
    const int y = rect.top;
    context.canvas.Fill({rect.left, y, rect.right, y + 1}, style);
    if (window.selection() >= 0 && window.selection() < static_cast<int>(window.rows().size()))
        context.canvas.Text(rect.left, y, FromAnsi(window.rows()[static_cast<size_t>(window.selection())].text),
                            focused ? CellStyle::Selected : style, rect.width() - 1);
    context.canvas.Put(rect.right - 1, y, kArrowDown, style);
    if (focused)
        context.canvas.SetCursor(rect.left, y);
}

void PaintIcon(const PaintContext& context, const Rect& rect)
{
    context.canvas.Text(rect.left, rect.top, U"[N]", CellStyle::Caption, rect.width());
}

void PaintControl(const PaintContext& context, const LiveWindow& window)
{
    const Rect rect = context.view.ControlRect(&window);
    if (rect.width() <= 0 || rect.height() <= 0)
        return;
    switch (ControlKindOf(window)) {
    case ControlKind::Label:
        PaintLabel(context, window, rect);
        break;
    case ControlKind::Icon:
        PaintIcon(context, rect);
        break;
    case ControlKind::Separator:
        for (int x = rect.left; x < rect.right; ++x)
            context.canvas.Put(x, rect.top, kLineHorizontal, CellStyle::Window);
        break;
    case ControlKind::GroupBox:
        PaintGroupBox(context, window, rect);
        break;
    case ControlKind::PushButton:
        PaintPushButton(context, window, rect);
        break;
    case ControlKind::CheckBox:
        PaintCheck(context, window, rect, false);
        break;
    case ControlKind::RadioButton:
        PaintCheck(context, window, rect, true);
        break;
    case ControlKind::Edit:
        PaintEdit(context, window, rect);
        break;
    case ControlKind::ListBox:
        PaintListBox(context, window, rect);
        break;
    case ControlKind::ComboBox:
        PaintDropList(context, window, rect);
        break;
    case ControlKind::Other:
        break;
    }
}

}   // namespace

void PaintFrame(Canvas& canvas, const Rect& window, std::string_view caption)
{
    canvas.Fill(window, CellStyle::Window);
    canvas.Box(window, CellStyle::Frame);
    const std::u32string title = U" " + FromAnsi(caption) + U" ";
    const auto shown = std::min(static_cast<int>(title.size()), std::max(window.width() - 4, 0));
    canvas.Text(window.left + (window.width() - shown) / 2, window.top, title, CellStyle::Caption, shown);
}

void PaintDialog(Canvas& canvas, DialogView& view, bool active)
{
    const CDialog& dialog = view.dialog();
    HWND frame = dialog.GetSafeHwnd();
    if (!frame)
        return;
    const Rect window = view.WindowRect();
    PaintFrame(canvas, window, frame->text());
    canvas.SetClip({window.left + 1, window.top + 1, window.right - 1, window.bottom - 1});
    const PaintContext context{canvas, view, active, dialog.GetFocus()};
    for (const auto& child : frame->children())
        if (child->IsWindowVisible())
            PaintControl(context, *child);
    if (active && view.whatsThisChoice())
        canvas.Restyle(view.ControlRect(view.whatsThisChoice()), CellStyle::Chosen);
    canvas.ResetClip();
}

}   // namespace tui
