// SPDX-License-Identifier: GPL-2.0-or-later
// Two main windows on one system directory, and other programs writing kqnet.ini while the window is
// open: at OK the window keeps what they wrote, and asks about a server that both changed.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "config/server_file.h"
#include "res/resource_ids.h"
#include "tests/support/fake_resolver.h"
#include "tests/ui/main_window/main_window_fixture.h"
#include "ui/base/format_string.h"
#include "ui/server_list_dialog.h"

namespace {

using Lines = std::vector<std::string>;

class OtherWritersTest : public MainWindowTest {
protected:
    OtherWritersTest()
    {
        for (const char* name : {"s", "a1", "b1"})
            m_resolver.AddHostName(name);
        WriteServers({"s,1,1,0,0"});
    }

    // The servers a load gives now, as their server lines.
    static Lines SavedLines()
    {
        ServerList list = nullptr;
        EXPECT_EQ(LoadServerList(list), ProfileOk);
        Lines lines;
        for (const ServerEntry* entry = list; entry; entry = entry->next)
            lines.push_back(std::string(entry->name) + "," + std::to_string(entry->nfsDriveMounts) + ","
                            + std::to_string(entry->nfsPrinterMounts) + "," + std::to_string(entry->streamPrinting)
                            + "," + std::to_string(entry->lprPrinting));
        (void)FreeServerList(list);
        return lines;
    }

    // A second window on the same directory, opened after this one and closed with OK before it.
    // Its scripts are queued after those of the dialogs the first window opened before it.
    static ScriptAction OtherWindow()
    {
        return Inspect([](CDialog&) {
            ServerListDialog other;
            EXPECT_EQ(other.DoModal(), IDOK);
        });
    }

    // Runs the first window, queued with its scripts, and answers how it ended.
    static int RunFirstWindow()
    {
        ServerListDialog dialog;
        return dialog.DoModal();
    }

