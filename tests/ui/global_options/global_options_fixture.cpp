// SPDX-License-Identifier: GPL-2.0-or-later
#include "tests/ui/global_options/global_options_fixture.h"

#include <filesystem>

#include "platform/profile.h"
#include "res/resource_ids.h"
#include "ui/global_options_dialog.h"

int GlobalOptionsTest::Run(std::vector<ScriptAction> actions)
{
    m_host.Script(std::move(actions));
    GlobalOptionsDialog dialog;
    return dialog.DoModal();
}

std::string GlobalOptionsTest::Stored(const char* section, const char* key) const
{
    char value[260];
    GetPrivateProfileStringA(section, key, "<absent>", value, sizeof value, m_dir.iniPath().c_str());
    return value;
}

bool GlobalOptionsTest::FileExists() const
{
    return std::filesystem::exists(m_dir.iniPath());
}

std::string MaskControls(CDialog& dialog)
{
    constexpr int boxes[] = {1011, 1060, 1063, 1012, 1061, 1066, 1059, 1062, 1065};
    constexpr int labels[] = {1056, 1057, 1058};
    std::string text = dialog.IsDlgButtonChecked(IDC_OPTIONS_PARENT_MASK) ? "parent" : "";
    text += dialog.IsDlgButtonChecked(IDC_OPTIONS_SPECIFIED_MASK) ? "specified " : " ";
    int enabled = 0;
    for (const int id : boxes) {
        text += dialog.IsDlgButtonChecked(id) ? '1' : '0';
        enabled += dialog.GetDlgItem(id)->IsWindowEnabled();
    }
    for (const int id : labels)
        enabled += dialog.GetDlgItem(id)->IsWindowEnabled();
    text += enabled == 12 ? " enabled" : enabled == 0 ? " disabled" : " partly enabled";
    return text;
}
