// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once
// A dialog for exercising the services and the hosts: its own template with a control of every
// kind, and handlers that log each notification they receive, in order, so that a test can tell
// what reached the model and how often.
#include <functional>
#include <string>
#include <vector>

#include "res/window_styles.h"
#include "ui/base/help_dialog.h"

inline constexpr uint32_t kTestTemplateId = 900;
inline constexpr int kTestName = 1002;          // edit after the label "&Name:"
inline constexpr int kTestCheck = 1051;         // automatic check box
inline constexpr int kTestManualCheck = 1052;   // check box the code checks itself
inline constexpr int kTestGroup = 1013;         // group box around the first group of radio buttons
inline constexpr int kTestRadioA = 1054;        // automatic radio buttons, first group
inline constexpr int kTestRadioB = 1055;
inline constexpr int kTestManualRadio = 1056;   // not automatic, same group
inline constexpr int kTestRadioC = 1058;        // automatic radio button, second group
inline constexpr int kTestSorted = 1019;        // sorted list box that notifies
inline constexpr int kTestPlain = 1020;         // unsorted list box without notifications
inline constexpr int kTestDropList = 1036;      // drop-down list with template items
inline constexpr int kTestDropDown = 1040;      // editable combo box
inline constexpr int kTestAction = 1008;        // push button running `onAction`
inline constexpr int kTestDisabled = 1009;      // disabled push button
inline constexpr int kTestHidden = 1010;        // hidden push button

inline constexpr const char* kTestItems[] = {"Binary (Pass-thru) ", "DVI File", "Text File"};

inline constexpr ControlTemplate kTestControls[] = {
    {-1, "Static", "&Name:", 5, 5, 50, 8, WS_VISIBLE | WS_GROUP, 0},
    {kTestName, "Edit", "", 5, 15, 100, 14, WS_VISIBLE | WS_TABSTOP | WS_BORDER | ES_AUTOHSCROLL, 0},
    {kTestCheck, "Button", "&Check", 5, 35, 60, 10, WS_VISIBLE | WS_TABSTOP | BS_AUTOCHECKBOX, 0},
    {kTestManualCheck, "Button", "&Manual", 5, 47, 60, 10, WS_VISIBLE | WS_TABSTOP | BS_CHECKBOX, 0},
    {kTestGroup, "Button", "Choice", 5, 60, 100, 44, WS_VISIBLE | BS_GROUPBOX, 0},
    {kTestRadioA, "Button", "Radio &A", 10, 70, 60, 10, WS_VISIBLE | WS_GROUP | BS_AUTORADIOBUTTON, 0},
    {kTestRadioB, "Button", "Radio &B", 10, 80, 60, 10, WS_VISIBLE | BS_AUTORADIOBUTTON, 0},
    {kTestManualRadio, "Button", "Manual radio", 10, 90, 60, 10, WS_VISIBLE | BS_RADIOBUTTON, 0},
    {1057, "Static", "Other:", 5, 108, 60, 8, WS_VISIBLE | WS_GROUP, 0},
    {kTestRadioC, "Button", "Radio &C", 5, 118, 60, 10, WS_VISIBLE | BS_AUTORADIOBUTTON, 0},
    {kTestSorted, "ListBox", "", 110, 5, 60, 50, WS_VISIBLE | WS_TABSTOP | WS_BORDER | WS_VSCROLL | LBS_NOTIFY | LBS_SORT, 0},
    {kTestPlain, "ListBox", "", 110, 60, 60, 50, WS_VISIBLE | WS_TABSTOP | WS_BORDER, 0},
    {kTestDropList, "ComboBox", "", 110, 115, 80, 60, WS_VISIBLE | WS_TABSTOP | CBS_DROPDOWNLIST, 0, kTestItems},
    {kTestDropDown, "ComboBox", "", 110, 135, 80, 60, WS_VISIBLE | WS_TABSTOP | 0x2, 0},
    {kTestAction, "Button", "&Action", 200, 60, 50, 14, WS_VISIBLE | WS_TABSTOP | BS_PUSHBUTTON, 0},
    {kTestDisabled, "Button", "Disabled", 200, 78, 50, 14, WS_VISIBLE | WS_DISABLED | WS_TABSTOP | BS_PUSHBUTTON, 0},
    {kTestHidden, "Button", "Hidden", 200, 96, 50, 14, WS_TABSTOP | BS_PUSHBUTTON, 0},
    {IDOK, "Button", "OK", 200, 5, 50, 14, WS_VISIBLE | WS_TABSTOP | BS_DEFPUSHBUTTON, 0},
    {IDCANCEL, "Button", "Cancel", 200, 22, 50, 14, WS_VISIBLE | WS_TABSTOP | BS_PUSHBUTTON, 0},
    {ID_HELP, "Button", "&Help", 200, 40, 50, 14, WS_VISIBLE | WS_TABSTOP | BS_PUSHBUTTON, 0},
};

inline constexpr DialogTemplate kTestTemplate{
    kTestTemplateId, "Test", WS_POPUP | WS_CAPTION | WS_SYSMENU | WS_VISIBLE, 0, 0, 0, 260, 160,
    "MS Sans Serif", 8, kTestControls,
};

class TestDialog : public HelpDialog {
public:
    explicit TestDialog(const DialogTemplate& dialogTemplate = kTestTemplate, CDialog* parent = nullptr)
        : HelpDialog(dialogTemplate, parent)
    {
    }

    static const MessageMap& ThisMessageMap();

    // What the handlers saw, e.g. "EN_CHANGE 1002 'abc'", "BN_CLICKED 1051 check=1", "WM_SYSCOMMAND 16".
    std::vector<std::string> log;
    // Run at the end of the dialog's own initialisation, and by the action button.
    std::function<void(TestDialog&)> onInit;
    std::function<void(TestDialog&)> onAction;
    // When set, WM_CLOSE is answered here instead of by the default (Cancel).
    bool handleClose = false;
    // WM_DESTROY messages received, and whether the controls still existed then.
    int destroyed = 0;
    bool controlsAliveAtDestroy = false;
    ListBoxControl sorted;
    ListBoxControl plain;
    ComboBoxControl dropList;
    ButtonControl check;

protected:
    // Appends "&About Test" (IDM_ABOUTBOX) to the system menu, then runs `onInit`.
    BOOL OnInitDialog() override;
    void DoDataExchange() override;
    const MessageMap& GetMessageMap() const override { return ThisMessageMap(); }

private:
    void OnNameChange();
    void OnCheckClicked();
    void OnManualCheckClicked();
    void OnRadioClicked();
    void OnSortedSelChange();
    void OnSortedDoubleClick();
    void OnDropListSelChange();
    void OnActionClicked();
    void OnClose();
    void OnDestroy();
    LRESULT OnSysCommand(WPARAM wParam, LPARAM lParam);
};