    FakeResolver m_resolver;
};

TEST_F(OtherWritersTest, WhatEachWindowAddedOrDeletedIsKept)
{
    // add/add: the window that saves last puts its own at the head, the other's in the file's order.
    m_host.Script({Click(IDC_MAIN_ADD), OtherWindow(), Click(IDOK)});
    m_host.Script({Type(IDC_SERVER_NAME, "a1"), Click(IDOK)});
    m_host.Script({Click(IDC_MAIN_ADD), Click(IDOK)});
    m_host.Script({Type(IDC_SERVER_NAME, "b1"), Click(IDOK)});
    EXPECT_EQ(RunFirstWindow(), IDOK);
    EXPECT_EQ(SavedLines(), (Lines{"a1,1,1,0,0", "b1,1,1,0,0", "s,1,1,0,0"}));

    // add/delete.
    WriteServers({"s,1,1,0,0"});
    m_host.Script({Click(IDC_MAIN_ADD), OtherWindow(), Click(IDOK)});
    m_host.Script({Type(IDC_SERVER_NAME, "a1"), Click(IDOK)});
    m_host.AnswerNext(IDYES);
    m_host.Script({Select(IDC_MAIN_SERVER_LIST, 0), Click(IDC_MAIN_DELETE), Click(IDOK)});
    EXPECT_EQ(RunFirstWindow(), IDOK);
    EXPECT_EQ(SavedLines(), Lines{"a1,1,1,0,0"});
    EXPECT_EQ(m_host.messageBoxes().size(), 1u) << "only the other window's delete question";
}

// modify/modify and delete/modify: one question by the server's name; Yes keeps this window's
// version, No the other's, Cancel saves nothing and leaves the window open with the user's list.
TEST_F(OtherWritersTest, AServerBothChangedIsPutToTheUser)
{
    struct Case {
        bool deleteHere;
        int answer;
        Lines saved;
    };
    const Case cases[] = {
        {false, IDYES, {"s,1,0,0,0"}}, {false, IDNO, {"s,0,1,0,0"}},  {false, IDCANCEL, {"s,0,1,0,0"}},
        {true, IDYES, {}},             {true, IDNO, {"s,0,1,0,0"}},   {true, IDCANCEL, {"s,0,1,0,0"}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::string(c.deleteHere ? "delete" : "modify") + "/modify, answer " + std::to_string(c.answer));
        WriteServers({"s,1,1,0,0"});
        const size_t asked = m_host.messageBoxes().size() + (c.deleteHere ? 1 : 0);
        std::vector<ScriptAction> first;
        if (c.deleteHere) {
            m_host.AnswerNext(IDYES);
            first = {Select(IDC_MAIN_SERVER_LIST, 0), Click(IDC_MAIN_DELETE)};
        } else {
            first = {DoubleClick(IDC_MAIN_SERVER_LIST, 0)};
        }
        first.push_back(OtherWindow());
        first.push_back(Click(IDOK));
        std::vector<std::string> rows;
        if (c.answer == IDCANCEL) {
            first.push_back(Inspect([&rows](CDialog& d) { rows = Rows(d); }));
            first.push_back(Click(IDCANCEL));
        }
        m_host.Script(first);
        if (!c.deleteHere)
            m_host.Script({Click(IDC_SERVER_NFS_PRINTERS), Click(IDOK)});
        m_host.Script({DoubleClick(IDC_MAIN_SERVER_LIST, 0), Click(IDOK)});
        m_host.Script({Click(IDC_SERVER_NFS_DRIVES), Click(IDOK)});
        m_host.AnswerNext(c.answer);

        EXPECT_EQ(RunFirstWindow(), c.answer == IDCANCEL ? IDCANCEL : IDOK);
        EXPECT_EQ(SavedLines(), c.saved);
        ASSERT_EQ(m_host.messageBoxes().size(), asked + 1);
        const MessageBoxRecord& question = m_host.messageBoxes().back();
        EXPECT_EQ(question.type, MB_YESNOCANCEL);
        EXPECT_EQ(question.text, AfxFormatString2(c.deleteHere ? IDS_SERVER_CHANGED_ELSEWHERE_REMOVED_HERE
                                                               : IDS_SERVER_CHANGED_ELSEWHERE,
                                                  "s", ""));
        if (c.answer == IDCANCEL) {
            EXPECT_EQ(rows, c.deleteHere ? Lines{} : Lines{"s"}) << "the window kept the user's list";
        }
    }
}

// Servers that a script or an editor added while the window was open, by hand or by a save.
TEST_F(OtherWritersTest, ServersAddedMeanwhileAreKept)
{
    const std::string handEdited = "[ServerList]\nServer1=s,1,1,0,0\nServer2=h,0,0,0,1\nNumServers=2\n"
                                   "[LPRQueues]\nhQueue1=lp,f,guest,Lab\nhNumQueues=1\n";
    m_host.Script({Click(IDC_MAIN_ADD), Inspect([&](CDialog&) { WriteFileBytes(m_systemDir.iniPath(), handEdited); }),
                   Click(IDOK)});
    m_host.Script({Type(IDC_SERVER_NAME, "a1"), Click(IDOK)});
    EXPECT_EQ(RunFirstWindow(), IDOK);
    EXPECT_EQ(SavedLines(), (Lines{"a1,1,1,0,0", "s,1,1,0,0", "h,0,0,0,1"}));
    EXPECT_NE(ReadFileBytes(m_systemDir.iniPath()).find("hQueue1=lp,f,guest,Lab\nhNumQueues=1\n"), std::string::npos);

    // An OK without a change leaves another writer's save exactly as it is.
    WriteServers({"s,1,1,0,0"});
    std::string saved;
    m_host.Script({OtherWindow(), Inspect([&](CDialog&) { saved = ReadFileBytes(m_systemDir.iniPath()); }),
                   Click(IDOK)});
    m_host.Script({Click(IDC_MAIN_ADD), Click(IDOK)});
    m_host.Script({Type(IDC_SERVER_NAME, "b1"), Click(IDOK)});
    EXPECT_EQ(RunFirstWindow(), IDOK);
    EXPECT_EQ(SavedLines(), (Lines{"b1,1,1,0,0", "s,1,1,0,0"}));
    EXPECT_EQ(ReadFileBytes(m_systemDir.iniPath()), saved);
}

}   // namespace
