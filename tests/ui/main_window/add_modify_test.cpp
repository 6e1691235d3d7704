// SPDX-License-Identifier: GPL-2.0-or-later
// Add and Modify from the main window, through the server dialog: where the edited server lands in
// the list, which row stays selected, and what a cancelled edit leaves behind.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "res/resource_ids.h"
#include "tests/support/fake_resolver.h"
#include "tests/ui/main_window/main_window_fixture.h"
#include "ui/server_list_dialog.h"

namespace {

using Names = std::vector<std::string>;

class AddModifyTest : public MainWindowTest {
protected:
    AddModifyTest()
    {
        for (const char* name : {"alpha", "bravo", "charlie", "delta", "echo", "renamed", "twin", "other"})
            m_resolver.AddHostName(name);
    }

    FakeResolver m_resolver;
};

TEST_F(AddModifyTest, AddKeepsTheSelectedIndexAndPutsTheServerFirstInTheFile)
{
    WriteServers({"alpha,1,1,0,0", "charlie,1,1,0,0", "echo,1,1,0,0"});
    m_host.Script({
        Select(IDC_MAIN_SERVER_LIST, 1),
        Click(IDC_MAIN_ADD),
        Inspect([](CDialog& d) {
            EXPECT_EQ(Rows(d), (Names{"alpha", "bravo", "charlie", "echo"}));
            EXPECT_EQ(SelectedRow(d), 1) << "the index stays; the new server now stands there";
            EXPECT_TRUE(IsEnabled(d, IDC_MAIN_MODIFY));
        }),
        Click(IDOK),
    });
    m_host.Script({Type(IDC_SERVER_NAME, "bravo"), Click(IDOK)});
    ServerListDialog dialog;
    EXPECT_EQ(dialog.DoModal(), IDOK);
    EXPECT_EQ(SavedServerNames(), (Names{"bravo", "alpha", "charlie", "echo"}));
    // A new server offers drive and printer mounts until the user says otherwise.
    EXPECT_NE(ReadFileBytes(m_systemDir.iniPath()).find("Server1=bravo,1,1,0,0"), std::string::npos);
}

TEST_F(AddModifyTest, AddToAnEmptyListLeavesNothingSelected)
{
    m_host.Script({
        Click(IDC_MAIN_ADD),
        Inspect([](CDialog& d) {
            EXPECT_EQ(Rows(d), Names{"alpha"});
            EXPECT_EQ(SelectedRow(d), -1);
            EXPECT_FALSE(IsEnabled(d, IDC_MAIN_MODIFY));
            EXPECT_FALSE(IsEnabled(d, IDC_MAIN_DELETE));
        }),
        Click(IDOK),
    });
    m_host.Script({Type(IDC_SERVER_NAME, "alpha"), Click(IDOK)});
    ServerListDialog dialog;
    EXPECT_EQ(dialog.DoModal(), IDOK);
    EXPECT_EQ(SavedServerNames(), Names{"alpha"});
}

TEST_F(AddModifyTest, ModifiedServerMovesToTheHeadAndIsWrittenFirst)
{
    WriteServers({"alpha,1,1,0,0", "bravo,1,1,0,0", "charlie,1,1,0,0"});
    m_host.Script({
        DoubleClick(IDC_MAIN_SERVER_LIST, 2),
        Inspect([](CDialog& d) {
            EXPECT_EQ(Rows(d), (Names{"alpha", "bravo", "delta"}));
            EXPECT_EQ(SelectedRow(d), 2);
        }),
        Click(IDOK),
    });
    m_host.Script({
        Inspect([](CDialog& d) { EXPECT_EQ(d.GetDlgItemText(IDC_SERVER_NAME), "charlie"); }),
        Type(IDC_SERVER_NAME, "delta"),
        Click(IDOK),
    });
    ServerListDialog dialog;
    EXPECT_EQ(dialog.DoModal(), IDOK);
    EXPECT_EQ(SavedServerNames(), (Names{"delta", "alpha", "bravo"}));
}

TEST_F(AddModifyTest, ModifyEditsTheServerOfTheChosenRowAmongTwinNames)
{
    // Same name, told apart by their flags. The second in the file stands in the second "twin" row.
    WriteServers({"twin,1,0,0,0", "twin,0,1,0,0", "other,1,1,0,0"});
    m_host.Script({Select(IDC_MAIN_SERVER_LIST, 2), Click(IDC_MAIN_MODIFY), Click(IDOK)});
    m_host.Script({Type(IDC_SERVER_NAME, "renamed"), Click(IDOK)});
    ServerListDialog dialog;
    EXPECT_EQ(dialog.DoModal(), IDOK);
    const std::string ini = ReadFileBytes(m_systemDir.iniPath());
    EXPECT_NE(ini.find("Server1=renamed,0,1,0,0"), std::string::npos) << ini;
    EXPECT_NE(ini.find("Server2=twin,1,0,0,0"), std::string::npos) << ini;
    EXPECT_NE(ini.find("Server3=other,1,1,0,0"), std::string::npos) << ini;
}

TEST_F(AddModifyTest, CancelledEditsChangeNeitherTheListNorTheFile)
{
    WriteServers({"bravo,1,1,0,0", "alpha,1,1,0,0"});
    m_host.Script({
        Click(IDC_MAIN_ADD),
        Select(IDC_MAIN_SERVER_LIST, 0),
        Click(IDC_MAIN_MODIFY),
        Inspect([](CDialog& d) {
            EXPECT_EQ(Rows(d), (Names{"alpha", "bravo"}));
            EXPECT_EQ(SelectedRow(d), 0);
        }),
        Click(IDOK),
    });
    m_host.Script({Type(IDC_SERVER_NAME, "charlie"), Escape()});
    m_host.Script({Type(IDC_SERVER_NAME, "delta"), Escape()});
    ServerListDialog dialog;
    EXPECT_EQ(dialog.DoModal(), IDOK);
    EXPECT_EQ(SavedServerNames(), (Names{"bravo", "alpha"})) << "the file order is kept";
}

}   // namespace
