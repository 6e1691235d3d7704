#pragma once
// A dialog with one control of every kind, whose handlers log each notification they receive, so
// that a test can count what reached the model.
#include <functional>
#include <string>
#include <vector>

#include "res/window_styles.h"
#include "ui/base/help_dialog.h"

inline constexpr uint32_t kSampleTemplateId = 901;
inline constexpr int kSampleName = 1002;         // edit
inline constexpr int kSampleAutoCheck = 1051;    // automatic check box
inline constexpr int kSampleManualCheck = 1052;  // check box the code checks itself
inline constexpr int kSampleRadioA = 1054;       // automatic radio buttons of one group
inline constexpr int kSampleRadioB = 1055;
inline constexpr int kSampleList = 1019;         // sorted list box that notifies
inline constexpr int kSampleDropList = 1036;     // drop-down list with template items
inline constexpr int kSampleAction = 1008;       // push button running `onAction`
inline constexpr int kSampleDisabled = 1009;     // disabled push button
inline constexpr int kSampleHidden = 1010;       // hidden push button
inline constexpr int kSampleGroup = 1013;        // group box around the radio buttons

inline constexpr const char* kSampleItems[] = {"Binary (Pass-thru) ", "DVI File", "Text File"};

inline constexpr ControlTemplate kSampleControls[] = {
    {-1, "Static", "&Name:", 5, 5, 50, 8, WS_VISIBLE | WS_GROUP, 0},
    {kSampleName, "Edit", "", 5, 15, 100, 14, WS_VISIBLE | WS_TABSTOP | WS_BORDER | ES_AUTOHSCROLL, 0},
    {kSampleAutoCheck, "Button", "&Auto", 5, 35, 60, 10, WS_VISIBLE | WS_TABSTOP | BS_AUTOCHECKBOX, 0},
    {kSampleManualCheck, "Button", "&Manual", 5, 47, 60, 10, WS_VISIBLE | WS_TABSTOP | BS_CHECKBOX, 0},
    {kSampleGroup, "Button", "Choice", 5, 60, 100, 40, WS_VISIBLE | BS_GROUPBOX, 0},
    {kSampleRadioA, "Button", "Radio &A", 10, 70, 60, 10, WS_VISIBLE | WS_GROUP | BS_AUTORADIOBUTTON, 0},
    {kSampleRadioB, "Button", "Radio &B", 10, 82, 60, 10, WS_VISIBLE | BS_AUTORADIOBUTTON, 0},
    {kSampleList, "ListBox", "", 110, 5, 60, 50, WS_VISIBLE | WS_TABSTOP | WS_BORDER | WS_VSCROLL | LBS_NOTIFY | LBS_SORT, 0},
    {kSampleDropList, "ComboBox", "", 110, 60, 80, 60, WS_VISIBLE | WS_TABSTOP | CBS_DROPDOWNLIST, 0, kSampleItems},
    {kSampleAction, "Button", "A&ction", 200, 60, 50, 14, WS_VISIBLE | WS_TABSTOP | BS_PUSHBUTTON, 0},
    {kSampleDisabled, "Button", "Disabled", 200, 78, 50, 14, WS_VISIBLE | WS_DISABLED | WS_TABSTOP | BS_PUSHBUTTON, 0},
    {kSampleHidden, "Button", "Hidden", 200, 96, 50, 14, WS_TABSTOP | BS_PUSHBUTTON, 0},
    {IDOK, "Button", "OK", 200, 5, 50, 14, WS_VISIBLE | WS_TABSTOP | BS_DEFPUSHBUTTON, 0},
    {IDCANCEL, "Button", "Cancel", 200, 22, 50, 14, WS_VISIBLE | WS_TABSTOP | BS_PUSHBUTTON, 0},
    {ID_HELP, "Button", "&Help", 200, 40, 50, 14, WS_VISIBLE | WS_TABSTOP | BS_PUSHBUTTON, 0},
};

inline constexpr DialogTemplate kSampleTemplate{
    kSampleTemplateId, "Sample", WS_POPUP | WS_CAPTION | WS_SYSMENU | WS_VISIBLE, 0, 0, 0, 260, 120,
    "MS Sans Serif", 8, kSampleControls,
};

class SampleDialog : public HelpDialog {
public:
    SampleDialog() : HelpDialog(kSampleTemplate, nullptr) {}

    static const MessageMap& ThisMessageMap();

    // What the handlers saw, in order: "EN_CHANGE 'abc'", "BN_CLICKED 1051 check=1", ...
    std::vector<std::string> log;
    // Runs when the action button is clicked.
    std::function<void(SampleDialog&)> onAction;
    ListBoxControl list;
    ComboBoxControl dropList;

protected:
    BOOL OnInitDialog() override;
    void DoDataExchange() override;
    const MessageMap& GetMessageMap() const override { return ThisMessageMap(); }

private:
    void OnNameChange();
    void OnAutoCheckClicked();
    void OnManualCheckClicked();
    void OnRadioClicked();
    void OnListSelChange();
    void OnListDoubleClick();
    void OnDropListSelChange();
    void OnActionClicked();
    LRESULT OnSysCommand(WPARAM wParam, LPARAM lParam);
};
