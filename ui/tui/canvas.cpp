// SPDX-License-Identifier: GPL-2.0-or-later
#include "ui/tui/canvas.h"

#include <algorithm>

#include "ui/tui/tui_text.h"

namespace tui {

Canvas::Canvas(int width, int height)
    : m_width(std::max(width, 0)), m_height(std::max(height, 0)),
      m_cells(static_cast<size_t>(m_width) * static_cast<size_t>(m_height)), m_clip{0, 0, m_width, m_height}
{
}

const Cell& Canvas::at(int x, int y) const
{
    static const Cell outside;
    if (x < 0 || y < 0 || x >= m_width || y >= m_height)
        return outside;
    return m_cells[static_cast<size_t>(y) * static_cast<size_t>(m_width) + static_cast<size_t>(x)];
}

void Canvas::SetClip(const Rect& clip)
{
    m_clip = {std::max(clip.left, 0), std::max(clip.top, 0), std::min(clip.right, m_width),
              std::min(clip.bottom, m_height)};
}

void Canvas::ResetClip()
{
    m_clip = {0, 0, m_width, m_height};
}

bool Canvas::Visible(int x, int y) const
{
    return x >= m_clip.left && x < m_clip.right && y >= m_clip.top && y < m_clip.bottom;
}

Cell& Canvas::CellAt(int x, int y)
{
    return m_cells[static_cast<size_t>(y) * static_cast<size_t>(m_width) + static_cast<size_t>(x)];
}

void Canvas::Vacate(int x, int y)
{
    Cell& cell = CellAt(x, y);
    if (cell.ch == kWideTail && x > 0)
        CellAt(x - 1, y).ch = U' ';
    else if (CellWidth(cell.ch) == 2 && x + 1 < m_width)
        CellAt(x + 1, y).ch = U' ';
}

void Canvas::Put(int x, int y, char32_t ch, CellStyle style, bool underline)
{
    if (!Visible(x, y))
        return;
    // Control characters would move the terminal's cursor; they show as a blank.
    if (ch < 0x20 || (ch >= 0x7F && ch < 0xA0))
        ch = U' ';
    const bool wide = CellWidth(ch) == 2;
    if (wide && !Visible(x + 1, y))
        ch = U' ';
    Vacate(x, y);
    CellAt(x, y) = {ch, style, underline};
    if (wide && ch != U' ') {
        Vacate(x + 1, y);
        CellAt(x + 1, y) = {kWideTail, style, underline};
    }
}

int Canvas::Text(int x, int y, std::u32string_view text, CellStyle style, int maxWidth)
{
    int used = 0;
    for (const char32_t c : text) {
        const int width = CellWidth(c);
        if (maxWidth >= 0 && used + width > maxWidth)
            break;
        Put(x + used, y, c, style);
        used += width;
    }
    return used;
}

void Canvas::Fill(const Rect& rect, CellStyle style, char32_t ch)
{
    for (int y = rect.top; y < rect.bottom; ++y)
        for (int x = rect.left; x < rect.right; ++x)
            Put(x, y, ch, style);
}

void Canvas::Box(const Rect& rect, CellStyle style)
{
    if (rect.width() < 2 || rect.height() < 2)
        return;
    const int right = rect.right - 1;
    const int bottom = rect.bottom - 1;
    for (int x = rect.left + 1; x < right; ++x) {
        Put(x, rect.top, kLineHorizontal, style);
        Put(x, bottom, kLineHorizontal, style);
    }
    for (int y = rect.top + 1; y < bottom; ++y) {
        Put(rect.left, y, kLineVertical, style);
        Put(right, y, kLineVertical, style);
    }
    Put(rect.left, rect.top, kCornerTopLeft, style);
    Put(right, rect.top, kCornerTopRight, style);
    Put(rect.left, bottom, kCornerBottomLeft, style);
    Put(right, bottom, kCornerBottomRight, style);
}

void Canvas::Restyle(const Rect& rect, CellStyle style)
{
    for (int y = rect.top; y < rect.bottom; ++y)
        for (int x = rect.left; x < rect.right; ++x)
            if (Visible(x, y))
                CellAt(x, y).style = style;
}

void Canvas::SetCursor(int x, int y)
{
    m_cursorVisible = x >= 0 && y >= 0 && x < m_width && y < m_height;
    m_cursor = {x, y};
}

std::string Canvas::RowText(int y) const
{
    std::u32string row;
    for (int x = 0; x < m_width; ++x)
        if (at(x, y).ch != kWideTail)
            row.push_back(at(x, y).ch);
    return ToUtf8(row);
}

int Canvas::FindRow(std::string_view text) const
{
    for (int y = 0; y < m_height; ++y)
        if (RowText(y).find(text) != std::string::npos)
            return y;
    return -1;
}

}   // namespace tui
