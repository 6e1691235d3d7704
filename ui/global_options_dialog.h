// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once
// The options that apply to every NFS connection; reads them when it opens, writes them on OK.
#include <array>
#include <cstdint>
#include <optional>
#include <string>

#include "config/global_options.h"
#include "ui/base/help_dialog.h"

class GlobalOptionsDialog : public HelpDialog {
public:
    explicit GlobalOptionsDialog(CDialog* parent = nullptr);

    static const MessageMap& ThisMessageMap();

protected:
    BOOL OnInitDialog() override;
    void DoDataExchange() override;
    // Writes, in a fixed order, each option the user changed and each one the file lacks, and tells
    // the network component whether warnings are off. An option that another program changed to
    // something else meanwhile is first put to the user. The dialog ends only when every write
    // succeeded; otherwise it says which did not.
    void OnOK() override;
    const MessageMap& GetMessageMap() const override { return ThisMessageMap(); }

private:
    // Each option as the controls would store it, by GlobalOption.
    using OptionTexts = std::array<std::string, kGlobalOptionCount>;
    OptionTexts ControlTexts();
    // Which options OK writes; nullopt when the user answered Cancel to a question.
    std::optional<std::array<bool, kGlobalOptionCount>> ChooseWrites(const OptionTexts& texts);

    // Checks the boxes of the stored mask's permission bits and selects the radio button of its
    // parent-mask bit.
    void LoadProtectionMask();
    // Enables or disables the three row labels and the nine permission boxes; check states stay.
    void EnableSpecifiedMask(bool enable);
    // The mask from the radio buttons and the nine boxes, whichever radio is selected.
    [[nodiscard]] int32_t ProtectionMask();
    // Code 22: value 1 when warnings are off, 0 when on: as the box says when its value is written,
    // else as the file keeps them. Tells the user when the component's library was refused.
    void NotifyNetworkComponent(bool boxWritten);
    // False, after telling the user why, when the typed name would not read back as typed.
    [[nodiscard]] bool UserNameAcceptable();

    void OnParentMaskClicked();
    void OnSpecifiedMaskClicked();

    ButtonControl m_restoreCheck;
    ButtonControl m_warningsCheck;
    EditControl m_userNameEdit;
    // What the controls showed when the dialog opened: an option whose control still holds it is
    // one the user did not change (a stored name too long for the box shows as an empty box).
    OptionTexts m_shown;
    // What the file held then, nullopt for an absent key: a change since is another program's.
    std::array<std::optional<std::string>, kGlobalOptionCount> m_stored;
};
