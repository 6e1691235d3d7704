// SPDX-License-Identifier: GPL-2.0-or-later
// The server dialog: what it shows, the default button, the printing boxes and how it ends.
#include <gtest/gtest.h>

#include "res/resource_ids.h"
#include "tests/support/fake_resolver.h"
#include "tests/support/scripted_host.h"
#include "tests/support/temp_system_dir.h"
#include "tests/ui/server_editing/server_editing_fixtures.h"
#include "ui/server_dialog.h"

namespace {

constexpr int kStreamGroup[] = {IDC_SERVER_STREAM_GROUP, IDC_SERVER_STREAM_LIST, IDC_SERVER_STREAM_ADD,
                                IDC_SERVER_STREAM_MODIFY, IDC_SERVER_STREAM_DELETE, IDC_SERVER_DEFAULT_QUEUE};
constexpr int kLprGroup[] = {IDC_SERVER_LPR_GROUP, IDC_SERVER_LPR_LIST, IDC_SERVER_LPR_ADD, IDC_SERVER_LPR_MODIFY,
                             IDC_SERVER_LPR_DELETE};

template <size_t N>
void ExpectGroup(CDialog& dialog, const int (&ids)[N], bool enabled)
{
    for (const int id : ids)
        EXPECT_EQ(Enabled(dialog, id), enabled) << "control " << id;
}

class ServerDialogTest : public ::testing::Test {
protected:
    ServerDialogTest()
    {
        m_resolver.AddHostName("alpha");
        SetName(*m_entry, "alpha");
    }

    int Run(int32_t mode)
    {
        ServerDialog dialog;
        dialog.SetServerEntry(m_entry.entry, mode);
        return dialog.DoModal();
    }

