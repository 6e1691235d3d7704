// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once
// The dialog keys every host knows, as commands, and what each does to a dialog. A host decodes
// its own key events into commands and performs them here, so that the rules behind them (Enter on
// a focused push button or the default one, the tab order, a label's mnemonic leading to the
// control after it) exist once; the host is asked only for what needs its screen.
//
// A key that works on one terminal and not another is a decoding matter: it becomes one more key
// for an existing command in that host's decoder. A new command is a new enumerator, a case in
// PerformCommand, and, when it needs the screen, a member of CommandHost.
#include "ui/base/dialog.h"

enum class DialogCommand {
    Help,          // F1: the topic of the control with the focus
    WhatsThis,     // Shift+F1: the user chooses a control to explain
    ContextMenu,   // the keyboard's right click, on the control with the focus
    SystemMenu,    // the window's system menu
    DropDown,      // drops the focused combo box's list down
    Next,          // Tab: the next control in tab order
    Previous,      // Shift+Tab
    Enter,
    Escape,
    Mnemonic,      // the control whose caption underlines `letter`
};

struct Command {
    DialogCommand kind;
    char32_t letter = 0;   // for Mnemonic
};

// What only the host can do for a command.
class CommandHost {
public:
    virtual ~CommandHost() = default;
    // Where a Help or ContextMenu command about `window` takes place, in screen units: the mouse
    // position its message carries.
    virtual Point CommandPoint(DialogCommand command, HWND window) = 0;
    // Moves the focus to `window` as the keyboard does (an edit field then selects its text).
    virtual void FocusByKeyboard(HWND window) = 0;
    // Presses the button a mnemonic chose, as this host shows a press (and moves the focus with it
    // or not: Qt gives it to a check box or radio button only, the terminal to any button).
    virtual void PressButton(HWND button) = 0;
    virtual void StartWhatsThis(CDialog& dialog) = 0;
    virtual void ShowSystemMenu(CDialog& dialog) = 0;
    virtual void DropDown(HWND comboBox) = 0;
};

// Performs `command` in `dialog` for a key that reached `focus` (the window with the focus; null or
// the dialog's frame when no control has it). False when the command has nothing to act on here
// (no control has that mnemonic, the focus is on no combo box, the dialog has no system menu, the
// dialog is not running), so that the host can let the key go on to the control.
bool PerformCommand(CDialog& dialog, HWND focus, const Command& command, CommandHost& host);

// The control that mnemonic `letter` picks, looking from the control after `focus` round to it, so
// that a letter pressed again goes round the controls that share it: a shown, enabled button, label
// or group box whose caption underlines the letter. Null when there is none.
HWND MnemonicTarget(const CDialog& dialog, HWND focus, char32_t letter);
// Where the mnemonic of `label` (a label or group box) takes the focus: the next control in tab
// order, which it only focuses, even when it is a button.
HWND LabelTarget(HWND label);

// The button Enter presses in `dialog` with the focus on `focus`: a focused, enabled push button,
// else the default button while it is shown and enabled. Null when Enter presses nothing.
HWND EnterButton(const CDialog& dialog, HWND focus);
