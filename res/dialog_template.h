// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once
// Dialog templates as data: what a resource script's DIALOG statement holds. The dialog-services
// layer turns one into live controls; nothing here builds a widget.
#include <cstdint>
#include <span>

// Window class of a control, as the platform names it ("Button", "Edit", "Static", "ListBox",
// "ComboBox"); the help code recognises a combo box's edit field by these names.
struct ControlTemplate {
    int32_t id;                 // -1 (or 65535) for controls the code never addresses
    const char* className;
    const char* text;           // caption; for a static icon, the icon resource as "#128"; may be ""
    int16_t x, y, cx, cy;       // dialog units
    uint32_t style;             // WS_* | class styles (window_styles.h)
    uint32_t exStyle;
    std::span<const char* const> items = {};   // initial items of a combo box, in order
};

struct DialogTemplate {
    uint32_t id;
    const char* caption;
    uint32_t style;
    uint32_t exStyle;
    int16_t x, y, cx, cy;       // dialog units
    const char* fontName;
    int16_t fontPointSize;
    std::span<const ControlTemplate> controls;   // in template (tab) order
};

// The template of that id, or nullptr when there is none.
const DialogTemplate* FindDialogTemplate(uint32_t id);
