// SPDX-License-Identifier: GPL-2.0-or-later
// The help library both hosts show topics from: look-up, the one search, and what is said when a
// topic cannot be shown.
#include <gtest/gtest.h>

#include "tests/support/temp_system_dir.h"
#include "ui/host/help_library.h"

namespace {

constexpr char kHelp[] =
    "@overview 136 Add or Modify Stream Queue\n"
    "Sends print jobs to a TCP port.\n"
    "@topic 136:1050 Port Number\n"
    "The TELNET negotiation is optional.\n"
    "@topic 57670 \xC3\x9C" "ber die Stra\xC3\x9F" "e\n"
    "\xC3\x89" "TAT \xD0\x96\n";

TEST(HelpLibrary, FindsTopicsAndSearchesTitlesAndTextsWithTheProgramsFolding)
{
    TempSystemDir dir;
    WriteFileBytes(dir.file("help.txt"), kHelp);
    HelpLibrary help(dir.file("help.txt"));
    ASSERT_NE(help.Topics(), nullptr);
    EXPECT_EQ(help.IndexOf(help.Find(HelpTopicKind::Overview, 136)), 0);
    EXPECT_EQ(help.IndexOf(help.FindTopic(136u << 16 | 1050)), 1);
    EXPECT_EQ(help.IndexOf(help.FindOverview(120)), -1);

    using Found = std::vector<size_t>;
    EXPECT_EQ(help.Search(U""), (Found{0, 1, 2}));
    EXPECT_EQ(help.Search(U"telnet"), (Found{1}));
    EXPECT_EQ(help.Search(U"PORT"), (Found{0, 1})) << "a title and a text";
    EXPECT_EQ(help.Search(U"\u00FCber"), (Found{2})) << "beyond ASCII";
    EXPECT_EQ(help.Search(U"\u00E9tat \u0436"), (Found{2}));
    EXPECT_EQ(help.Search(U"nowhere"), Found{});
    EXPECT_EQ(help.MissingTopicText(), "No help topic is available for this item.");
}

TEST(HelpLibrary, AnUnreadableFileIsNamedAndFindsNothing)
{
    TempSystemDir dir;
    HelpLibrary help(dir.file("missing.txt"));
    EXPECT_EQ(help.Topics(), nullptr);
    EXPECT_EQ(help.FindTopic(57670), nullptr);
    EXPECT_TRUE(help.Search(U"").empty());
    EXPECT_EQ(help.MissingTopicText(),
              "Help is not available: the help file " + dir.file("missing.txt") + " could not be read.");
    EXPECT_EQ(HelpLibrary::WindowCaption(), "Norvane Help");
}

}   // namespace
