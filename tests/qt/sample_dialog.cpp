#include "tests/qt/sample_dialog.h"

const MessageMap& SampleDialog::ThisMessageMap()
{
    static constexpr CommandEntry commands[] = {
        MapCommand<&SampleDialog::OnNameChange>(kSampleName, EN_CHANGE),
        MapCommand<&SampleDialog::OnAutoCheckClicked>(kSampleAutoCheck),
        MapCommand<&SampleDialog::OnManualCheckClicked>(kSampleManualCheck),
        MapCommand<&SampleDialog::OnRadioClicked>(kSampleRadioA),
        MapCommand<&SampleDialog::OnRadioClicked>(kSampleRadioB),
        MapCommand<&SampleDialog::OnListSelChange>(kSampleList, LBN_SELCHANGE),
        MapCommand<&SampleDialog::OnListDoubleClick>(kSampleList, LBN_DBLCLK),
        MapCommand<&SampleDialog::OnDropListSelChange>(kSampleDropList, CBN_SELCHANGE),
        MapCommand<&SampleDialog::OnActionClicked>(kSampleAction),
    };
    static constexpr MessageEntry messages[] = {
        MapMessage<&SampleDialog::OnSysCommand>(WM_SYSCOMMAND),
    };
    static const MessageMap map{&HelpDialog::ThisMessageMap(), messages, commands};
    return map;
}

BOOL SampleDialog::OnInitDialog()
{
    HelpDialog::OnInitDialog();
    GetSystemMenu()->AppendMenuA(MF_SEPARATOR, 0, "");
    GetSystemMenu()->AppendMenuA(MF_STRING, IDM_ABOUTBOX, "&About Sample");
    return TRUE;
}

void SampleDialog::DoDataExchange()
{
    DDX_Control(kSampleList, list);
    DDX_Control(kSampleDropList, dropList);
}

void SampleDialog::OnNameChange()
{
    log.push_back("EN_CHANGE '" + GetDlgItemText(kSampleName) + "'");
}

void SampleDialog::OnAutoCheckClicked()
{
    log.push_back("BN_CLICKED 1051 check=" + std::to_string(IsDlgButtonChecked(kSampleAutoCheck)));
}

void SampleDialog::OnManualCheckClicked()
{
    log.push_back("BN_CLICKED 1052 check=" + std::to_string(IsDlgButtonChecked(kSampleManualCheck)));
}

void SampleDialog::OnRadioClicked()
{
    log.push_back("BN_CLICKED radio A=" + std::to_string(IsDlgButtonChecked(kSampleRadioA)) +
                  " B=" + std::to_string(IsDlgButtonChecked(kSampleRadioB)));
}

void SampleDialog::OnListSelChange()
{
    log.push_back("LBN_SELCHANGE " + std::to_string(list.GetCurSel()));
}

void SampleDialog::OnListDoubleClick()
{
    log.push_back("LBN_DBLCLK " + std::to_string(list.GetCurSel()));
}

void SampleDialog::OnDropListSelChange()
{
    log.push_back("CBN_SELCHANGE " + std::to_string(dropList.GetCurSel()));
}

void SampleDialog::OnActionClicked()
{
    log.push_back("BN_CLICKED 1008");
    if (onAction)
        onAction(*this);
}

LRESULT SampleDialog::OnSysCommand(WPARAM wParam, LPARAM /*lParam*/)
{
    log.push_back("WM_SYSCOMMAND " + std::to_string(wParam & 0xFFF0));
    return Default();
}
