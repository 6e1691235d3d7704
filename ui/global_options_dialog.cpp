// SPDX-License-Identifier: GPL-2.0-or-later
#include "ui/global_options_dialog.h"

#include <cstring>
#include <iterator>
#include <string>
#include <vector>

#include "config/field_rules.h"
#include "config/global_options.h"
#include "platform/component_library.h"
#include "res/resource_ids.h"
#include "ui/base/format_string.h"
#include "ui/base/message_box.h"
#include "ui/save_failure_text.h"

namespace {

struct MaskBox {
    int32_t bit;
    int id;
};

// The nine permission boxes, bit 8 down to bit 0.
constexpr MaskBox kMaskBoxes[] = {
    {0x100, IDC_OPTIONS_OWNER_READ}, {0x080, IDC_OPTIONS_OWNER_WRITE}, {0x040, IDC_OPTIONS_OWNER_EXECUTE},
    {0x020, IDC_OPTIONS_GROUP_READ}, {0x010, IDC_OPTIONS_GROUP_WRITE}, {0x008, IDC_OPTIONS_GROUP_EXECUTE},
    {0x004, IDC_OPTIONS_WORLD_READ}, {0x002, IDC_OPTIONS_WORLD_WRITE}, {0x001, IDC_OPTIONS_WORLD_EXECUTE},
};

// What the specified-mask radio button governs, in the order they are switched.
constexpr int kSpecifiedMaskControls[] = {
    IDC_OPTIONS_OWNER_LABEL,   IDC_OPTIONS_GROUP_LABEL,    IDC_OPTIONS_WORLD_LABEL,
    IDC_OPTIONS_OWNER_READ,    IDC_OPTIONS_GROUP_READ,     IDC_OPTIONS_WORLD_READ,
    IDC_OPTIONS_OWNER_WRITE,   IDC_OPTIONS_GROUP_WRITE,    IDC_OPTIONS_WORLD_WRITE,
    IDC_OPTIONS_OWNER_EXECUTE, IDC_OPTIONS_GROUP_EXECUTE,  IDC_OPTIONS_WORLD_EXECUTE,
};

// What the network component is told about warnings.
constexpr uint8_t kWarningsRequestCode = 22;

// Shown when the profile cannot be read at all; the same values an empty profile gives.
constexpr int32_t kWarningsWhenUnknown = 1;
constexpr int32_t kRestoreWhenUnknown = 1;

uint32_t SettingOf(GlobalOption option)
{
    switch (option) {
    case GlobalOption::UserName:
        return IDS_OPTIONS_USER_NAME_SETTING;
    case GlobalOption::Restore:
        return IDS_OPTIONS_RESTORE_SETTING;
    case GlobalOption::Warnings:
        return IDS_OPTIONS_WARNINGS_SETTING;
    case GlobalOption::FileProtection:
        break;
    }
    return IDS_OPTIONS_MASK_SETTING;
}

constexpr size_t IndexOf(GlobalOption option)
{
    return static_cast<size_t>(option);
}

constexpr GlobalOption kOptionsInOrder[] = {GlobalOption::UserName, GlobalOption::Restore, GlobalOption::Warnings,
                                            GlobalOption::FileProtection};
static_assert(std::size(kOptionsInOrder) == kGlobalOptionCount);

// The settings one OK could not save, and why the first of them was refused.
class SaveFailures {
public:
    // Notes the setting when `result` is a failure, for the reason `why`; true when it is not.
    bool Record(ProfileResult result, uint32_t settingId, const SaveFailure& why)
    {
        if (result == ProfileOk)
            return true;
        m_settings.push_back(settingId);
        if (m_settings.size() == 1)
            m_first = why;
        return false;
    }

    bool Any() const { return !m_settings.empty(); }

