// SPDX-License-Identifier: GPL-2.0-or-later
// The stream queue dialog: proposing, checking and storing a port.
#include <gtest/gtest.h>

#include "res/resource_ids.h"
#include "tests/support/scripted_host.h"
#include "tests/support/temp_system_dir.h"
#include "tests/ui/server_editing/server_editing_fixtures.h"
#include "ui/stream_queue_dialog.h"

namespace {

constexpr const char* kRangeMessage = "The valid range of port numbers is from 1 to 65536";

class StreamQueueDialogTest : public ::testing::Test {
protected:
    TempSystemDir m_systemDir;
    ScriptedHost m_host;
    OwnedEntry m_entry;
};

TEST_F(StreamQueueDialogTest, AddProposes9100WithTelnetAndPutsTheQueueAtTheHead)
{
    AppendStream(*m_entry, 515, 0);
    m_host.Script({Inspect([](CDialog& d) {
                       EXPECT_EQ(d.GetWindowText(), "Add Stream Queue");
                       EXPECT_EQ(Text(d, IDC_STREAM_PORT), "9100");
                       EXPECT_EQ(Checked(d, IDC_STREAM_TELNET), BST_CHECKED);
                       EXPECT_TRUE(Enabled(d, IDOK));
                       EXPECT_EQ(d.GetFocus(), d.GetDlgItem(IDC_STREAM_PORT));
                   }),
                   Click(IDOK)});
    StreamQueueDialog dialog;
    dialog.SetStreamQueueTarget(m_entry->streamQueues, nullptr);
    EXPECT_EQ(dialog.DoModal(), IDOK);
    EXPECT_EQ(Ports(*m_entry), (std::vector<uint32_t>{9100, 515}));
    EXPECT_EQ(m_entry->streamQueues->telnetNegotiation, 1);
}

TEST_F(StreamQueueDialogTest, ModifyShowsTheQueueAndChangesItInPlace)
{
    AppendStream(*m_entry, 9100, 1);
    StreamQueue* queue = AppendStream(*m_entry, 515, 0);
    AppendStream(*m_entry, 631, 1);
    m_host.Script({Inspect([](CDialog& d) {
                       EXPECT_EQ(d.GetWindowText(), "Modify Stream Queue");
                       EXPECT_EQ(Text(d, IDC_STREAM_PORT), "515");
                       EXPECT_EQ(Checked(d, IDC_STREAM_TELNET), BST_UNCHECKED);
                   }),
                   Type(IDC_STREAM_PORT, "2000"), Click(IDC_STREAM_TELNET), Click(IDOK)});
    StreamQueueDialog dialog;
    dialog.SetStreamQueueTarget(m_entry->streamQueues, queue);
    EXPECT_EQ(dialog.DoModal(), IDOK);
    EXPECT_EQ(Ports(*m_entry), (std::vector<uint32_t>{9100, 2000, 631}));
    EXPECT_EQ(queue->telnetNegotiation, 1);
}

TEST_F(StreamQueueDialogTest, EmptyPortDisablesOk)
{
    m_host.Script({Type(IDC_STREAM_PORT, ""), Inspect([](CDialog& d) { EXPECT_FALSE(Enabled(d, IDOK)); }),
                   Type(IDC_STREAM_PORT, "7"), Inspect([](CDialog& d) { EXPECT_TRUE(Enabled(d, IDOK)); }),
                   Escape()});
    StreamQueueDialog dialog;
    dialog.SetStreamQueueTarget(m_entry->streamQueues, nullptr);
    EXPECT_EQ(dialog.DoModal(), IDCANCEL);
}

TEST_F(StreamQueueDialogTest, PortTextsAcceptedOrRefusedWithTheRangeMessage)
{
    struct Case {
        const char* text;
        uint32_t port;   // 0: refused
    };
    const Case cases[] = {
        {"1", 1},         {"65536", 65536}, {" 80", 80}, {"+80", 80}, {"80abc", 80},
        {"0", 0},         {"65537", 0},     {"abc", 0},  {"-80", 0},  {"0x50", 0},
        {"123456789012", 0},
    };
    for (const Case& c : cases) {
        ScriptedHost host;
        OwnedEntry entry;
        AppendStream(*entry, 515, 0);
        if (c.port == 0) {
            host.AnswerNext(IDOK);
            // Refused: the dialog stays open with the text as typed, and cancelling changes nothing.
            host.Script({Type(IDC_STREAM_PORT, c.text), Click(IDOK),
                         Inspect([&c](CDialog& d) { EXPECT_EQ(Text(d, IDC_STREAM_PORT), c.text); }), Click(IDCANCEL)});
        } else {
            host.Script({Type(IDC_STREAM_PORT, c.text), Click(IDOK)});
        }
        StreamQueueDialog dialog;
        dialog.SetStreamQueueTarget(entry->streamQueues, nullptr);
        const int result = dialog.DoModal();
        if (c.port == 0) {
            EXPECT_EQ(result, IDCANCEL) << c.text;
            EXPECT_EQ(Ports(*entry), std::vector<uint32_t>{515}) << c.text;
            ASSERT_EQ(host.messageBoxes().size(), 1u) << c.text;
            EXPECT_EQ(host.messageBoxes()[0].text, kRangeMessage);
            EXPECT_EQ(host.messageBoxes()[0].type, MB_OK);
        } else {
            EXPECT_EQ(result, IDOK) << c.text;
            EXPECT_EQ(Ports(*entry), (std::vector<uint32_t>{c.port, 515})) << c.text;
        }
    }
}

TEST_F(StreamQueueDialogTest, CancelAfterChangesLeavesTheQueueAsItWas)
{
    StreamQueue* queue = AppendStream(*m_entry, 515, 0);
    m_host.Script({Type(IDC_STREAM_PORT, "80"), Click(IDC_STREAM_TELNET), Escape()});
    StreamQueueDialog dialog;
    dialog.SetStreamQueueTarget(m_entry->streamQueues, queue);
    EXPECT_EQ(dialog.DoModal(), IDCANCEL);
    EXPECT_EQ(queue->port, 515u);
    EXPECT_EQ(queue->telnetNegotiation, 0);
    EXPECT_EQ(queue->next, nullptr);
}

} // namespace
