// SPDX-License-Identifier: GPL-2.0-or-later
#include "ui/tui/control_cells.h"

#include <algorithm>

#include "res/translation.h"
#include "ui/base/control_kind.h"
#include "ui/tui/tui_text.h"

namespace tui {

namespace {

constexpr int kListBoxRows = 3;   // a border and one row
constexpr int kFieldColumns = 2;

// The caption as the live control shows it, in the user's language.
std::u32string Caption(const ControlTemplate& control)
{
    return StripMnemonic(Translate(control.text)).text;
}

int CaptionLength(const ControlTemplate& control)
{
    return static_cast<int>(Caption(control).size());
}

// A label may wrap between its words, never inside one.
int LongestWord(const ControlTemplate& control)
{
    const std::u32string text = Caption(control);
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

int MinimumColumns(const ControlTemplate& control)
{
    switch (ControlKindOf(control)) {
    case ControlKind::PushButton:
        return CaptionLength(control) + kPushButtonMargin;
    case ControlKind::CheckBox:
    case ControlKind::RadioButton:
        return CaptionLength(control) + kCheckMarkWidth;
    case ControlKind::GroupBox:
        return CaptionLength(control) + kGroupCaptionMargin;
    case ControlKind::Edit:
    case ControlKind::ComboBox:
        return kFieldColumns;
    case ControlKind::ListBox:
        return kFieldColumns + 2;
    case ControlKind::Label:
        return std::max(LongestWord(control), 1);
    case ControlKind::Icon:
    case ControlKind::Separator:
        return 1;
    case ControlKind::Other:
        break;
    }
    return 0;
}

int MinimumRows(const ControlTemplate& control, int columns)
{
    switch (ControlKindOf(control)) {
    case ControlKind::Label: {
        const std::u32string text = Caption(control);
        return text.empty() ? 0 : static_cast<int>(WrapText(text, columns).size());
    }
    case ControlKind::GroupBox:
        return 2;
    case ControlKind::ListBox:
        return kListBoxRows;
    case ControlKind::Icon:
    case ControlKind::Separator:
    case ControlKind::PushButton:
    case ControlKind::CheckBox:
    case ControlKind::RadioButton:
    case ControlKind::Edit:
    case ControlKind::ComboBox:
        return 1;
    case ControlKind::Other:
        break;
    }
    return 0;
}

}   // namespace tui
