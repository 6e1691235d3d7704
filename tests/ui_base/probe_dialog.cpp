#include "tests/ui_base/probe_dialog.h"

const MessageMap& ProbeDialog::ThisMessageMap()
{
    static constexpr CommandEntry commands[] = {
        MapCommand<&ProbeDialog::OnNameChange>(kProbeName, EN_CHANGE),
        MapCommand<&ProbeDialog::OnCheckClicked>(kProbeCheck),
        MapCommand<&ProbeDialog::OnRadioClicked>(kProbeRadioA),
        MapCommand<&ProbeDialog::OnRadioClicked>(kProbeRadioB),
        MapCommand<&ProbeDialog::OnSortedSelChange>(kProbeSorted, LBN_SELCHANGE),
        MapCommand<&ProbeDialog::OnSortedDoubleClick>(kProbeSorted, LBN_DBLCLK),
        MapCommand<&ProbeDialog::OnDropListSelChange>(kProbeDropList, CBN_SELCHANGE),
        MapCommand<&ProbeDialog::OnActionClicked>(kProbeAction),
    };
    static constexpr MessageEntry messages[] = {
        MapMessage<&ProbeDialog::OnClose>(WM_CLOSE),
        MapMessage<&ProbeDialog::OnDestroy>(WM_DESTROY),
    };
    static const MessageMap map{&HelpDialog::ThisMessageMap(), messages, commands};
    return map;
}

BOOL ProbeDialog::OnInitDialog()
{
    HelpDialog::OnInitDialog();
    if (onInit)
        onInit(*this);
    return TRUE;
}

void ProbeDialog::DoDataExchange()
{
    DDX_Control(kProbeSorted, sorted);
    DDX_Control(kProbePlain, plain);
    DDX_Control(kProbeDropList, dropList);
    DDX_Control(kProbeCheck, check);
}

void ProbeDialog::OnNameChange()
{
    log.push_back("EN_CHANGE " + std::to_string(kProbeName) + " '" + GetDlgItemText(kProbeName) + "'");
}

void ProbeDialog::OnCheckClicked()
{
    log.push_back("BN_CLICKED " + std::to_string(kProbeCheck) + " check=" + std::to_string(check.GetCheck()));
}

void ProbeDialog::OnRadioClicked()
{
    log.push_back("BN_CLICKED radio A=" + std::to_string(IsDlgButtonChecked(kProbeRadioA)) +
                  " B=" + std::to_string(IsDlgButtonChecked(kProbeRadioB)));
}

void ProbeDialog::OnSortedSelChange()
{
    log.push_back("LBN_SELCHANGE " + std::to_string(sorted.GetCurSel()));
}

void ProbeDialog::OnSortedDoubleClick()
{
    log.push_back("LBN_DBLCLK " + std::to_string(sorted.GetCurSel()));
}

void ProbeDialog::OnDropListSelChange()
{
    log.push_back("CBN_SELCHANGE " + std::to_string(dropList.GetCurSel()));
}

void ProbeDialog::OnActionClicked()
{
    log.push_back("BN_CLICKED " + std::to_string(kProbeAction));
    if (onAction)
        onAction(*this);
}

void ProbeDialog::OnClose()
{
    if (!handleClose) {
        Default();
        return;
    }
    log.push_back("WM_CLOSE");
}

void ProbeDialog::OnDestroy()
{
    ++destroyed;
    controlsAliveAtDestroy = GetDlgItem(kProbeName) != nullptr;
}
