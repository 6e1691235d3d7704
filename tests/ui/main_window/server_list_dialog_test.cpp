// SPDX-License-Identifier: GPL-2.0-or-later
// The Servers and Printers window: what it shows, Delete, OK, Cancel, the About item, a failed save.
#include <gtest/gtest.h>

#include <cerrno>
#include <cstring>
#include <filesystem>
#include <string>
#include <vector>

#include "platform/about_box.h"
#include "platform/file_fault.h"
#include "res/resource_ids.h"
#include "tests/ui/main_window/main_window_fixture.h"
#include "ui/server_list_dialog.h"

namespace {

using Names = std::vector<std::string>;

constexpr UINT kSysCommandMove = 0xF010;

TEST_F(MainWindowTest, OpensSortedWithNothingSelectedAndModifyDeleteDisabled)
{
    WriteServers({"charlie,1,1,0,0", "alpha,1,0,0,0", "bravo,0,1,0,0"});
    m_host.Script({
        Inspect([](CDialog& d) {
            EXPECT_EQ(Rows(d), (Names{"alpha", "bravo", "charlie"}));
            EXPECT_EQ(SelectedRow(d), -1);
            EXPECT_FALSE(IsEnabled(d, IDC_MAIN_MODIFY));
            EXPECT_FALSE(IsEnabled(d, IDC_MAIN_DELETE));
            EXPECT_TRUE(IsEnabled(d, IDC_MAIN_ADD));
            EXPECT_EQ(d.GetDefID(), IDC_MAIN_ADD);
            EXPECT_EQ(d.GetFocus(), d.GetDlgItem(IDC_MAIN_SERVER_LIST));
            EXPECT_EQ(d.icon(true), IDI_NORVANE);
            EXPECT_EQ(d.icon(false), IDI_NORVANE);
            const auto& items = d.systemMenu().items();
            ASSERT_EQ(items.size(), 2u);
            EXPECT_EQ(items[0].flags, MF_SEPARATOR);
            EXPECT_EQ(items[1].flags, MF_STRING);
            EXPECT_EQ(items[1].id, 16u);
            EXPECT_EQ(items[1].text, "&About Norvane");
            EXPECT_EQ(d.SendMessage(WM_QUERYDRAGICON, 0, 0), static_cast<LRESULT>(IDI_NORVANE));
        }),
        Select(IDC_MAIN_SERVER_LIST, 1),
        Inspect([](CDialog& d) {
            EXPECT_TRUE(IsEnabled(d, IDC_MAIN_MODIFY));
            EXPECT_TRUE(IsEnabled(d, IDC_MAIN_DELETE));
        }),
        Select(IDC_MAIN_SERVER_LIST, -1),
        Inspect([](CDialog& d) {
            EXPECT_FALSE(IsEnabled(d, IDC_MAIN_MODIFY));
            EXPECT_FALSE(IsEnabled(d, IDC_MAIN_DELETE));
        }),
        Escape(),
    });
    ServerListDialog dialog;
    EXPECT_EQ(dialog.DoModal(), IDCANCEL);
    // Closing the window closes the help window with it.
    ASSERT_FALSE(m_host.helpRequests().empty());
    EXPECT_EQ(m_host.helpRequests().back().kind, HelpRequestKind::Quit);
}

TEST_F(MainWindowTest, EmptyConfigurationShowsAnEmptyListAndDoubleClickDoesNothing)
{
    m_host.Script({
        Inspect([](CDialog& d) {
            EXPECT_TRUE(Rows(d).empty());
            EXPECT_FALSE(IsEnabled(d, IDC_MAIN_MODIFY));
            EXPECT_FALSE(IsEnabled(d, IDC_MAIN_DELETE));
        }),
        DoubleClick(IDC_MAIN_SERVER_LIST, -1),
        Escape(),
    });
    ServerListDialog dialog;
    EXPECT_EQ(dialog.DoModal(), IDCANCEL);
    EXPECT_EQ(m_host.dialogsRun(), std::vector<uint32_t>{IDD_SERVER_LIST}) << "no server dialog opens";
    EXPECT_FALSE(std::filesystem::exists(m_systemDir.iniPath()));
}

struct DeleteCase {
    const char* name;
    Names servers;          // server names in file order
    int row;                // the row chosen
    int answer;
    Names rowsAfter;
    int selectionAfter;
    bool buttonsEnabledAfter;
};

class DeleteTest : public MainWindowTest, public ::testing::WithParamInterface<DeleteCase> {};

TEST_P(DeleteTest, AsksThenRemovesTheChosenRowAndKeepsTheSelectionIndex)
{
    const DeleteCase& c = GetParam();
    std::vector<std::string> lines;
    for (const std::string& name : c.servers)
        lines.push_back(name + ",1,1,0,0");
    WriteServers(lines);
    m_host.AnswerNext(c.answer);
    m_host.Script({
        Select(IDC_MAIN_SERVER_LIST, c.row),
        Click(IDC_MAIN_DELETE),
        Inspect([&c](CDialog& d) {
            EXPECT_EQ(Rows(d), c.rowsAfter);
            EXPECT_EQ(SelectedRow(d), c.selectionAfter);
            EXPECT_EQ(IsEnabled(d, IDC_MAIN_MODIFY), c.buttonsEnabledAfter);
            EXPECT_EQ(IsEnabled(d, IDC_MAIN_DELETE), c.buttonsEnabledAfter);
        }),
        Escape(),
    });
    ServerListDialog dialog;
    EXPECT_EQ(dialog.DoModal(), IDCANCEL);
    ASSERT_EQ(m_host.messageBoxes().size(), 1u);
    EXPECT_EQ(m_host.messageBoxes()[0].text, "Are you sure you want to remove the server from this list?");
    EXPECT_EQ(m_host.messageBoxes()[0].caption, "Norvane");
    EXPECT_EQ(m_host.messageBoxes()[0].type, MB_YESNO);
}

INSTANTIATE_TEST_SUITE_P(
    MainWindow, DeleteTest,
    ::testing::Values(
        DeleteCase{"LastRowSelectsTheNewLastRow", {"bravo", "alpha", "charlie"}, 2, IDYES, {"alpha", "bravo"}, 1, true},
        DeleteCase{"MiddleRowKeepsItsIndex", {"bravo", "alpha", "charlie"}, 1, IDYES, {"alpha", "charlie"}, 1, true},
        DeleteCase{"OnlyRowLeavesNothingSelected", {"alpha"}, 0, IDYES, {}, -1, false},
        DeleteCase{"AnsweredNoChangesNothing", {"bravo", "alpha"}, 0, IDNO, {"alpha", "bravo"}, 0, true}),
    [](const ::testing::TestParamInfo<DeleteCase>& info) { return std::string(info.param.name); });

TEST_F(MainWindowTest, DeleteRemovesTheServerOfTheChosenRowAmongTwinNames)
{
    // Same name, told apart by their flags. The second in the file stands in the second row.
    WriteServers({"twin,1,0,0,0", "twin,0,1,0,0", "other,1,1,0,0"});
    m_host.AnswerNext(IDYES);
    m_host.Script({
        Inspect([](CDialog& d) { EXPECT_EQ(Rows(d), (Names{"other", "twin", "twin"})); }),
        Select(IDC_MAIN_SERVER_LIST, 2),
        Click(IDC_MAIN_DELETE),
        Click(IDOK),
    });
    ServerListDialog dialog;
    EXPECT_EQ(dialog.DoModal(), IDOK);
    const std::string ini = ReadFileBytes(m_systemDir.iniPath());
    EXPECT_NE(ini.find("Server1=twin,1,0,0,0"), std::string::npos) << ini;
    EXPECT_NE(ini.find("Server2=other,1,1,0,0"), std::string::npos) << ini;
    EXPECT_NE(ini.find("NumServers=2"), std::string::npos) << ini;
}

TEST_F(MainWindowTest, OkWritesTheListInItsOwnOrder)
{
    WriteServers({"charlie,1,1,0,0", "alpha,1,0,0,0", "bravo,0,1,0,0"});
    m_host.AnswerNext(IDYES);
    m_host.Script({Select(IDC_MAIN_SERVER_LIST, 0), Click(IDC_MAIN_DELETE), Click(IDOK)});
    ServerListDialog dialog;
    EXPECT_EQ(dialog.DoModal(), IDOK);
    EXPECT_EQ(SavedServerNames(), (Names{"charlie", "bravo"}));
    const std::string ini = ReadFileBytes(m_systemDir.iniPath());
    EXPECT_NE(ini.find("KnownServers=charlie\n"), std::string::npos) << ini;
    EXPECT_NE(ini.find("KnownPrintServers=charlie,bravo\n"), std::string::npos) << ini;
}

class CloseWithoutSavingTest : public MainWindowTest, public ::testing::WithParamInterface<ScriptAction> {};

TEST_P(CloseWithoutSavingTest, LeavesTheFileByteForByte)
{
    // Spacing, a comment and a foreign section that a rewrite would be likely to disturb.
    const std::string original = "; kept by hand\r\n[ServerList]\r\nServer1 = bravo,1,1,0,0\r\nServer2=alpha,1,0,0,0\r\n"
                                 "NumServers=2\r\n\r\n[Other]\r\nKey=Value";
    WriteFileBytes(m_systemDir.iniPath(), original);
    m_host.AnswerNext(IDYES);
    m_host.Script({Select(IDC_MAIN_SERVER_LIST, 0), Click(IDC_MAIN_DELETE), GetParam()});
    ServerListDialog dialog;
    EXPECT_EQ(dialog.DoModal(), IDCANCEL);
    EXPECT_EQ(ReadFileBytes(m_systemDir.iniPath()), original);
}

std::string CloseName(const ::testing::TestParamInfo<ScriptAction>& info)
{
    constexpr const char* kNames[] = {"Escape", "CancelButton", "CloseBox", "SystemMenuClose"};
    return kNames[info.index];
}

INSTANTIATE_TEST_SUITE_P(MainWindow, CloseWithoutSavingTest,
                         ::testing::Values(Escape(), Click(IDCANCEL), CloseBox(), SystemCommand(SC_CLOSE)), CloseName);

struct SaveFailureCase {
    const char* name;
    std::string serverLine;
    int injectedError;      // errno injected at the rename; 0 for none
    std::string reason;
};

class SaveFailureTest : public MainWindowTest, public ::testing::WithParamInterface<SaveFailureCase> {
protected:
    ~SaveFailureTest() override { SetFileFaultForTesting({}); }
};

TEST_P(SaveFailureTest, ReportsPathAndReasonAndKeepsTheWindowAndItsChanges)
{
    const SaveFailureCase& c = GetParam();
    WriteServers({c.serverLine, "doomed,1,1,0,0"});
    const std::string before = ReadFileBytes(m_systemDir.iniPath());
    const int injected = c.injectedError;
    SetFileFaultForTesting([injected](FileStep step) { return step == FileStep::Rename ? injected : 0; });
    m_host.AnswerNext(IDYES);   // the delete question
    m_host.AnswerNext(IDOK);    // the failure
    m_host.Script({
        Select(IDC_MAIN_SERVER_LIST, 0),
        Click(IDC_MAIN_DELETE),
        Click(IDOK),
        Inspect([&](CDialog& d) {
            EXPECT_FALSE(d.IsEnded());
            EXPECT_EQ(Rows(d).size(), 1u) << "the deletion is still there";
            EXPECT_EQ(ReadFileBytes(m_systemDir.iniPath()), before);
        }),
        Escape(),
    });
    ServerListDialog dialog;
    EXPECT_EQ(dialog.DoModal(), IDCANCEL);
    ASSERT_EQ(m_host.messageBoxes().size(), 2u);
    const MessageBoxRecord& report = m_host.messageBoxes()[1];
    EXPECT_EQ(report.type, MB_OK);
    EXPECT_NE(report.text.find(m_systemDir.iniPath()), std::string::npos) << report.text;
    EXPECT_NE(report.text.find(c.reason), std::string::npos) << report.text;
}

INSTANTIATE_TEST_SUITE_P(
    MainWindow, SaveFailureTest,
    ::testing::Values(SaveFailureCase{"RefusedReplacement", "kept,1,1,0,0", EACCES, std::strerror(EACCES)},
                      // The name fits its server line but not "<name>StreamDefaultQueue".
                      SaveFailureCase{"KeyTooLong", std::string(245, 'n') + ",1,1,1,0", 0,
                                      "A server name or queue setting is too long to be stored"}),
    [](const ::testing::TestParamInfo<SaveFailureCase>& info) { return std::string(info.param.name); });

TEST_F(MainWindowTest, OkAfterAFailedSaveSavesOnceTheCauseIsGone)
{
    WriteServers({"alpha,1,1,0,0", "doomed,1,1,0,0"});
    SetFileFaultForTesting([](FileStep step) { return step == FileStep::Write ? ENOSPC : 0; });
    m_host.AnswerNext(IDYES);
    m_host.AnswerNext(IDOK);
    m_host.Script({
        Select(IDC_MAIN_SERVER_LIST, 1),
        Click(IDC_MAIN_DELETE),
        Click(IDOK),
        Inspect([](CDialog&) { SetFileFaultForTesting({}); }),
        Click(IDOK),
    });
    ServerListDialog dialog;
    EXPECT_EQ(dialog.DoModal(), IDOK);
    EXPECT_EQ(SavedServerNames(), (Names{"alpha"}));
}

TEST_F(MainWindowTest, AboutItemShowsTheAboutBoxForTheWindowWithIcon128)
{
    struct Call {
        HWND owner;
        uint32_t icon;
    };
    std::vector<Call> calls;
    const AboutBoxPresenter previous = SetAboutBoxPresenter(
        [&calls](AboutBoxOwner owner, uint32_t icon) { calls.push_back({static_cast<HWND>(owner), icon}); });
    HWND window = nullptr;
    m_host.Script({
        Inspect([&window](CDialog& d) { window = d.GetSafeHwnd(); }),
        SystemCommand(IDM_ABOUTBOX),
        SystemCommand(IDM_ABOUTBOX | 0x3),   // the low four bits are the platform's own
        SystemCommand(kSysCommandMove),
        SystemCommand(SC_CLOSE),
    });
    ServerListDialog dialog;
    EXPECT_EQ(dialog.DoModal(), IDCANCEL);
    (void)SetAboutBoxPresenter(previous);
    ASSERT_EQ(calls.size(), 2u);
    for (const Call& call : calls) {
        EXPECT_EQ(call.owner, window);
        EXPECT_EQ(call.icon, IDI_NORVANE);
    }
}

TEST_F(MainWindowTest, OptionsRunsTheOptionsDialogAndLeavesTheListAlone)
{
    WriteServers({"alpha,1,1,0,0"});
    m_host.Script({Select(IDC_MAIN_SERVER_LIST, 0), Click(IDC_MAIN_OPTIONS),
                   Inspect([](CDialog& d) {
                       EXPECT_EQ(Rows(d), Names{"alpha"});
                       EXPECT_EQ(SelectedRow(d), 0);
                   }),
                   Escape()});
    m_host.Script({Escape()});
    ServerListDialog dialog;
    EXPECT_EQ(dialog.DoModal(), IDCANCEL);
    EXPECT_EQ(m_host.dialogsRun(), (std::vector<uint32_t>{IDD_SERVER_LIST, IDD_GLOBAL_OPTIONS}));
}

TEST(MinimizedIcon, IsCentredWithTheRoundingTowardZero)
{
    struct Case {
        int32_t width, height;
        Point expected;
    };
    for (const Case& c : {Case{36, 36, {2, 2}}, Case{37, 37, {3, 3}}, Case{30, 30, {0, 0}}, Case{100, 20, {34, -5}}})
        EXPECT_EQ(MinimizedIconPosition(c.width, c.height, 32, 32), c.expected) << c.width << "x" << c.height;
}

}   // namespace
