// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once
// Shorthands that let a dialog template read like its resource script: one call per control, with
// the styles a resource editor gives that kind of control unless the call names others.
#include <cstdint>
#include <span>

#include "res/dialog_template.h"
#include "res/resource_ids.h"
#include "res/window_styles.h"

namespace tmpl {

inline constexpr uint32_t kDialog = WS_POPUP | WS_CAPTION | WS_SYSMENU | DS_MODALFRAME;
inline constexpr const char* kFontName = "MS Sans Serif";
inline constexpr int16_t kFontPointSize = 8;

// WS_GROUP on labels, as a resource editor writes them, ends the group of any radio buttons before.
inline constexpr uint32_t kLabel = WS_VISIBLE | WS_GROUP | SS_LEFT;
inline constexpr uint32_t kIcon = WS_VISIBLE | SS_ICON;
inline constexpr uint32_t kSeparator = WS_VISIBLE | SS_ETCHEDHORZ | SS_SUNKEN;
inline constexpr uint32_t kEdit = WS_VISIBLE | WS_BORDER | WS_TABSTOP | ES_AUTOHSCROLL;
inline constexpr uint32_t kListBox =
    WS_VISIBLE | WS_BORDER | WS_VSCROLL | WS_TABSTOP | LBS_NOTIFY | LBS_SORT | LBS_NOINTEGRALHEIGHT;
inline constexpr uint32_t kDropList = WS_VISIBLE | WS_VSCROLL | WS_TABSTOP | CBS_DROPDOWNLIST;
inline constexpr uint32_t kPushButton = WS_VISIBLE | WS_TABSTOP | BS_PUSHBUTTON;
inline constexpr uint32_t kDefPushButton = WS_VISIBLE | WS_TABSTOP | BS_DEFPUSHBUTTON;
inline constexpr uint32_t kCheckBox = WS_VISIBLE | WS_TABSTOP | BS_AUTOCHECKBOX;
inline constexpr uint32_t kRadioButton = WS_VISIBLE | BS_AUTORADIOBUTTON;
inline constexpr uint32_t kGroupBox = WS_VISIBLE | BS_GROUPBOX;

// Position and size in dialog units.
struct DluRect {
    int16_t x, y, cx, cy;
};

constexpr ControlTemplate Make(int32_t id, const char* className, const char* text, DluRect r,
                               uint32_t style, std::span<const char* const> items = {})
{
    return ControlTemplate{id, className, text, r.x, r.y, r.cx, r.cy, style, 0, items};
}

constexpr ControlTemplate Label(const char* text, int32_t id, DluRect r, uint32_t style = kLabel)
{
    return Make(id, "Static", text, r, style);
}

// The application icon in a static control; it is named "#128" as a resource script refers to it.
constexpr ControlTemplate Icon(int32_t id, DluRect r)
{
    static_assert(IDI_NORVANE == 128, "the icon reference below names the icon id");
    return Make(id, "Static", "#128", r, kIcon);
}

// A sunken line one unit high.
constexpr ControlTemplate Separator(DluRect r)
{
    return Make(IDC_STATIC, "Static", "", r, kSeparator);
}

constexpr ControlTemplate Edit(int32_t id, DluRect r, uint32_t style = kEdit)
{
    return Make(id, "Edit", "", r, style);
}

constexpr ControlTemplate ListBox(int32_t id, DluRect r, uint32_t style = kListBox)
{
    return Make(id, "ListBox", "", r, style);
}

// The height includes the dropped-down list.
constexpr ControlTemplate DropList(int32_t id, DluRect r, std::span<const char* const> items,
                                   uint32_t style = kDropList)
{
    return Make(id, "ComboBox", "", r, style, items);
}

constexpr ControlTemplate PushButton(const char* text, int32_t id, DluRect r, uint32_t style = kPushButton)
{
    return Make(id, "Button", text, r, style);
}

constexpr ControlTemplate DefPushButton(const char* text, int32_t id, DluRect r)
{
    return Make(id, "Button", text, r, kDefPushButton);
}

constexpr ControlTemplate CheckBox(const char* text, int32_t id, DluRect r, uint32_t style = kCheckBox)
{
    return Make(id, "Button", text, r, style);
}

constexpr ControlTemplate RadioButton(const char* text, int32_t id, DluRect r)
{
    return Make(id, "Button", text, r, kRadioButton);
}

constexpr ControlTemplate GroupBox(const char* text, int32_t id, DluRect r, uint32_t style = kGroupBox)
{
    return Make(id, "Button", text, r, style);
}

}  // namespace tmpl
