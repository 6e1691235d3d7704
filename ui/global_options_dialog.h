#pragma once
// The options that apply to every NFS connection; reads them when it opens, writes them on OK.
#include <cstdint>

#include "config/profile_result.h"
#include "ui/base/help_dialog.h"

class GlobalOptionsDialog : public HelpDialog {
public:
    explicit GlobalOptionsDialog(CDialog* parent = nullptr);

    static const MessageMap& ThisMessageMap();

protected:
    BOOL OnInitDialog() override;
    void DoDataExchange() override;
    // Writes every option in a fixed order and tells the network component whether warnings are
    // off. The dialog ends only when every write succeeded; otherwise it says which did not.
    void OnOK() override;
    const MessageMap& GetMessageMap() const override { return ThisMessageMap(); }

private:
    // Checks the boxes of the stored mask's permission bits and selects the radio button of its
    // parent-mask bit.
    void LoadProtectionMask();
    // Enables or disables the three row labels and the nine permission boxes; check states stay.
    void EnableSpecifiedMask(bool enable);
    // The mask from the radio buttons and the nine boxes, written whichever radio is selected.
    [[nodiscard]] ProfileResult SaveProtectionMask();
    // Code 22: value 1 when warnings are off, 0 when on.
    void NotifyNetworkComponent();
    // False, after telling the user why, when the typed name would not read back as typed.
    [[nodiscard]] bool UserNameAcceptable();

    void OnUserNameChange();
    void OnParentMaskClicked();
    void OnSpecifiedMaskClicked();

    ButtonControl m_restoreCheck;
    ButtonControl m_warningsCheck;
    EditControl m_userNameEdit;
    // Set once the user edits the name box. A stored name too long for the box is only replaced
    // when the user typed something in its place.
    bool m_userNameChanged = false;
};
