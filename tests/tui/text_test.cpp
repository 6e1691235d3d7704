// SPDX-License-Identifier: GPL-2.0-or-later
// Texts as cells: wrapping and the two encodings the host meets.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "ui/tui/tui_text.h"

using namespace tui;

namespace {

std::vector<std::string> Wrapped(const char* text, int width)
{
    std::vector<std::string> lines;
    for (const std::u32string& line : WrapText(FromAnsi(text), width))
        lines.push_back(ToAnsi(line));
    return lines;
}

using Lines = std::vector<std::string>;

TEST(WrapTextTest, BreaksAtBlanksInsideLongWordsAndAtNewlines)
{
    struct Case {
        const char* text;
        int width;
        Lines expected;
    };
    const Case cases[] = {
        {"Server Name:", 20, {"Server Name:"}},
        {"Use the Network Neighborhood", 12, {"Use the", "Network", "Neighborhood"}},
        {"abcdefghij", 4, {"abcd", "efgh", "ij"}},
        {"one\n\ntwo", 10, {"one", "", "two"}},
        {"trailing blank ", 8, {"trailing", "blank "}},
        {"a  b", 1, {"a", "b"}},
        {"", 5, {""}},
    };
    for (const Case& c : cases)
        EXPECT_EQ(Wrapped(c.text, c.width), c.expected) << '"' << c.text << "\" at " << c.width;
    EXPECT_TRUE(WrapText(U"text", 0).empty());
}

TEST(EncodingTest, SingleByteTextKeepsEveryByteAndUtf8SurvivesBadInput)
{
    const std::string bytes = "caf\xE9";
    EXPECT_EQ(FromAnsi(bytes), U"caf\u00E9");
    EXPECT_EQ(ToAnsi(FromAnsi(bytes)), bytes);
    EXPECT_EQ(ToAnsi(U"\u20AC"), "?") << "a character beyond one byte";
    EXPECT_EQ(FromUtf8("caf\xC3\xA9 \xE2\x86\x92"), U"caf\u00E9 \u2192");
    EXPECT_EQ(ToUtf8(FromUtf8("caf\xC3\xA9 \xF0\x9F\x98\x80")), "caf\xC3\xA9 \xF0\x9F\x98\x80");
    EXPECT_EQ(FromUtf8("a\xC3"), U"a\uFFFD") << "a sequence cut short";
    EXPECT_EQ(FromUtf8("\xC0\xAF"), U"\uFFFD\uFFFD") << "an overlong form";
    EXPECT_EQ(FromUtf8("\xED\xA0\x80"), U"\uFFFD\uFFFD\uFFFD") << "a surrogate";
}

}   // namespace
