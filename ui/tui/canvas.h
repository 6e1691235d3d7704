// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once
// The screen as a grid of character cells, drawn afresh for every frame and handed to the
// terminal whole. Nothing here knows the terminal: styles are named by role, and the terminal
// picks colours or attributes for them.
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "ui/base/win_defs.h"

namespace tui {

enum class CellStyle : uint8_t {
    Desktop,        // behind every window
    HintBar,        // the key help on the bottom line
    Window,         // a dialog's surface
    Frame,          // a dialog's border
    Caption,        // a dialog's caption in its border
    Disabled,       // a control that cannot be used: dimmed
    Field,          // an edit field, a list's rows, a drop-down list
    FieldDisabled,
    DefaultButton,  // the button Enter presses
    Focused,        // the control with the keyboard focus (buttons, check boxes)
    Selected,       // a list's selected row, or selected text in a field
    Chosen,         // the control that "What's This?" would explain
    Popup,          // help popups, menus and message boxes
};
// Keep it the last style: the terminal gives each style up to it a look of its own.
inline constexpr CellStyle kLastCellStyle = CellStyle::Popup;

// The right half of a wide character (CellWidth 2), which stands in the cell before it.
inline constexpr char32_t kWideTail = 0;

struct Cell {
    char32_t ch = U' ';
    CellStyle style = CellStyle::Desktop;
    bool underline = false;   // a mnemonic letter
    friend bool operator==(const Cell&, const Cell&) = default;
};

// Box-drawing characters; the terminal shows them with its line-drawing set.
inline constexpr char32_t kLineHorizontal = U'\u2500';
inline constexpr char32_t kLineVertical = U'\u2502';
inline constexpr char32_t kCornerTopLeft = U'\u250C';
inline constexpr char32_t kCornerTopRight = U'\u2510';
inline constexpr char32_t kCornerBottomLeft = U'\u2514';
inline constexpr char32_t kCornerBottomRight = U'\u2518';
inline constexpr char32_t kArrowUp = U'\u2191';
inline constexpr char32_t kArrowDown = U'\u2193';

class Canvas {
public:
    Canvas(int width, int height);

    int width() const { return m_width; }
    int height() const { return m_height; }
    const Cell& at(int x, int y) const;

    // Everything drawn is cut to the clip rectangle (the whole canvas unless narrowed).
    void SetClip(const Rect& clip);
    void ResetClip();
    const Rect& clip() const { return m_clip; }

    // A wide character takes the next cell too (a blank in its place where that is out of sight);
    // a character put over either half of a wide one blanks its other half.
    void Put(int x, int y, char32_t ch, CellStyle style, bool underline = false);
    // Draws `text` from (x, y) on one line, at most `maxWidth` cells (no limit when negative);
    // returns the cells drawn.
    int Text(int x, int y, std::u32string_view text, CellStyle style, int maxWidth = -1);
    void Fill(const Rect& rect, CellStyle style, char32_t ch = U' ');
    // A single-line border just inside `rect`.
    void Box(const Rect& rect, CellStyle style);
    // Restyles a rectangle, keeping its characters.
    void Restyle(const Rect& rect, CellStyle style);

    // Where the terminal's cursor stands after the frame; hidden when not set.
    void SetCursor(int x, int y);
    bool cursorVisible() const { return m_cursorVisible; }
    Point cursor() const { return m_cursor; }

    // One row as UTF-8 text, for tests and logs.
    std::string RowText(int y) const;
    // The first row that contains `text`, or -1.
    int FindRow(std::string_view text) const;

private:
    bool Visible(int x, int y) const;
    Cell& CellAt(int x, int y);
    // Blanks the other half of a wide character that cell (x, y) is half of, before it changes.
    void Vacate(int x, int y);

    int m_width;
    int m_height;
    std::vector<Cell> m_cells;
    Rect m_clip;
    Point m_cursor;
    bool m_cursorVisible = false;
};

}   // namespace tui