    TempSystemDir m_systemDir;
    FakeResolver m_resolver;
    ScriptedHost m_host;
    OwnedEntry m_entry;
};

TEST_F(ServerDialogTest, AddStartsEmptyWithCancelAsTheDefaultButton)
{
    SetName(*m_entry, "");
    m_host.Script({Inspect([](CDialog& d) {
                       EXPECT_EQ(d.GetWindowText(), "Add Server");
                       EXPECT_EQ(Text(d, IDC_SERVER_NAME), "");
                       EXPECT_FALSE(Enabled(d, IDOK));
                       EXPECT_EQ(d.GetDefID(), IDCANCEL);
                       EXPECT_EQ(d.GetFocus(), d.GetDlgItem(IDC_SERVER_NAME));
                       EXPECT_EQ(Checked(d, IDC_SERVER_NFS_DRIVES), BST_CHECKED);
                       EXPECT_EQ(Checked(d, IDC_SERVER_NFS_PRINTERS), BST_CHECKED);
                       EXPECT_EQ(Checked(d, IDC_SERVER_STREAM_PRINTING), BST_UNCHECKED);
                       EXPECT_EQ(Checked(d, IDC_SERVER_LPR_PRINTING), BST_UNCHECKED);
                       ExpectGroup(d, kStreamGroup, false);
                       ExpectGroup(d, kLprGroup, false);
                       EXPECT_TRUE(RowTexts(d, IDC_SERVER_STREAM_LIST).empty());
                       EXPECT_TRUE(RowTexts(d, IDC_SERVER_LPR_LIST).empty());
                       EXPECT_FALSE(Visible(d, IDC_SERVER_DEFAULT_QUEUE));
                   }),
                   Enter()});
    EXPECT_EQ(Run(0), IDCANCEL) << "Enter cancels while the name is empty";
}

TEST_F(ServerDialogTest, ModifyShowsTheEntryWithOkAsTheDefaultButton)
{
    m_entry->nfsDriveMounts = 0;
    m_entry->streamPrinting = 1;
    AppendStream(*m_entry, 515, 0);
    AppendLpr(*m_entry, "lp");
    m_host.Script({Inspect([](CDialog& d) {
                       EXPECT_EQ(d.GetWindowText(), "Modify Server");
                       EXPECT_EQ(Text(d, IDC_SERVER_NAME), "alpha");
                       EXPECT_TRUE(Enabled(d, IDOK));
                       EXPECT_EQ(d.GetDefID(), IDOK);
                       EXPECT_EQ(Checked(d, IDC_SERVER_NFS_DRIVES), BST_UNCHECKED);
                       EXPECT_EQ(Checked(d, IDC_SERVER_STREAM_PRINTING), BST_CHECKED);
                       ExpectGroup(d, kStreamGroup, true);
                       ExpectGroup(d, kLprGroup, false);
                       EXPECT_EQ(RowTexts(d, IDC_SERVER_LPR_LIST), std::vector<std::string>{"lp"})
                           << "a switched-off kind still lists its queues";
                       EXPECT_FALSE(Visible(d, IDC_SERVER_DEFAULT_QUEUE));
                   }),
                   Enter()});
    EXPECT_EQ(Run(1), IDOK);
}

TEST_F(ServerDialogTest, DefaultButtonFollowsTheName)
{
    SetName(*m_entry, "");
    const auto expectOk = [](bool on) {
        return Inspect([on](CDialog& d) {
            EXPECT_EQ(Enabled(d, IDOK), on);
            EXPECT_EQ(d.GetDefID(), on ? IDOK : IDCANCEL);
        });
    };
    m_host.Script({Type(IDC_SERVER_NAME, "a"), expectOk(true), Type(IDC_SERVER_NAME, ""), expectOk(false),
                   Type(IDC_SERVER_NAME, " "), expectOk(true), Escape()});
    EXPECT_EQ(Run(0), IDCANCEL);
}

TEST_F(ServerDialogTest, PrintingBoxesSwitchTheirGroupsAndTheEntryAtOnce)
{
    AppendStream(*m_entry, 515, 0);
    AppendLpr(*m_entry, "lp");
    ServerEntry* entry = m_entry.entry;
    m_host.Script({Click(IDC_SERVER_STREAM_PRINTING), Inspect([entry](CDialog& d) {
                       ExpectGroup(d, kStreamGroup, true);
                       ExpectGroup(d, kLprGroup, false);
                       EXPECT_EQ(entry->streamPrinting, 1);
                       EXPECT_FALSE(Visible(d, IDC_SERVER_DEFAULT_QUEUE)) << "enabled, never shown";
                   }),
                   Click(IDC_SERVER_LPR_PRINTING), Inspect([entry](CDialog& d) {
                       ExpectGroup(d, kLprGroup, true);
                       EXPECT_EQ(entry->lprPrinting, 1);
                   }),
                   Click(IDC_SERVER_STREAM_PRINTING), Click(IDC_SERVER_LPR_PRINTING), Inspect([entry](CDialog& d) {
                       ExpectGroup(d, kStreamGroup, false);
                       ExpectGroup(d, kLprGroup, false);
                       EXPECT_EQ(entry->streamPrinting, 0);
                       EXPECT_EQ(entry->lprPrinting, 0);
                       EXPECT_EQ(Ports(*entry), std::vector<uint32_t>{515}) << "queues kept";
                       EXPECT_EQ(QueueNames(*entry), std::vector<std::string>{"lp"});
                   }),
                   Escape()});
    EXPECT_EQ(Run(1), IDCANCEL);
}

TEST_F(ServerDialogTest, OkStoresTheNameAndEveryBox)
{
    SetName(*m_entry, "");
    m_resolver.AddHostName("beta");
    m_host.Script({Type(IDC_SERVER_NAME, "beta"), Click(IDC_SERVER_NFS_DRIVES), Click(IDC_SERVER_NFS_PRINTERS),
                   Click(IDC_SERVER_LPR_PRINTING), Click(IDOK)});
    EXPECT_EQ(Run(0), IDOK);
    EXPECT_STREQ(m_entry->name, "beta");
    EXPECT_EQ(m_entry->nfsDriveMounts, 0);
    EXPECT_EQ(m_entry->nfsPrinterMounts, 0);
    EXPECT_EQ(m_entry->streamPrinting, 0);
    EXPECT_EQ(m_entry->lprPrinting, 1);
}

TEST_F(ServerDialogTest, DefaultStreamQueueFlagIsCarriedThrough)
{
    struct Case {
        int32_t stored;
        int32_t returned;
    };
    for (const Case c : {Case{1, 1}, Case{0, 0}, Case{5, 1}}) {
        for (const int32_t mode : {0, 1}) {
            ScriptedHost host;
            OwnedEntry entry;
            SetName(*entry, "alpha");
            entry->streamPrinting = 1;
            entry->defaultStreamQueue = c.stored;
            host.Script({Click(IDOK)});
            ServerDialog dialog;
            dialog.SetServerEntry(entry.entry, mode);
            EXPECT_EQ(dialog.DoModal(), IDOK);
            EXPECT_EQ(entry->defaultStreamQueue, c.returned) << "stored " << c.stored << ", mode " << mode;
        }
    }
}

TEST_F(ServerDialogTest, NameFieldTakesAtMost241Characters)
{
    m_host.Script({Type(IDC_SERVER_NAME, std::string(300, 'n')),
                   Inspect([](CDialog& d) { EXPECT_EQ(Text(d, IDC_SERVER_NAME).size(), 241u); }), Escape()});
    EXPECT_EQ(Run(0), IDCANCEL);
}

} // namespace
