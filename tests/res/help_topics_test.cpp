// SPDX-License-Identifier: GPL-2.0-or-later
#include <gtest/gtest.h>

#include <string>

#include "res/help_topics.h"
#include "tests/support/temp_system_dir.h"

namespace {

TEST(HelpTopics, ReadsTopicsOverviewsAndParagraphs)
{
    const HelpTopics help = HelpTopics::Parse(
        "# comment\r\n"
        "@overview 120 Add or Modify Server\r\n"
        "First line\r\n"
        "  joined.\r\n"
        "\r\n"
        "Second paragraph:\r\n"
        "- one\r\n"
        "- two\r\n"
        "@topic 120:1002 Server name\n"
        "Name text.\n"
        "@topic 57670   Help  \n"
        "Help text.");
    EXPECT_EQ(help.SkippedLines(), 0);
    ASSERT_EQ(help.Topics().size(), 3u);

    const HelpTopic* overview = help.FindOverview(120);
    ASSERT_NE(overview, nullptr);
    EXPECT_EQ(overview->title, "Add or Modify Server");
    EXPECT_EQ(overview->body, "First line joined.\n\nSecond paragraph:\n- one\n- two");

    const HelpTopic* name = help.FindTopic(120u << 16 | 1002);
    ASSERT_NE(name, nullptr);
    EXPECT_EQ(name->body, "Name text.");
    EXPECT_EQ(help.FindTopic(57670)->title, "Help");
    EXPECT_EQ(help.FindTopic(120), nullptr);   // an overview's key is not a context id
    EXPECT_EQ(help.FindOverview(57670), nullptr);
}

TEST(HelpTopics, SkipsMalformedLinesAndKeepsTheRest)
{
    const HelpTopics help = HelpTopics::Parse(
        "orphan before any topic\n"        // skipped
        "@topic 1 OK\n"
        "Accepts.\n"
        "@topic 2\n"                       // no title: skipped with its body
        "lost body\n"                      // skipped
        "@topic x7 Bad number\n"           // skipped
        "@topic 70000:1 Template too big\n"   // skipped
        "@topic 1:70000 Control too big\n"    // skipped
        "@topic 99999999999 Overflow\n"    // skipped
        "@overview 102:5 Not a template\n" // skipped
        "@chapter 3 Unknown keyword\n"     // skipped
        "@\n"                              // skipped
        "@topic 1 Repeated\n"              // skipped: the first topic of a key wins
        "replacement body\n"               // skipped
        "@topic 3 Third\n"
        "\n"
        "Kept.\n");
    EXPECT_EQ(help.SkippedLines(), 12);
    ASSERT_EQ(help.Topics().size(), 2u);
    EXPECT_EQ(help.FindTopic(1)->title, "OK");
    EXPECT_EQ(help.FindTopic(1)->body, "Accepts.");
    EXPECT_EQ(help.FindTopic(2), nullptr);
    EXPECT_EQ(help.FindTopic(3)->body, "Kept.");
}

TEST(HelpTopics, EmptyAndBinaryInputGiveNoTopics)
{
    EXPECT_TRUE(HelpTopics::Parse("").Topics().empty());
    const std::string binary("\0\xff@\0\n\n\r@topic\0 1 x", 17);
    const HelpTopics help = HelpTopics::Parse(binary);
    EXPECT_TRUE(help.Topics().empty());
}

TEST(HelpTopics, LoadReadsAFileAndRefusesWhatIsNotOne)
{
    TempSystemDir dir;
    const std::string file = dir.file("help.txt");
    WriteFileBytes(file, "@topic 1 OK\nAccepts.\n");
    const auto loaded = HelpTopics::Load(file);
    ASSERT_TRUE(loaded.has_value());
    EXPECT_EQ(loaded->FindTopic(1)->body, "Accepts.");

    EXPECT_FALSE(HelpTopics::Load(dir.file("missing.txt")).has_value());
    EXPECT_FALSE(HelpTopics::Load(dir.path()).has_value());
}

}  // namespace
