// SPDX-License-Identifier: GPL-2.0-or-later
// Texts as cells: wrapping, and UTF-8 with the stray bytes a hand-written file may hold.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "ui/tui/canvas.h"
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
        // Wide characters take two cells: three fit five, and one alone a line narrower than it.
        {"\u6771\u4EAC\u90FD \u6E0B\u8C37", 5, {"\u6771\u4EAC", "\u90FD", "\u6E0B\u8C37"}},
        {"\u6771\u4EAC", 1, {"\u6771", "\u4EAC"}},
    };
    for (const Case& c : cases)
        EXPECT_EQ(Wrapped(c.text, c.width), c.expected) << '"' << c.text << "\" at " << c.width;
    EXPECT_TRUE(WrapText(U"text", 0).empty());
}

TEST(EncodingTest, ControlTextIsUtf8AndEachStrayByteIsACellOfItsOwn)
{
    const std::string bytes = "m\xC3\xBCller \xC5\x81\xC3\xB3" "d\xC5\xBA";
    EXPECT_EQ(FromAnsi(bytes), U"m\u00FCller \u0141\u00F3d\u017A");
    EXPECT_EQ(ToAnsi(FromAnsi(bytes)), bytes);
    EXPECT_EQ(ToAnsi(U"\u20AC"), "\xE2\x82\xAC");
    const std::string latin1 = "m\xFCller\xC3";
    EXPECT_EQ(FromAnsi(latin1), U"m\uFFFDller\uFFFD");
    EXPECT_EQ(CharacterCount(latin1), 7);
    EXPECT_EQ(CharacterOffset(bytes, 2), 3u) << "past the two bytes of u-umlaut";
    EXPECT_EQ(CharacterOffset(latin1, 2), 2u);
    EXPECT_EQ(CharacterOffset(latin1, 99), latin1.size());
    EXPECT_EQ(FromUtf8("caf\xC3\xA9 \xE2\x86\x92"), U"caf\u00E9 \u2192");
    EXPECT_EQ(ToUtf8(FromUtf8("caf\xC3\xA9 \xF0\x9F\x98\x80")), "caf\xC3\xA9 \xF0\x9F\x98\x80");
    EXPECT_EQ(FromUtf8("a\xC3"), U"a\uFFFD") << "a sequence cut short";
    EXPECT_EQ(FromUtf8("\xC0\xAF"), U"\uFFFD\uFFFD") << "an overlong form";
    EXPECT_EQ(FromUtf8("\xED\xA0\x80"), U"\uFFFD\uFFFD\uFFFD") << "a surrogate";
}

// A wide character takes its cell and the next; what is drawn over either half blanks the other.
TEST(EncodingTest, AWideCharacterTakesTwoCellsAndGoesWhole)
{
    EXPECT_EQ(CellWidth(U'\u6771'), 2);
    EXPECT_EQ(CellWidth(U'\U0001F600'), 2);
    EXPECT_EQ(CellWidth(U'\u00FC'), 1);
    EXPECT_EQ(CellCount(U"\u6771\u4EACx"), 5);
    Canvas canvas(6, 1);
    EXPECT_EQ(canvas.Text(0, 0, U"\u6771\u4EACx", CellStyle::Window), 5);
    EXPECT_EQ(canvas.RowText(0), "\u6771\u4EACx ");
    canvas.Put(1, 0, U'a', CellStyle::Window);
    canvas.Put(2, 0, U'b', CellStyle::Window);
    EXPECT_EQ(canvas.RowText(0), " ab x ");
    EXPECT_EQ(canvas.Text(0, 0, U"\u6771\u4EAC", CellStyle::Window, 3), 2) << "the second does not fit";
    canvas.Put(5, 0, U'z', CellStyle::Window);
    canvas.Put(5, 0, U'\u6771', CellStyle::Window);
    EXPECT_EQ(canvas.RowText(0), "\u6771b x ") << "the last cell has no room for its right half";
}

}   // namespace
