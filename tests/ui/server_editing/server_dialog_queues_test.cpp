// SPDX-License-Identifier: GPL-2.0-or-later
// The server dialog's queue lists and buttons.
#include <gtest/gtest.h>

#include "config/text_field.h"
#include "res/resource_ids.h"
#include "tests/support/fake_resolver.h"
#include "tests/support/scripted_host.h"
#include "tests/support/temp_system_dir.h"
#include "tests/ui/server_editing/server_editing_fixtures.h"
#include "ui/server_dialog.h"

namespace {

using Rows = std::vector<std::string>;
using PortList = std::vector<uint32_t>;

class ServerDialogQueuesTest : public ::testing::Test {
protected:
    ServerDialogQueuesTest()
    {
        m_resolver.AddHostName("alpha");
        SetName(*m_entry, "alpha");
        m_entry->streamPrinting = 1;
        m_entry->lprPrinting = 1;
        AppendStream(*m_entry, 515, 0);
        AppendStream(*m_entry, 9100, 1);
        AppendStream(*m_entry, 631, 0);
        AppendLpr(*m_entry, "lp", "f", "guest", "Lab");
        AppendLpr(*m_entry, "raw", "v");
    }

    int Run()
    {
        ServerDialog dialog;
        dialog.SetServerEntry(m_entry.entry, 1);
        return dialog.DoModal();
    }

