#pragma once
// A small dialog for exercising the services: its own template, and handlers that log every
// notification they receive, in order.
#include <functional>
#include <string>
#include <vector>

#include "res/window_styles.h"
#include "ui/base/help_dialog.h"

inline constexpr uint32_t kProbeTemplateId = 900;
inline constexpr int kProbeName = 1002;        // edit
inline constexpr int kProbeCheck = 1051;       // automatic check box
inline constexpr int kProbeRadioA = 1054;      // automatic radio buttons, first group
inline constexpr int kProbeRadioB = 1055;
inline constexpr int kProbeManualRadio = 1056; // not automatic, same group
inline constexpr int kProbeRadioC = 1058;      // automatic radio button, second group
inline constexpr int kProbeSorted = 1019;      // sorted list box that notifies
inline constexpr int kProbePlain = 1020;       // unsorted list box without notifications
inline constexpr int kProbeDropList = 1036;    // drop-down list with template items
inline constexpr int kProbeDropDown = 1040;    // editable combo box
inline constexpr int kProbeAction = 1008;      // push button

inline constexpr const char* kProbeItems[] = {"Binary (Pass-thru) ", "DVI File", "Text File"};

inline constexpr ControlTemplate kProbeControls[] = {
    {-1, "Static", "&Name:", 5, 5, 50, 8, WS_VISIBLE | WS_GROUP, 0},
    {kProbeName, "Edit", "", 5, 15, 100, 14, WS_VISIBLE | WS_TABSTOP | WS_BORDER, 0},
    {kProbeCheck, "Button", "&Check", 5, 35, 60, 10, WS_VISIBLE | WS_TABSTOP | BS_AUTOCHECKBOX, 0},
    {kProbeRadioA, "Button", "Radio &A", 5, 50, 60, 10, WS_VISIBLE | WS_GROUP | BS_AUTORADIOBUTTON, 0},
    {kProbeRadioB, "Button", "Radio &B", 5, 60, 60, 10, WS_VISIBLE | BS_AUTORADIOBUTTON, 0},
    {kProbeManualRadio, "Button", "Manual", 5, 70, 60, 10, WS_VISIBLE | BS_RADIOBUTTON, 0},
    {1057, "Static", "Other:", 5, 80, 60, 8, WS_VISIBLE | WS_GROUP, 0},
    {kProbeRadioC, "Button", "Radio &C", 5, 90, 60, 10, WS_VISIBLE | BS_AUTORADIOBUTTON, 0},
    {kProbeSorted, "ListBox", "", 110, 5, 60, 50, WS_VISIBLE | WS_TABSTOP | LBS_NOTIFY | LBS_SORT, 0},
    {kProbePlain, "ListBox", "", 110, 60, 60, 50, WS_VISIBLE | WS_TABSTOP, 0},
    {kProbeDropList, "ComboBox", "", 110, 115, 80, 60, WS_VISIBLE | WS_TABSTOP | CBS_DROPDOWNLIST, 0, kProbeItems},
    {kProbeDropDown, "ComboBox", "", 110, 135, 80, 60, WS_VISIBLE | WS_TABSTOP | 0x2, 0},
    {kProbeAction, "Button", "&Action", 200, 60, 50, 14, WS_VISIBLE | WS_TABSTOP | BS_PUSHBUTTON, 0},
    {IDOK, "Button", "OK", 200, 5, 50, 14, WS_VISIBLE | WS_TABSTOP | BS_DEFPUSHBUTTON, 0},
    {IDCANCEL, "Button", "Cancel", 200, 22, 50, 14, WS_VISIBLE | WS_TABSTOP | BS_PUSHBUTTON, 0},
    {ID_HELP, "Button", "&Help", 200, 40, 50, 14, WS_VISIBLE | WS_TABSTOP | BS_PUSHBUTTON, 0},
};

inline constexpr DialogTemplate kProbeTemplate{
    kProbeTemplateId, "Probe", WS_POPUP | WS_CAPTION | WS_SYSMENU | WS_VISIBLE, 0, 0, 0, 260, 160,
    "MS Sans Serif", 8, kProbeControls,
};

class ProbeDialog : public HelpDialog {
public:
    explicit ProbeDialog(const DialogTemplate& dialogTemplate = kProbeTemplate, CDialog* parent = nullptr)
        : HelpDialog(dialogTemplate, parent)
    {
    }

    static const MessageMap& ThisMessageMap();

    // What the handlers saw, e.g. "EN_CHANGE 1002 'abc'", "BN_CLICKED 1051 check=1".
    std::vector<std::string> log;
    // Run at the end of the dialog's own initialisation, and by the action button.
    std::function<void(ProbeDialog&)> onInit;
    std::function<void(ProbeDialog&)> onAction;
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
    BOOL OnInitDialog() override;
    void DoDataExchange() override;
    const MessageMap& GetMessageMap() const override { return ThisMessageMap(); }

private:
    void OnNameChange();
    void OnCheckClicked();
    void OnRadioClicked();
    void OnSortedSelChange();
    void OnSortedDoubleClick();
    void OnDropListSelChange();
    void OnActionClicked();
    void OnClose();
    void OnDestroy();
};
