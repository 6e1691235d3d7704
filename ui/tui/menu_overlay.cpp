// SPDX-License-Identifier: GPL-2.0-or-later
#include "ui/tui/menu_overlay.h"

#include <algorithm>

#include "res/resource_ids.h"
#include "ui/tui/tui_text.h"

namespace tui {

MenuOverlay::MenuOverlay(std::vector<MenuLine> lines, Point anchor, int current)
    : m_lines(std::move(lines)), m_anchor(anchor),
      m_current(std::clamp(current, 0, std::max(static_cast<int>(m_lines.size()) - 1, 0)))
{
    if (!m_lines.empty() && m_lines[static_cast<size_t>(m_current)].separator)
        Step(1);
}

void MenuOverlay::Paint(Canvas& canvas)
{
    int textWidth = 0;
    for (const MenuLine& line : m_lines)
        textWidth = std::max(textWidth, static_cast<int>(StripMnemonic(line.text).text.size()));
    const int width = std::min(textWidth + 4, canvas.width());
    const int height = std::min(static_cast<int>(m_lines.size()) + 2, canvas.height());
    const int x = std::max(std::min(m_anchor.x, canvas.width() - width), 0);
    const int y = std::max(std::min(m_anchor.y, canvas.height() - height), 0);
    const Rect box{x, y, x + width, y + height};
    const int visible = std::max(height - 2, 1);
    m_top = std::clamp(m_top, std::max(m_current - visible + 1, 0), m_current);
    canvas.Fill(box, CellStyle::Window);
    canvas.Box(box, CellStyle::Frame);
    for (int i = 0; i < visible && m_top + i < static_cast<int>(m_lines.size()); ++i) {
        const MenuLine& line = m_lines[static_cast<size_t>(m_top + i)];
        const int row = box.top + 1 + i;
        if (line.separator) {
            for (int column = box.left + 1; column < box.right - 1; ++column)
                canvas.Put(column, row, kLineHorizontal, CellStyle::Frame);
            continue;
        }
        const bool current = m_top + i == m_current;
        const CellStyle style = current ? CellStyle::Focused : CellStyle::Window;
        canvas.Fill({box.left + 1, row, box.right - 1, row + 1}, style);
        const MnemonicText text = StripMnemonic(line.text);
        canvas.Text(box.left + 2, row, text.text, style, width - 4);
        if (text.hotkey >= 0 && text.hotkey < width - 4)
            canvas.Put(box.left + 2 + text.hotkey, row, text.text[static_cast<size_t>(text.hotkey)], style, true);
        if (current)
            canvas.SetCursor(box.left + 2, row);
    }
}

void MenuOverlay::Step(int direction)
{
    const auto count = static_cast<int>(m_lines.size());
    for (int step = 1; step <= count; ++step) {
        const int next = ((m_current + direction * step) % count + count) % count;
        if (!m_lines[static_cast<size_t>(next)].separator) {
            m_current = next;
            return;
        }
    }
}

void MenuOverlay::HandleKey(const Key& key)
{
    if (m_lines.empty()) {
        m_done = true;
        return;
    }
    switch (key.code) {
    case KeyCode::Up:
    case KeyCode::BackTab:
        Step(-1);
        return;
    case KeyCode::Down:
    case KeyCode::Tab:
        Step(1);
        return;
    case KeyCode::Enter:
        m_chosen = m_current;
        m_done = true;
        return;
    case KeyCode::Escape:
    case KeyCode::F10:
        m_done = true;
        return;
    case KeyCode::Char:
        if (key.ch == U' ' && !key.alt) {
            m_chosen = m_current;
            m_done = true;
            return;
        }
        for (size_t i = 0; i < m_lines.size(); ++i) {
            if (!m_lines[i].separator && MnemonicOf(m_lines[i].text) == FoldCase(key.ch)) {
                m_chosen = static_cast<int>(i);
                m_done = true;
                return;
            }
        }
        return;
    default:
        return;
    }
}

std::u32string MenuOverlay::Hint() const
{
    return LoadText(IDS_HINT_MENU);
}

}   // namespace tui
