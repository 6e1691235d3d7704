// SPDX-License-Identifier: GPL-2.0-or-later
#include "ui/base/control_kind.h"

#include <strings.h>
#include <string>

#include "res/window_styles.h"

WindowKind WindowKindOf(std::string_view className)
{
    static constexpr struct {
        const char* name;
        WindowKind kind;
    } kinds[] = {
        {"#32770", WindowKind::Dialog}, {"Button", WindowKind::Button},   {"Edit", WindowKind::Edit},
        {"Static", WindowKind::Static}, {"ListBox", WindowKind::ListBox}, {"ComboBox", WindowKind::ComboBox},
    };
    const std::string name(className);
    for (const auto& entry : kinds)
        if (strcasecmp(entry.name, name.c_str()) == 0)
            return entry.kind;
    return WindowKind::Other;
}

ControlKind ControlKindOf(std::string_view className, uint32_t style, std::string_view text)
{
    switch (WindowKindOf(className)) {
    case WindowKind::Button:
        switch (style & BS_TYPEMASK) {
        case BS_GROUPBOX:
            return ControlKind::GroupBox;
        case BS_CHECKBOX:
        case BS_AUTOCHECKBOX:
            return ControlKind::CheckBox;
        case BS_RADIOBUTTON:
        case BS_AUTORADIOBUTTON:
            return ControlKind::RadioButton;
        default:
            return ControlKind::PushButton;
        }
    case WindowKind::Static:
        if ((style & SS_TYPEMASK) == SS_ICON)
            return ControlKind::Icon;
        // An empty sunken frame one unit high is how a resource editor draws a line too.
        if ((style & SS_TYPEMASK) == SS_ETCHEDHORZ || ((style & SS_SUNKEN) && text.empty()))
            return ControlKind::Separator;
        return ControlKind::Label;
    case WindowKind::Edit:
        return ControlKind::Edit;
    case WindowKind::ListBox:
        return ControlKind::ListBox;
    case WindowKind::ComboBox:
        return ControlKind::ComboBox;
    case WindowKind::Dialog:
    case WindowKind::Other:
        break;
    }
    return ControlKind::Other;
}

ControlKind ControlKindOf(const ControlTemplate& control)
{
    return ControlKindOf(control.className, control.style, control.text ? control.text : "");
}

ControlKind ControlKindOf(const LiveWindow& window)
{
    return ControlKindOf(window.className(), window.style(), window.text());
}

bool IsButton(ControlKind kind)
{
    return kind == ControlKind::PushButton || kind == ControlKind::CheckBox || kind == ControlKind::RadioButton;
}

bool TakesInput(ControlKind kind)
{
    return IsButton(kind) || kind == ControlKind::Edit || kind == ControlKind::ListBox || kind == ControlKind::ComboBox;
}

bool IsAutoRadioButton(const LiveWindow& window)
{
    return window.kind() == WindowKind::Button && (window.style() & BS_TYPEMASK) == BS_AUTORADIOBUTTON;
}
