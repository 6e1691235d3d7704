// SPDX-License-Identifier: GPL-2.0-or-later
// Message boxes, sounds and strings through the host.
#include <gtest/gtest.h>
#include <gtest/gtest-spi.h>

#include "tests/support/scripted_host.h"
#include "ui/base/message_box.h"

namespace {

TEST(MessageBox, CaptionedWithTheApplicationTitleAndAnsweredFromTheQueue)
{
    ScriptedHost host;
    host.AnswerNext(IDYES);
    host.AnswerNext(IDNO);
    host.AnswerNext(IDOK);
    EXPECT_EQ(AfxMessageBox(104, MB_YESNO), IDYES);
    EXPECT_EQ(AfxMessageBox(104, MB_YESNO), IDNO);
    EXPECT_EQ(AfxMessageBox("Cannot write /x: Permission denied"), IDOK);
    ASSERT_EQ(host.messageBoxes().size(), 3u);
    EXPECT_EQ(host.messageBoxes()[0].text, "Are you sure you want to remove the server from this list?");
    EXPECT_EQ(host.messageBoxes()[0].caption, "Norvane");
    EXPECT_EQ(host.messageBoxes()[0].type, MB_YESNO);
    EXPECT_EQ(host.messageBoxes()[2].text, "Cannot write /x: Permission denied");
    EXPECT_EQ(host.messageBoxes()[2].type, MB_OK);
}

TEST(MessageBox, UnexpectedBoxFailsTheTestAndIsAnsweredNo)
{
    int answer = 0;
    EXPECT_NONFATAL_FAILURE(
        {
            ScriptedHost host;
            answer = AfxMessageBox(104, MB_YESNO);
        },
        "unexpected message box: \"Are you sure");
    EXPECT_EQ(answer, IDNO);
}

TEST(MessageBox, WithoutHostAnswersCancel)
{
    EXPECT_EQ(AfxMessageBox(104, MB_YESNO), IDCANCEL);
}

TEST(MessageBox, BeepsAreRecorded)
{
    ScriptedHost host;
    MessageBeep(MB_ICONEXCLAMATION);
    MessageBeep(MB_SIMPLEBEEP);
    EXPECT_EQ(host.beeps(), (std::vector<UINT>{0x30, 0xFFFFFFFF}));
}

TEST(Strings, LoadStringByIdAndMissingIsEmpty)
{
    EXPECT_EQ(LoadString(57344), "Norvane");
    EXPECT_EQ(LoadString(1), "");
}

}   // namespace
