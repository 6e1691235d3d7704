// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once
// What kind of control a window is, decided once from its class, style and text, so that every
// host draws the same control the same way and the keyboard reaches the same ones.
#include <cstdint>
#include <string_view>

#include "res/dialog_template.h"
#include "ui/base/live_window.h"

enum class ControlKind {
    PushButton,
    CheckBox,
    RadioButton,
    GroupBox,
    Edit,
    ListBox,
    ComboBox,
    Label,       // static text
    Icon,        // a static icon
    Separator,   // an etched or sunken line
    Other,
};

// The kind of window of a class name, which the platform compares without regard to case:
// "#32770" (a dialog's frame), "Button", "Edit", "Static", "ListBox", "ComboBox".
WindowKind WindowKindOf(std::string_view className);

ControlKind ControlKindOf(std::string_view className, uint32_t style, std::string_view text);
ControlKind ControlKindOf(const ControlTemplate& control);
ControlKind ControlKindOf(const LiveWindow& window);

// Push buttons, check boxes and radio buttons.
bool IsButton(ControlKind kind);
// Controls that take the keyboard focus and mouse input of their own while they are enabled; a
// click anywhere else (a label, an icon, a separator, a group box) lands on the dialog's surface.
bool TakesInput(ControlKind kind);
// An automatic radio button: choosing it checks it and clears the other automatic radio buttons
// of its group.
bool IsAutoRadioButton(const LiveWindow& window);
