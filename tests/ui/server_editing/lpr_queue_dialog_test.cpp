// SPDX-License-Identifier: GPL-2.0-or-later
// The LPR queue dialog: the proposed user name, the filter types and storing the four texts.
#include <gtest/gtest.h>

#include "config/global_options.h"
#include "config/text_field.h"
#include "res/resource_ids.h"
#include "tests/support/scripted_host.h"
#include "tests/support/temp_system_dir.h"
#include "tests/ui/server_editing/server_editing_fixtures.h"
#include "ui/lpr_queue_dialog.h"

namespace {

class LprQueueDialogTest : public ::testing::Test {
protected:
    int Run(LprQueue* queue)
    {
        LprQueueDialog dialog;
        dialog.SetLprQueueTarget(m_entry->lprQueues, queue);
        return dialog.DoModal();
    }

    TempSystemDir m_systemDir;
    ScriptedHost m_host;
    OwnedEntry m_entry;
};

TEST_F(LprQueueDialogTest, AddProposesTheDefaultUserNameAndBinaryFilter)
{
    ASSERT_EQ(WriteDefaultUserName("guest"), ProfileOk);
    AppendLpr(*m_entry, "old");
    m_host.Script({Inspect([](CDialog& d) {
                       EXPECT_EQ(d.GetWindowText(), "Add LPR Queue");
                       EXPECT_EQ(Text(d, IDC_LPR_USER_NAME), "guest");
                       EXPECT_EQ(Text(d, IDC_LPR_QUEUE_NAME), "");
                       EXPECT_EQ(Text(d, IDC_LPR_PERSONAL_NAME), "");
                       EXPECT_EQ(Selection(d, IDC_LPR_FILTER_TYPE), 0);
                       EXPECT_EQ(Text(d, IDC_LPR_FILTER_LETTER), "v");
                       EXPECT_FALSE(Enabled(d, IDC_LPR_FILTER_LETTER));
                       EXPECT_FALSE(Enabled(d, IDOK));
                       EXPECT_EQ(d.GetFocus(), d.GetDlgItem(IDC_LPR_QUEUE_NAME));
                   }),
                   Type(IDC_LPR_QUEUE_NAME, "lp"), Inspect([](CDialog& d) { EXPECT_TRUE(Enabled(d, IDOK)); }),
                   Type(IDC_LPR_PERSONAL_NAME, "Lab 2"), Click(IDOK)});
    EXPECT_EQ(Run(nullptr), IDOK);
    EXPECT_EQ(QueueNames(*m_entry), (std::vector<std::string>{"lp", "old"}));
    const LprQueue& added = *m_entry->lprQueues;
    EXPECT_EQ(FieldText(added.filter), "v");
    EXPECT_EQ(FieldText(added.userName), "guest");
    EXPECT_EQ(FieldText(added.personalName), "Lab 2");
}

TEST_F(LprQueueDialogTest, DefaultUserNameOf31CharactersIsProposedAnd32AreNot)
{
    for (const size_t length : {31u, 32u}) {
        ScriptedHost host;
        const std::string name(length, 'u');
        ASSERT_EQ(WriteDefaultUserName(name.c_str()), ProfileOk);
        const std::string expected = length < 32 ? name : "";
        host.Script({Inspect([&](CDialog& d) { EXPECT_EQ(Text(d, IDC_LPR_USER_NAME), expected) << length; }),
                     Escape()});
        LprQueueDialog dialog;
        dialog.SetLprQueueTarget(m_entry->lprQueues, nullptr);
        EXPECT_EQ(dialog.DoModal(), IDCANCEL);
    }
}

TEST_F(LprQueueDialogTest, FilterTypeSetsTheLetterAndOnlyUserDefinedLetsItBeTyped)
{
    m_host.Script({Select(IDC_LPR_FILTER_TYPE, 1), Inspect([](CDialog& d) {
                       EXPECT_EQ(Text(d, IDC_LPR_FILTER_LETTER), "d");
                       EXPECT_FALSE(Enabled(d, IDC_LPR_FILTER_LETTER));
                   }),
                   Select(IDC_LPR_FILTER_TYPE, 6), Inspect([](CDialog& d) {
                       EXPECT_EQ(Text(d, IDC_LPR_FILTER_LETTER), "");
                       EXPECT_TRUE(Enabled(d, IDC_LPR_FILTER_LETTER));
                       EXPECT_EQ(d.GetFocus(), d.GetDlgItem(IDC_LPR_FILTER_LETTER));
                   }),
                   Type(IDC_LPR_FILTER_LETTER, "x"), Select(IDC_LPR_FILTER_TYPE, 2), Inspect([](CDialog& d) {
                       EXPECT_EQ(Text(d, IDC_LPR_FILTER_LETTER), "f");
                       EXPECT_FALSE(Enabled(d, IDC_LPR_FILTER_LETTER));
                   }),
                   Select(IDC_LPR_FILTER_TYPE, 6), Type(IDC_LPR_QUEUE_NAME, "lp"), Click(IDOK)});
    EXPECT_EQ(Run(nullptr), IDOK);
    EXPECT_EQ(FieldText(m_entry->lprQueues->filter), "") << "User Defined with an empty letter stores it empty";
}

TEST_F(LprQueueDialogTest, ModifyShowsTheQueueWithItsFilterType)
{
    ASSERT_EQ(WriteDefaultUserName("guest"), ProfileOk);
    struct Case {
        const char* filter;
        int index;
    };
    const Case cases[] = {{"r", 4}, {"v", 0}, {"c", 5}, {"V", 6}, {"x", 6}, {"abc", 6}, {"", 6}};
    for (const Case& c : cases) {
        ScriptedHost host;
        OwnedEntry entry;
        LprQueue* queue = AppendLpr(*entry, "lp", c.filter, "own", "Lab");
        host.Script({Inspect([&c](CDialog& d) {
                         EXPECT_EQ(d.GetWindowText(), "Modify LPR Queue");
                         EXPECT_EQ(Text(d, IDC_LPR_QUEUE_NAME), "lp");
                         EXPECT_EQ(Text(d, IDC_LPR_USER_NAME), "own") << "the queue's own, not the default";
                         EXPECT_EQ(Text(d, IDC_LPR_PERSONAL_NAME), "Lab");
                         EXPECT_EQ(Selection(d, IDC_LPR_FILTER_TYPE), c.index) << c.filter;
                         EXPECT_EQ(Text(d, IDC_LPR_FILTER_LETTER), c.filter);
                         EXPECT_EQ(Enabled(d, IDC_LPR_FILTER_LETTER), c.index == 6) << c.filter;
                         EXPECT_TRUE(Enabled(d, IDOK));
                     }),
                     Type(IDC_LPR_USER_NAME, "other"), Click(IDOK)});
        LprQueueDialog dialog;
        dialog.SetLprQueueTarget(entry->lprQueues, queue);
        EXPECT_EQ(dialog.DoModal(), IDOK);
        EXPECT_EQ(entry->lprQueues, queue) << "changed in place";
        EXPECT_EQ(FieldText(queue->filter), c.filter);
        EXPECT_EQ(FieldText(queue->userName), "other");
    }
}

TEST_F(LprQueueDialogTest, CancelAfterChangesLeavesTheQueueAsItWas)
{
    LprQueue* queue = AppendLpr(*m_entry, "lp", "f", "own", "Lab");
    m_host.Script({Type(IDC_LPR_QUEUE_NAME, "other"), Select(IDC_LPR_FILTER_TYPE, 1), Escape()});
    EXPECT_EQ(Run(queue), IDCANCEL);
    EXPECT_EQ(FieldText(queue->queueName), "lp");
    EXPECT_EQ(FieldText(queue->filter), "f");
    EXPECT_EQ(queue->next, nullptr);
}

TEST_F(LprQueueDialogTest, RefusedTextKeepsTheDialogOpenAsTypedWithTheFieldFocused)
{
    m_host.AnswerNext(IDOK);
    m_host.Script({Type(IDC_LPR_QUEUE_NAME, "lp"), Type(IDC_LPR_PERSONAL_NAME, "Lab 2, east wing"), Click(IDOK),
                   Inspect([](CDialog& d) {
                       EXPECT_EQ(Text(d, IDC_LPR_PERSONAL_NAME), "Lab 2, east wing");
                       EXPECT_EQ(d.GetFocus(), d.GetDlgItem(IDC_LPR_PERSONAL_NAME));
                   }),
                   Type(IDC_LPR_PERSONAL_NAME, "Lab 2 east wing"), Click(IDOK)});
    EXPECT_EQ(Run(nullptr), IDOK);
    ASSERT_EQ(m_host.messageBoxes().size(), 1u);
    EXPECT_EQ(m_host.messageBoxes()[0].text, "The personal name cannot contain a comma.");
    EXPECT_EQ(QueueNames(*m_entry), std::vector<std::string>{"lp"}) << "one queue: the refused OK added none";
    EXPECT_EQ(FieldText(m_entry->lprQueues->personalName), "Lab 2 east wing");
}

TEST_F(LprQueueDialogTest, FieldsHoldAtMost259Characters)
{
    m_host.Script({Type(IDC_LPR_QUEUE_NAME, std::string(300, 'q')),
                   Inspect([](CDialog& d) { EXPECT_EQ(Text(d, IDC_LPR_QUEUE_NAME).size(), 259u); }), Escape()});
    EXPECT_EQ(Run(nullptr), IDCANCEL);
}

} // namespace
