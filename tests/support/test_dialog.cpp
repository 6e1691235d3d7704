// SPDX-License-Identifier: GPL-2.0-or-later
#include "tests/support/test_dialog.h"

const MessageMap& TestDialog::ThisMessageMap()
{
    static constexpr CommandEntry commands[] = {
        MapCommand<&TestDialog::OnNameChange>(kTestName, EN_CHANGE),
        MapCommand<&TestDialog::OnCheckClicked>(kTestCheck),
        MapCommand<&TestDialog::OnManualCheckClicked>(kTestManualCheck),
        MapCommand<&TestDialog::OnRadioClicked>(kTestRadioA),
        MapCommand<&TestDialog::OnRadioClicked>(kTestRadioB),
        MapCommand<&TestDialog::OnSortedSelChange>(kTestSorted, LBN_SELCHANGE),
        MapCommand<&TestDialog::OnSortedDoubleClick>(kTestSorted, LBN_DBLCLK),
        MapCommand<&TestDialog::OnDropListSelChange>(kTestDropList, CBN_SELCHANGE),
        MapCommand<&TestDialog::OnActionClicked>(kTestAction),
    };
    static constexpr MessageEntry messages[] = {
        MapMessage<&TestDialog::OnClose>(WM_CLOSE),
        MapMessage<&TestDialog::OnDestroy>(WM_DESTROY),
        MapMessage<&TestDialog::OnSysCommand>(WM_SYSCOMMAND),
    };
    static const MessageMap map{&HelpDialog::ThisMessageMap(), messages, commands};
    return map;
}

BOOL TestDialog::OnInitDialog()
{
    HelpDialog::OnInitDialog();
    GetSystemMenu()->AppendMenuA(MF_SEPARATOR, 0, "");
    GetSystemMenu()->AppendMenuA(MF_STRING, IDM_ABOUTBOX, "&About Test");
    if (onInit)
        onInit(*this);
    return TRUE;
}

void TestDialog::DoDataExchange()
{
    DDX_Control(kTestSorted, sorted);
    DDX_Control(kTestPlain, plain);
    DDX_Control(kTestDropList, dropList);
    DDX_Control(kTestCheck, check);
}

void TestDialog::OnNameChange()
{
    log.push_back("EN_CHANGE " + std::to_string(kTestName) + " '" + GetDlgItemText(kTestName) + "'");
}

void TestDialog::OnCheckClicked()
{
    log.push_back("BN_CLICKED " + std::to_string(kTestCheck) + " check=" + std::to_string(check.GetCheck()));
}

void TestDialog::OnManualCheckClicked()
{
    log.push_back("BN_CLICKED " + std::to_string(kTestManualCheck) +
                  " check=" + std::to_string(IsDlgButtonChecked(kTestManualCheck)));
}

void TestDialog::OnRadioClicked()
{
    log.push_back("BN_CLICKED radio A=" + std::to_string(IsDlgButtonChecked(kTestRadioA)) +
                  " B=" + std::to_string(IsDlgButtonChecked(kTestRadioB)));
}

void TestDialog::OnSortedSelChange()
{
    log.push_back("LBN_SELCHANGE " + std::to_string(sorted.GetCurSel()));
}

void TestDialog::OnSortedDoubleClick()
{
    log.push_back("LBN_DBLCLK " + std::to_string(sorted.GetCurSel()));
}

void TestDialog::OnDropListSelChange()
{
    log.push_back("CBN_SELCHANGE " + std::to_string(dropList.GetCurSel()));
}

void TestDialog::OnActionClicked()
{
    log.push_back("BN_CLICKED " + std::to_string(kTestAction));
    if (onAction)
        onAction(*this);
}

void TestDialog::OnClose()
{
    if (!handleClose) {
        Default();
        return;
    }
    log.push_back("WM_CLOSE");
}

void TestDialog::OnDestroy()
{
    ++destroyed;
    controlsAliveAtDestroy = GetDlgItem(kTestName) != nullptr;
}

LRESULT TestDialog::OnSysCommand(WPARAM wParam, LPARAM /*lParam*/)
{
    log.push_back("WM_SYSCOMMAND " + std::to_string(wParam & 0xFFF0));
    return Default();
}