    TempSystemDir m_systemDir;
    FakeResolver m_resolver;
    ScriptedHost m_host;
    OwnedEntry m_entry;
};

TEST_F(ServerDialogQueuesTest, RowsFollowTheListsWithTheLastRowSelected)
{
    m_host.Script({Inspect([](CDialog& d) {
                       EXPECT_EQ(RowTexts(d, IDC_SERVER_STREAM_LIST), (Rows{"515", "9100", "631"}));
                       EXPECT_EQ(Selection(d, IDC_SERVER_STREAM_LIST), 2);
                       EXPECT_EQ(RowTexts(d, IDC_SERVER_LPR_LIST), (Rows{"lp", "raw"}));
                       EXPECT_EQ(Selection(d, IDC_SERVER_LPR_LIST), 1);
                   }),
                   Escape()});
    EXPECT_EQ(Run(), IDCANCEL);
}

TEST_F(ServerDialogQueuesTest, AddedQueueShowsAtTheTopWithTheSelectionOnTheLastRow)
{
    m_host.Script({Click(IDC_SERVER_STREAM_ADD), Inspect([](CDialog& d) {
                       EXPECT_EQ(RowTexts(d, IDC_SERVER_STREAM_LIST), (Rows{"2000", "515", "9100", "631"}));
                       EXPECT_EQ(Selection(d, IDC_SERVER_STREAM_LIST), 3);
                   }),
                   Click(IDC_SERVER_LPR_ADD),
                   Inspect([](CDialog& d) { EXPECT_EQ(RowTexts(d, IDC_SERVER_LPR_LIST), (Rows{"new", "lp", "raw"})); }),
                   Click(IDOK)});
    m_host.Script({Type(IDC_STREAM_PORT, "2000"), Click(IDOK)});
    m_host.Script({Type(IDC_LPR_QUEUE_NAME, "new"), Click(IDOK)});
    EXPECT_EQ(Run(), IDOK);
    EXPECT_EQ(Ports(*m_entry), (PortList{2000, 515, 9100, 631}));
    EXPECT_EQ(m_host.dialogsRun(), (std::vector<uint32_t>{IDD_SERVER, IDD_STREAM_QUEUE, IDD_LPR_QUEUE}));
}

TEST_F(ServerDialogQueuesTest, ModifyChangesTheSelectedQueueFromTheButtonOrADoubleClick)
{
    m_host.Script({Select(IDC_SERVER_STREAM_LIST, 1), Click(IDC_SERVER_STREAM_MODIFY),
                   DoubleClick(IDC_SERVER_LPR_LIST, 0), Inspect([](CDialog& d) {
                       EXPECT_EQ(RowTexts(d, IDC_SERVER_STREAM_LIST), (Rows{"515", "9101", "631"}));
                       EXPECT_EQ(RowTexts(d, IDC_SERVER_LPR_LIST), (Rows{"lp2", "raw"}));
                   }),
                   Click(IDOK)});
    m_host.Script({Inspect([](CDialog& d) { EXPECT_EQ(Text(d, IDC_STREAM_PORT), "9100"); }),
                   Type(IDC_STREAM_PORT, "9101"), Click(IDOK)});
    m_host.Script({Inspect([](CDialog& d) { EXPECT_EQ(Text(d, IDC_LPR_QUEUE_NAME), "lp"); }),
                   Type(IDC_LPR_QUEUE_NAME, "lp2"), Click(IDOK)});
    EXPECT_EQ(Run(), IDOK);
    EXPECT_EQ(QueueNames(*m_entry), (Rows{"lp2", "raw"}));
}

TEST_F(ServerDialogQueuesTest, DeleteRemovesOnlyTheSelectedQueue)
{
    m_host.Script({Select(IDC_SERVER_STREAM_LIST, 0), Click(IDC_SERVER_STREAM_DELETE), Select(IDC_SERVER_LPR_LIST, 1),
                   Click(IDC_SERVER_LPR_DELETE), Inspect([](CDialog& d) {
                       EXPECT_EQ(RowTexts(d, IDC_SERVER_STREAM_LIST), (Rows{"9100", "631"}));
                       EXPECT_EQ(RowTexts(d, IDC_SERVER_LPR_LIST), (Rows{"lp"}));
                   }),
                   Click(IDOK)});
    EXPECT_EQ(Run(), IDOK);
    EXPECT_EQ(Ports(*m_entry), (PortList{9100, 631}));
    EXPECT_EQ(QueueNames(*m_entry), (Rows{"lp"}));
    EXPECT_TRUE(m_host.beeps().empty());
}

TEST_F(ServerDialogQueuesTest, ModifyAndDeleteWithoutASelectionBeepAndChangeNothing)
{
    m_host.Script({Select(IDC_SERVER_STREAM_LIST, -1), Select(IDC_SERVER_LPR_LIST, -1), Click(IDC_SERVER_STREAM_MODIFY),
                   Click(IDC_SERVER_STREAM_DELETE), Click(IDC_SERVER_LPR_MODIFY), Click(IDC_SERVER_LPR_DELETE),
                   Escape()});
    EXPECT_EQ(Run(), IDCANCEL);
    EXPECT_EQ(m_host.beeps(), (std::vector<UINT>(4, MB_ICONEXCLAMATION)));
    EXPECT_EQ(m_host.dialogsRun(), std::vector<uint32_t>{IDD_SERVER}) << "no queue dialog opened";
    EXPECT_EQ(Ports(*m_entry), (PortList{515, 9100, 631}));
    EXPECT_EQ(QueueNames(*m_entry), (Rows{"lp", "raw"}));
}

TEST_F(ServerDialogQueuesTest, TypedNameAndBoxesSurviveEveryQueueOperation)
{
    // Each operation right after a change of name and box, so each must save them itself.
    const auto expectTyped = [this](std::string name, int drive) {
        return Inspect([this, name, drive](CDialog& d) {
            EXPECT_EQ(Text(d, IDC_SERVER_NAME), name);
            EXPECT_EQ(Checked(d, IDC_SERVER_NFS_DRIVES), drive) << name;
            EXPECT_EQ(m_entry->name, name);
            EXPECT_EQ(m_entry->nfsDriveMounts, drive) << name;
        });
    };
    m_host.Script({Type(IDC_SERVER_NAME, "beta"), Click(IDC_SERVER_NFS_DRIVES), Click(IDC_SERVER_STREAM_ADD),
                   expectTyped("beta", 0), Type(IDC_SERVER_NAME, "gamma"), Click(IDC_SERVER_NFS_DRIVES),
                   Click(IDC_SERVER_LPR_MODIFY), expectTyped("gamma", 1), Type(IDC_SERVER_NAME, "delta"),
                   Click(IDC_SERVER_NFS_DRIVES), Select(IDC_SERVER_STREAM_LIST, 0), Click(IDC_SERVER_STREAM_DELETE),
                   expectTyped("delta", 0), Type(IDC_SERVER_NAME, "epsilon"), Select(IDC_SERVER_LPR_LIST, 0),
                   Click(IDC_SERVER_LPR_DELETE), expectTyped("epsilon", 0), Escape()});
    m_host.Script({Click(IDOK)});
    m_host.Script({Click(IDOK)});
    EXPECT_EQ(Run(), IDCANCEL);
}

TEST_F(ServerDialogQueuesTest, CancelLeavesTheQueueChangesInTheEntryForTheCallerToDiscard)
{
    m_host.Script({Click(IDC_SERVER_STREAM_ADD), Select(IDC_SERVER_LPR_LIST, 0), Click(IDC_SERVER_LPR_DELETE),
                   Click(IDCANCEL)});
    m_host.Script({Type(IDC_STREAM_PORT, "80"), Click(IDOK)});
    EXPECT_EQ(Run(), IDCANCEL);
    EXPECT_EQ(Ports(*m_entry), (PortList{80, 515, 9100, 631}));
    EXPECT_EQ(QueueNames(*m_entry), (Rows{"raw"}));
}

TEST_F(ServerDialogQueuesTest, CancelledQueueDialogChangesNothing)
{
    m_host.Script({Click(IDC_SERVER_STREAM_ADD), Click(IDC_SERVER_LPR_MODIFY), Click(IDOK)});
    m_host.Script({Type(IDC_STREAM_PORT, "80"), Escape()});
    m_host.Script({Type(IDC_LPR_QUEUE_NAME, "changed"), Escape()});
    EXPECT_EQ(Run(), IDOK);
    EXPECT_EQ(Ports(*m_entry), (PortList{515, 9100, 631}));
    EXPECT_EQ(FieldText(m_entry->lprQueues->next->queueName), "raw");
}

} // namespace
