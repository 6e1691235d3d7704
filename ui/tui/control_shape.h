#pragma once
// What a control looks like in a terminal, decided by its window class and style, and the least
// room each shape needs to be read.
#include <cstdint>
#include <string_view>

#include "res/dialog_template.h"

namespace tui {

enum class ControlShape {
    Label,        // static text, wrapped in its rectangle
    Icon,         // a static icon
    Separator,    // an etched line
    GroupBox,     // a border with a caption
    PushButton,   // "< OK >"
    CheckBox,     // "[x] Text"
    RadioButton,  // "(*) Text"
    Edit,         // a one-line field
    ListBox,      // rows in a border
    DropList,     // the chosen item and a drop-down mark
    Other,
};

ControlShape ShapeOf(std::string_view className, uint32_t style);
bool IsGroupBox(std::string_view className, uint32_t style);

// Cells a shown control needs across, and down at `columns` wide (a label all its lines).
int MinimumColumns(const ControlTemplate& control);
int MinimumRows(const ControlTemplate& control, int columns);

// Cells around a button's or box's caption: "< " and " >", "[x] ", "┌ " and " ┐".
inline constexpr int kPushButtonMargin = 2;
inline constexpr int kCheckMarkWidth = 4;
inline constexpr int kGroupCaptionMargin = 4;

}   // namespace tui
