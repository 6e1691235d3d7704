// SPDX-License-Identifier: GPL-2.0-or-later
#include "ui/tui/dialog_view.h"

#include <algorithm>

#include "ui/base/user_input.h"
#include "ui/base/window_api.h"
#include "ui/tui/tui_text.h"

namespace tui {

namespace {

// A window "What's This?" can explain: any shown control, labels and group boxes included.
bool Explainable(const LiveWindow& window)
{
    return window.IsWindowVisible() && window.kind() != WindowKind::Other;
}

// How far a window spanning [windowLow, windowHigh) on an axis of `screen` cells moves so that
// [low, high) is on the screen, its start first when it cannot show whole; none when it fits.
int ScrollShift(int low, int high, int windowLow, int windowHigh, int screen)
{
    if (windowHigh - windowLow <= screen)
        return 0;
    int shift = high > screen ? screen - high : 0;
    if (low + shift < 0)
        shift = -low;
    // Never so far that the window leaves part of the screen empty.
    return std::clamp(shift, screen - windowHigh, -windowLow);
}

}   // namespace

Point CentredPosition(TerminalSize screen, int width, int height)
{
    return {(screen.columns - width) / 2, (screen.rows - height) / 3};
}

DialogView::DialogView(CDialog& dialog, TerminalSize size) : m_dialog(dialog)
{
    Relayout(size);
    m_dialog.SetObserver(this);
}

DialogView::~DialogView()
{
    if (m_dialog.observer() == this)
        m_dialog.SetObserver(nullptr);
}

void DialogView::Relayout(TerminalSize size)
{
    m_size = size;
    // The bottom line keeps the key help where the dialog can do without it.
    TerminalSize room{size.columns, size.rows - 1};
    if (const DialogTemplate* dialogTemplate = m_dialog.dialogTemplate()) {
        m_layout = CellLayout::Fit(*dialogTemplate, room.columns, room.rows);
        if (m_layout.clientHeight() + 2 > room.rows) {
            m_layout = CellLayout::Fit(*dialogTemplate, size.columns, size.rows);
            room = size;
        }
    }
    const Rect window = WindowRect();
    Move(CentredPosition(room, window.width(), window.height()));
}

Rect DialogView::WindowRect() const
{
    return {m_position.x, m_position.y, m_position.x + m_layout.clientWidth() + 2,
            m_position.y + m_layout.clientHeight() + 2};
}

Point DialogView::ClientOrigin() const
{
    return {m_position.x + 1, m_position.y + 1};
}

void DialogView::Move(Point topLeft)
{
    // A window larger than the terminal shows its caption and first controls; one that fits
    // stays whole on the screen.
    const int width = m_layout.clientWidth() + 2;
    const int height = m_layout.clientHeight() + 2;
    topLeft.x = std::max(0, std::min(topLeft.x, m_size.columns - width));
    topLeft.y = std::max(0, std::min(topLeft.y, m_size.rows - height));
    m_position = topLeft;
}

void DialogView::ShowFocus()
{
    HWND focus = m_dialog.GetFocus();
    if (!IsWindow(focus) || focus == m_dialog.GetSafeHwnd())
        return;
    const Rect control = ControlRect(focus);
    const Rect window = WindowRect();
    m_position.x += ScrollShift(control.left, control.right, window.left, window.right, m_size.columns);
    m_position.y += ScrollShift(control.top, control.bottom, window.top, window.bottom, m_size.rows);
}

Rect DialogView::ControlRect(const LiveWindow* window) const
{
    const Rect cells = m_layout.Map(window->dialogUnitRect());
    const Point origin = ClientOrigin();
    return {cells.left + origin.x, cells.top + origin.y, cells.right + origin.x, cells.bottom + origin.y};
}

void DialogView::SelectAll(HWND edit)
{
    EditState& state = Edit(edit);
    state.anchor = 0;
    state.caret = CharacterCount(edit->text());
}

void DialogView::FocusByKeyboard(HWND window)
{
    UserFocus(window);
    if (IsWindow(window) && m_dialog.GetFocus() == window && window->kind() == WindowKind::Edit)
        SelectAll(window);
}

void DialogView::StartWhatsThis()
{
    // It starts at the control with the focus, which is where the user is looking.
    HWND focus = m_dialog.GetFocus();
    m_whatsThis = IsWindow(focus) && Explainable(*focus) ? focus : nullptr;
    if (!m_whatsThis)
        StepWhatsThis(false);
}

void DialogView::StepWhatsThis(bool backward)
{
    HWND frame = m_dialog.GetSafeHwnd();
    if (!frame)
        return;
    const auto& children = frame->children();
    const auto count = static_cast<int>(children.size());
    int at = -1;
    for (int i = 0; i < count; ++i)
        if (children[static_cast<size_t>(i)].get() == m_whatsThis)
            at = i;
    for (int step = 1; step <= count; ++step) {
        // With nothing chosen yet, the round starts at the first (or last) window.
        const int from = at < 0 ? (backward ? count : -1) : at;
        const int next = ((from + (backward ? -step : step)) % count + count) % count;
        HWND candidate = children[static_cast<size_t>(next)].get();
        if (Explainable(*candidate)) {
            m_whatsThis = candidate;
            return;
        }
    }
}

void DialogView::OnWindowChanged(HWND window, WindowChange change)
{
    if (change == WindowChange::Text && window->kind() == WindowKind::Edit) {
        // The text came from the dialog (or from the key just typed, which set the caret after
        // this): the caret stays where it was as far as the text reaches.
        EditState& state = Edit(window);
        state.caret = std::min(state.caret, CharacterCount(window->text()));
        state.anchor = state.caret;
    } else if (change == WindowChange::Visible && window == m_whatsThis && !window->IsWindowVisible()) {
        m_whatsThis = nullptr;
    }
}

}   // namespace tui