    std::string Message() const
    {
        std::string settings;
        for (const uint32_t setting : m_settings)
            settings += (settings.empty() ? "" : ", ") + LoadString(setting);
        return AfxFormatString2(IDS_OPTIONS_NOT_SAVED, settings, DescribeSaveFailure(m_first));
    }

private:
    std::vector<uint32_t> m_settings;
    SaveFailure m_first;
};

}  // namespace

GlobalOptionsDialog::GlobalOptionsDialog(CDialog* parent)
    : HelpDialog(IDD_GLOBAL_OPTIONS, parent)
{
}

const MessageMap& GlobalOptionsDialog::ThisMessageMap()
{
    static constexpr CommandEntry commands[] = {
        MapCommand<&GlobalOptionsDialog::OnParentMaskClicked>(IDC_OPTIONS_PARENT_MASK),
        MapCommand<&GlobalOptionsDialog::OnSpecifiedMaskClicked>(IDC_OPTIONS_SPECIFIED_MASK),
    };
    static const MessageMap map{&HelpDialog::ThisMessageMap(), {}, commands};
    return map;
}

void GlobalOptionsDialog::DoDataExchange()
{
    DDX_Control(IDC_OPTIONS_RESTORE, m_restoreCheck);
    DDX_Control(IDC_OPTIONS_WARNINGS, m_warningsCheck);
    DDX_Control(IDC_OPTIONS_USER_NAME, m_userNameEdit);
}

BOOL GlobalOptionsDialog::OnInitDialog()
{
    HelpDialog::OnInitDialog();
    // Whatever is typed must fit what the next opening can read back and show.
    m_userNameEdit.LimitText(static_cast<int>(kUserNameMaxSize) - 1);
    char userName[kUserNameMaxSize];
    if (ReadDefaultUserName(userName, sizeof userName) == ProfileOk)
        m_userNameEdit.SetWindowText(userName);

    int32_t warnings = kWarningsWhenUnknown;
    (void)ReadNetworkWarnings(warnings);
    m_warningsCheck.SetCheck(warnings);
    int32_t restore = kRestoreWhenUnknown;
    (void)ReadRestoreConnections(restore);
    m_restoreCheck.SetCheck(restore);
    LoadProtectionMask();

    m_shown = ControlTexts();
    for (const GlobalOption option : kOptionsInOrder)
        m_stored[IndexOf(option)] = ReadStoredOption(option);
    return TRUE;
}

void GlobalOptionsDialog::LoadProtectionMask()
{
    int32_t mask = kDefaultFileProtection;
    (void)ReadFileProtection(mask);
    for (const MaskBox& box : kMaskBoxes) {
        if (mask & box.bit)
            CheckDlgButton(box.id, BST_CHECKED);
    }
    if (mask & kFileProtUseParent) {
        CheckDlgButton(IDC_OPTIONS_PARENT_MASK, BST_CHECKED);
        EnableSpecifiedMask(false);
    } else {
        CheckDlgButton(IDC_OPTIONS_SPECIFIED_MASK, BST_CHECKED);
        EnableSpecifiedMask(true);
    }
}

void GlobalOptionsDialog::EnableSpecifiedMask(bool enable)
{
    for (const int id : kSpecifiedMaskControls) {
        if (HWND control = GetDlgItem(id))
            control->EnableWindow(enable);
    }
}

void GlobalOptionsDialog::OnParentMaskClicked()
{
    EnableSpecifiedMask(false);
}

void GlobalOptionsDialog::OnSpecifiedMaskClicked()
{
    EnableSpecifiedMask(true);
}

GlobalOptionsDialog::OptionTexts GlobalOptionsDialog::ControlTexts()
{
    return {m_userNameEdit.GetWindowText(), StoredNumberText(GlobalOption::Restore, m_restoreCheck.GetCheck()),
            StoredNumberText(GlobalOption::Warnings, m_warningsCheck.GetCheck()),
            StoredNumberText(GlobalOption::FileProtection, ProtectionMask())};
}

