#include "ui/tui/control_shape.h"

#include <algorithm>

#include "res/window_styles.h"
#include "ui/tui/tui_text.h"

namespace tui {

namespace {

constexpr int kListBoxRows = 3;   // a border and one row
constexpr int kFieldColumns = 2;

int CaptionLength(const ControlTemplate& control)
{
    return static_cast<int>(StripMnemonic(FromAnsi(control.text)).text.size());
}

// A label may wrap between its words, never inside one.
int LongestWord(const ControlTemplate& control)
{
    const std::u32string text = StripMnemonic(FromAnsi(control.text)).text;
    size_t longest = 0;
    size_t start = 0;
    while (start < text.size()) {
        size_t end = text.find(U' ', start);
        if (end == std::u32string::npos)
            end = text.size();
        longest = std::max(longest, end - start);
        start = end + 1;
    }
    return static_cast<int>(longest);
}

}   // namespace

ControlShape ShapeOf(std::string_view className, uint32_t style)
{
    if (className == "Button") {
        switch (style & BS_TYPEMASK) {
        case BS_GROUPBOX:
            return ControlShape::GroupBox;
        case BS_CHECKBOX:
        case BS_AUTOCHECKBOX:
            return ControlShape::CheckBox;
        case BS_RADIOBUTTON:
        case BS_AUTORADIOBUTTON:
            return ControlShape::RadioButton;
        default:
            return ControlShape::PushButton;
        }
    }
    if (className == "Static") {
        if ((style & SS_TYPEMASK) == SS_ICON)
            return ControlShape::Icon;
        if ((style & SS_TYPEMASK) == SS_ETCHEDHORZ)
            return ControlShape::Separator;
        return ControlShape::Label;
    }
    if (className == "Edit")
        return ControlShape::Edit;
    if (className == "ListBox")
        return ControlShape::ListBox;
    if (className == "ComboBox")
        return ControlShape::DropList;
    return ControlShape::Other;
}

bool IsGroupBox(std::string_view className, uint32_t style)
{
    return ShapeOf(className, style) == ControlShape::GroupBox;
}

int MinimumColumns(const ControlTemplate& control)
{
    switch (ShapeOf(control.className, control.style)) {
    case ControlShape::PushButton:
        return CaptionLength(control) + kPushButtonMargin;
    case ControlShape::CheckBox:
    case ControlShape::RadioButton:
        return CaptionLength(control) + kCheckMarkWidth;
    case ControlShape::GroupBox:
        return CaptionLength(control) + kGroupCaptionMargin;
    case ControlShape::Edit:
    case ControlShape::DropList:
        return kFieldColumns;
    case ControlShape::ListBox:
        return kFieldColumns + 2;
    case ControlShape::Label:
        return std::max(LongestWord(control), 1);
    case ControlShape::Icon:
    case ControlShape::Separator:
        return 1;
    case ControlShape::Other:
        break;
    }
    return 0;
}

int MinimumRows(const ControlTemplate& control, int columns)
{
    switch (ShapeOf(control.className, control.style)) {
    case ControlShape::Label: {
        const std::u32string text = StripMnemonic(FromAnsi(control.text)).text;
        return text.empty() ? 0 : static_cast<int>(WrapText(text, columns).size());
    }
    case ControlShape::GroupBox:
        return 2;
    case ControlShape::ListBox:
        return kListBoxRows;
    case ControlShape::Icon:
    case ControlShape::Separator:
    case ControlShape::PushButton:
    case ControlShape::CheckBox:
    case ControlShape::RadioButton:
    case ControlShape::Edit:
    case ControlShape::DropList:
        return 1;
    case ControlShape::Other:
        break;
    }
    return 0;
}

}   // namespace tui
