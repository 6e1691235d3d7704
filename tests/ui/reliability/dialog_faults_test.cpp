// SPDX-License-Identifier: GPL-2.0-or-later
// The main window and the options dialog when any step of writing the file fails: each says so,
// stays open with what the user entered, and the file keeps every byte.
#include "res/resource_ids.h"
#include "tests/support/fake_network_component.h"
#include "tests/support/fault_cases.h"
#include "tests/support/scripted_host.h"
#include "tests/support/temp_system_dir.h"
#include "ui/global_options_dialog.h"
#include "ui/server_list_dialog.h"

#include <gtest/gtest.h>

#include <cstring>

namespace {

std::vector<std::string> Rows(CDialog& dialog)
{
    std::vector<std::string> rows;
    for (const ListRow& row : dialog.GetDlgItem(IDC_MAIN_SERVER_LIST)->rows())
        rows.push_back(row.text);
    return rows;
}

class DialogFaults : public ::testing::TestWithParam<FaultCase> {
protected:
    TempSystemDir m_dir;
    ScriptedHost m_host;
};

TEST_P(DialogFaults, TheMainWindowReportsAFailedSaveAndKeepsItsList)
{
    const std::string before = "; kept by hand\r\n[ServerList]\r\nServer1=alpha,1,0,0,0\r\nServer2=beta,0,1,0,0\r\nNumServers=2\r\n";
    WriteFileBytes(m_dir.iniPath(), before);
    InjectedFault fault(GetParam());
    m_host.AnswerNext(IDYES);   // delete beta?
    m_host.AnswerNext(IDOK);    // the failure
    m_host.Script({
        Select(IDC_MAIN_SERVER_LIST, 1),
        Click(IDC_MAIN_DELETE),
        Click(IDOK),
        Inspect([&](CDialog& dialog) {
            EXPECT_FALSE(dialog.IsEnded());
            EXPECT_EQ(Rows(dialog), std::vector<std::string>{"alpha"}) << "the deletion is still on screen";
            EXPECT_EQ(ReadFileBytes(m_dir.iniPath()), before);
            EXPECT_EQ(CountTemporaries(m_dir.path()), 0);
        }),
        Escape(),
    });
    ServerListDialog dialog;
    EXPECT_EQ(dialog.DoModal(), IDCANCEL);
    EXPECT_GT(fault.reached(), 0);
    ASSERT_EQ(m_host.messageBoxes().size(), 2u);
    const std::string& report = m_host.messageBoxes()[1].text;
    // A refusal of the lock file names the lock file.
    const bool lockStep = GetParam().step == FileStep::OpenLock || GetParam().step == FileStep::Lock;
    const std::string refused = lockStep ? m_dir.file(".kqnet.ini.lock") : m_dir.iniPath();
    EXPECT_NE(report.find(refused + ":"), std::string::npos) << report;
    EXPECT_NE(report.find(std::strerror(GetParam().error)), std::string::npos) << report;
    EXPECT_EQ(ReadFileBytes(m_dir.iniPath()), before);
}

TEST_P(DialogFaults, TheOptionsDialogReportsFailedWritesAndKeepsWhatWasTyped)
{
    const std::string before = "[Auth]\nUserName=ann\n[GlobalOptions]\nWarnings=1\n";
    WriteFileBytes(m_dir.iniPath(), before);
    FakeNetworkComponent component;
    InjectedFault fault(GetParam());
    m_host.AnswerNext(IDOK);    // the failure
    m_host.Script({
        Type(IDC_OPTIONS_USER_NAME, "bob"),
        Click(IDC_OPTIONS_WARNINGS),
        Click(IDC_OPTIONS_SPECIFIED_MASK),
        Click(IDOK),
        Inspect([&](CDialog& dialog) {
            EXPECT_FALSE(dialog.IsEnded());
            EXPECT_EQ(dialog.GetDlgItemText(IDC_OPTIONS_USER_NAME), "bob");
            EXPECT_EQ(dialog.IsDlgButtonChecked(IDC_OPTIONS_WARNINGS), 0u);
            EXPECT_EQ(dialog.IsDlgButtonChecked(IDC_OPTIONS_SPECIFIED_MASK), 1u);
            EXPECT_EQ(ReadFileBytes(m_dir.iniPath()), before);
            EXPECT_EQ(CountTemporaries(m_dir.path()), 0);
        }),
        Escape(),
    });
    GlobalOptionsDialog dialog;
    EXPECT_EQ(dialog.DoModal(), IDCANCEL);
    EXPECT_GT(fault.reached(), 0);
    EXPECT_EQ(m_host.beeps(), std::vector<UINT>{MB_SIMPLEBEEP}) << "the user name's write sounds its beep";
    ASSERT_EQ(m_host.messageBoxes().size(), 1u);
    EXPECT_NE(m_host.messageBoxes()[0].text.find(std::strerror(GetParam().error)), std::string::npos)
        << m_host.messageBoxes()[0].text;
}

INSTANTIATE_TEST_SUITE_P(EveryStep, DialogFaults, ::testing::ValuesIn(EveryStepAndError()),
                         [](const ::testing::TestParamInfo<FaultCase>& info) { return FaultCaseName(info.param); });

} // namespace