std::optional<std::array<bool, kGlobalOptionCount>> GlobalOptionsDialog::ChooseWrites(const OptionTexts& texts)
{
    std::array<bool, kGlobalOptionCount> writes{};
    for (const GlobalOption option : kOptionsInOrder) {
        const size_t i = IndexOf(option);
        switch (DecideOptionWrite(m_stored[i], ReadStoredOption(option), texts[i] != m_shown[i], texts[i])) {
        case OptionWrite::Keep:
            break;
        case OptionWrite::Write:
            writes[i] = true;
            break;
        case OptionWrite::Ask: {
            const int answer =
                AfxMessageBox(AfxFormatString2(IDS_OPTION_CHANGED_ELSEWHERE, LoadString(SettingOf(option)), ""),
                              MB_YESNOCANCEL);
            if (answer == IDCANCEL)
                return std::nullopt;
            writes[i] = answer == IDYES;
            break;
        }
        }
    }
    return writes;
}

void GlobalOptionsDialog::OnOK()
{
    const OptionTexts texts = ControlTexts();
    const size_t name = IndexOf(GlobalOption::UserName);
    if (texts[name] != m_shown[name] && !UserNameAcceptable())
        return;
    // Every question comes before any write, so that Cancel leaves the file as it was.
    const auto writes = ChooseWrites(texts);
    if (!writes)
        return;
    const auto writing = [&writes](GlobalOption option) { return (*writes)[IndexOf(option)]; };

    // Each option is its own write, in this order: the component must hear about warnings after
    // their write and before the mask's.
    SaveFailures failures;
    SaveFailure why;
    if (writing(GlobalOption::UserName)
        && !failures.Record(WriteDefaultUserName(texts[name].c_str(), &why), IDS_OPTIONS_USER_NAME_SETTING, why))
        MessageBeep(MB_SIMPLEBEEP);
    if (writing(GlobalOption::Restore))
        failures.Record(WriteRestoreConnections(m_restoreCheck.GetCheck(), &why), IDS_OPTIONS_RESTORE_SETTING, why);
    if (writing(GlobalOption::Warnings))
        failures.Record(WriteNetworkWarnings(m_warningsCheck.GetCheck(), &why), IDS_OPTIONS_WARNINGS_SETTING, why);
    NotifyNetworkComponent(writing(GlobalOption::Warnings));
    if (writing(GlobalOption::FileProtection))
        failures.Record(WriteFileProtection(ProtectionMask(), &why), IDS_OPTIONS_MASK_SETTING, why);

    if (failures.Any()) {
        // Stay open: the user can free the file and press OK again, or give up with Cancel.
        AfxMessageBox(failures.Message());
        return;
    }
    HelpDialog::OnOK();
}

bool GlobalOptionsDialog::UserNameAcceptable()
{
    const uint32_t refusal = UserNameRefusal(m_userNameEdit.GetWindowText());
    if (refusal == 0)
        return true;
    AfxMessageBox(refusal);
    m_userNameEdit.SetFocus();
    return false;
}

void GlobalOptionsDialog::NotifyNetworkComponent(bool boxWritten)
{
    int32_t warnings = m_warningsCheck.GetCheck() == BST_UNCHECKED ? 0 : 1;
    if (!boxWritten)
        (void)ReadNetworkWarnings(warnings);
    ComponentRequest request{};
    request.code = kWarningsRequestCode;
    request.value = warnings == 0 ? 1 : 0;
    // The options are saved all the same; the user learns that the component did not hear of them.
    if (const FileFailure refused = SendComponentRequest(request))
        AfxMessageBox(AfxFormatString2(IDS_OPTIONS_COMPONENT_NOT_TOLD, DescribeFileFailure(refused), ""));
}

int32_t GlobalOptionsDialog::ProtectionMask()
{
    int32_t mask = IsDlgButtonChecked(IDC_OPTIONS_PARENT_MASK) ? kFileProtUseParent : 0;
    for (const MaskBox& box : kMaskBoxes) {
        if (IsDlgButtonChecked(box.id))
            mask |= box.bit;
    }
    return mask;
}
