// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once
// User actions for the scripted host, played through the same input entry points and key policy
// a real host uses. Controls are named by id, or by their text where they have no usable id (labels):
//
//     host.Script({Type(1002, "alpha"), Click(1051), F1("Server &Name:"), Click(IDOK)});
#include <functional>
#include <string>

#include "ui/base/dialog.h"
#include "ui/host/key_policy.h"

// A control of the running dialog: by id (the first with that id) or by its exact text.
struct ControlName {
    ControlName(int controlId) : id(controlId) {}
    ControlName(const char* controlText) : byText(true), text(controlText) {}

    int id = 0;
    bool byText = false;
    std::string text;
};

struct ScriptAction {
    std::string description;
    std::function<void(CDialog&)> perform;
};

// The named control of `dialog`; fails the test and answers null when there is none.
HWND FindControl(CDialog& dialog, const ControlName& name);
// The control's rectangle in screen pixels, and its centre.
Rect ScreenRect(HWND window);
Point Centre(HWND window);

ScriptAction Type(ControlName edit, std::string text);
ScriptAction Click(ControlName button);
ScriptAction Select(ControlName listOrCombo, int index);
ScriptAction DoubleClick(ControlName list, int index);
// A key that stands for a dialog command, played through the key policy for the control with the
// focus, as a host plays the keys it decodes.
ScriptAction Key(DialogCommand command);
ScriptAction Mnemonic(char letter);
ScriptAction Enter();
ScriptAction Escape();
ScriptAction CloseBox();
// F1 with the focus on the control (the focus moves there first).
ScriptAction F1(ControlName control);
// A "What's This?" click on the control.
ScriptAction WhatsThis(ControlName control);
// A right click on a control that takes clicks itself.
ScriptAction RightClick(ControlName control);
// A right click on the dialog's surface at a screen point, or at the centre of a control that
// takes no clicks of its own (a disabled control, a label, a group box).
ScriptAction RightClickAt(Point screen);
ScriptAction RightClickSurfaceOn(ControlName control);
ScriptAction Focus(ControlName control);
ScriptAction SystemCommand(UINT command);
// Runs checks (or anything else) on the dialog at this point of the script.
ScriptAction Inspect(std::function<void(CDialog&)> check);
