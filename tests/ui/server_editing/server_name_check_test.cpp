// SPDX-License-Identifier: GPL-2.0-or-later
// The server dialog's OK: names that cannot be stored are refused, the rest are looked up and a
// name that does not resolve is kept only when the user says so.
#include <gtest/gtest.h>

#include "platform/sockets.h"
#include "res/resource_ids.h"
#include "tests/support/fake_resolver.h"
#include "tests/support/scripted_host.h"
#include "tests/support/temp_system_dir.h"
#include "tests/ui/server_editing/server_editing_fixtures.h"
#include "ui/server_dialog.h"

namespace {

constexpr const char* kQuestion =
    "This server name may not be valid. Are you sure you want to add it to the Servers and Printers list?";

class ServerNameCheckTest : public ::testing::Test {
protected:
    int Run(int32_t mode, const ServerEntry* servers = nullptr, const ServerEntry* original = nullptr)
    {
        ServerDialog dialog;
        dialog.SetServerEntry(m_entry.entry, mode);
        dialog.SetServerList(servers, original);
        return dialog.DoModal();
    }

    TempSystemDir m_systemDir;
    FakeResolver m_resolver;
    ScriptedHost m_host;
    OwnedEntry m_entry;
};

TEST_F(ServerNameCheckTest, ResolvedNameClosesWithoutAQuestionInBothModes)
{
    m_resolver.AddHostName("alpha");
    m_resolver.AddHostAddress("10.0.0.7");
    for (const int32_t mode : {0, 1}) {
        for (const char* name : {"alpha", "10.0.0.7"}) {
            m_host.Script({Type(IDC_SERVER_NAME, name), Click(IDOK)});
            EXPECT_EQ(Run(mode), IDOK) << name << " in mode " << mode;
        }
    }
    EXPECT_TRUE(m_host.messageBoxes().empty());
    EXPECT_EQ(m_resolver.nameLookups(), (std::vector<std::string>{"alpha", "alpha"}));
    EXPECT_EQ(m_resolver.addressLookups(), (std::vector<uint32_t>{InetAddr("10.0.0.7"), InetAddr("10.0.0.7")}))
        << "a dotted address is looked up by address, not by name";
}

TEST_F(ServerNameCheckTest, UnresolvedNameAsksAndNoKeepsTheDialogOpen)
{
    m_host.AnswerNext(IDNO);
    m_host.AnswerNext(IDNO);
    m_host.AnswerNext(IDYES);
    m_host.Script({Type(IDC_SERVER_NAME, "10.9.9.9"), Click(IDC_SERVER_NFS_DRIVES), Click(IDOK),
                   Inspect([](CDialog& d) {
                       EXPECT_EQ(Text(d, IDC_SERVER_NAME), "10.9.9.9");
                       EXPECT_EQ(Checked(d, IDC_SERVER_NFS_DRIVES), BST_UNCHECKED);
                   }),
                   Click(IDOK), Click(IDOK)});
    EXPECT_EQ(Run(0), IDOK);
    ASSERT_EQ(m_host.messageBoxes().size(), 3u) << "OK asks again each time";
    EXPECT_EQ(m_host.messageBoxes()[0].text, kQuestion);
    EXPECT_EQ(m_host.messageBoxes()[0].type, MB_YESNO);
    EXPECT_STREQ(m_entry->name, "10.9.9.9");
    EXPECT_EQ(m_entry->nfsDriveMounts, 0);
}

TEST_F(ServerNameCheckTest, NameThatCannotBeStoredIsRefusedBeforeAnyLookUp)
{
    struct Case {
        const char* name;
        const char* message;
    };
    const Case cases[] = {
        {"Lab 2, east wing", "The server name cannot contain a comma."},
        {"a=b", "The server name cannot contain an equal sign (=)."},
        {"[alpha", "The server name cannot start with [ or ;."},
        {"alpha ", "The server name cannot start or end with a blank."},
        {"\"alpha", "The server name cannot start or end with a quotation mark."},
        {"al\tpha", "The server name cannot contain tabs, line breaks or other control characters."},
    };
    for (const Case& c : cases) {
        ScriptedHost host;
        host.AnswerNext(IDOK);
        host.Script({Type(IDC_SERVER_NAME, c.name), Click(IDOK), Inspect([&c](CDialog& d) {
                         EXPECT_EQ(Text(d, IDC_SERVER_NAME), c.name) << "kept as typed";
                         EXPECT_EQ(d.GetFocus(), d.GetDlgItem(IDC_SERVER_NAME));
                     }),
                     Escape()});
        EXPECT_EQ(Run(0), IDCANCEL);
        ASSERT_EQ(host.messageBoxes().size(), 1u) << c.name;
        EXPECT_EQ(host.messageBoxes()[0].text, c.message);
        EXPECT_EQ(host.messageBoxes()[0].type, MB_OK);
    }
    EXPECT_TRUE(m_resolver.nameLookups().empty());
    EXPECT_TRUE(m_resolver.addressLookups().empty());
}

TEST_F(ServerNameCheckTest, NameOfAnotherServerIsRefusedButAModifiedServerKeepsItsOwn)
{
    m_resolver.AddHostName("alpha");
    m_resolver.AddHostName("beta");
    OwnedEntry list;
    SetName(*list, "Alpha");
    OwnedEntry beta;
    SetName(*beta, "beta");
    list->next = beta.entry;
    beta.entry = nullptr;   // now owned by the list

    m_host.AnswerNext(IDOK);
    m_host.Script({Type(IDC_SERVER_NAME, "ALPHA"), Click(IDOK), Type(IDC_SERVER_NAME, "gamma"), Click(IDOK)});
    m_resolver.AddHostName("gamma");
    EXPECT_EQ(Run(0, list.entry, nullptr), IDOK);
    ASSERT_EQ(m_host.messageBoxes().size(), 1u);
    EXPECT_EQ(m_host.messageBoxes()[0].text,
              "The server name is already in the Servers and Printers list. Names that differ only in capital "
              "and small letters count as the same.");

    // Modifying the first server: its own name passes, the second server's does not.
    SetName(*m_entry, "Alpha");
    m_host.AnswerNext(IDOK);
    m_host.Script({Type(IDC_SERVER_NAME, "Beta"), Click(IDOK), Type(IDC_SERVER_NAME, "alpha"), Click(IDOK)});
    EXPECT_EQ(Run(1, list.entry, list.entry), IDOK);
    EXPECT_EQ(m_host.messageBoxes().size(), 2u);
    EXPECT_STREQ(m_entry->name, "alpha");
}

TEST_F(ServerNameCheckTest, StoredNameThatCannotBeKeptMustBeCorrectedInModify)
{
    // Loaded as they are, but OK does not let such a name back into the file.
    m_resolver.AddHostName("alpha");
    SetName(*m_entry, " alpha");
    m_host.AnswerNext(IDOK);
    m_host.Script({Click(IDOK), Type(IDC_SERVER_NAME, "alpha"), Click(IDOK)});
    EXPECT_EQ(Run(1), IDOK);
    EXPECT_EQ(m_host.messageBoxes().size(), 1u);
}

} // namespace
