// SPDX-License-Identifier: GPL-2.0-or-later
#include "platform/ansi_text.h"

#include <gtest/gtest.h>

#include <string_view>

namespace {

TEST(AnsiTextTest, CharUpperAChangesOnlyAsciiLetters)
{
    char text[] = "vkqNfs.vxd 09_az\xe9\xff";
    EXPECT_EQ(CharUpperA(text), text);
    EXPECT_STREQ(text, "VKQNFS.VXD 09_AZ\xe9\xff");
    EXPECT_EQ(CharUpperA(nullptr), nullptr);
}

TEST(AnsiTextTest, LstrcmpAIsAnExactByteOrder)
{
    struct Case {
        const char* first;
        const char* second;
        int32_t order;
    };
    const Case cases[] = {
        {"VKQNFS.VXD", "VKQNFS.VXD", 0},
        {"VKQNFS.VXD", "vkqnfs.vxd", -1},
        {"VKQNFS.VXD ", "VKQNFS.VXD", 1},
        {"C:\\VKQNFS.VXD", "VKQNFS.VXD", -1},
        {"\x80", "a", 1},
        {nullptr, "", -1},
        {"", nullptr, 1},
        {nullptr, nullptr, 0},
    };
    for (const Case& c : cases)
        EXPECT_EQ(lstrcmpA(c.first, c.second), c.order)
            << (c.first ? c.first : "null") << " vs " << (c.second ? c.second : "null");
}

// "\xC5\x81\xC3\xB3d\xC5\xBA" is a Polish city's name in UTF-8: two bytes, two, one and two.
TEST(AnsiTextTest, AFitEndsBetweenCharactersAndAStrayByteIsOneOfThem)
{
    struct Case {
        std::string_view text;
        size_t maxBytes;
        size_t fit;
    };
    const Case cases[] = {
        {"\xC5\x81\xC3\xB3" "d\xC5\xBA", 7, 7},
        {"\xC5\x81\xC3\xB3" "d\xC5\xBA", 6, 5},
        {"\xC5\x81\xC3\xB3" "d\xC5\xBA", 3, 2},
        {"\xC5\x81", 1, 0},
        {"\xF0\x9F\x98\x80!", 3, 0},
        {"\xF0\x9F\x98\x80!", 4, 4},
        {"m\xFCller", 2, 2},            // not UTF-8: each such byte stands alone
        {"\xE2\x82", 1, 1},            // a sequence cut short: its bytes are strays
        {"ab", 5, 2},
    };
    for (const Case& c : cases)
        EXPECT_EQ(AnsiFitLength(c.text, c.maxBytes), c.fit) << c.text << " in " << c.maxBytes;
}

TEST(AnsiTextTest, OnlyWellFormedUtf8IsWellFormed)
{
    for (const std::string_view good : {"", "plain", "m\xC3\xBCller", "\xEF\xBF\xBD", "\xF4\x8F\xBF\xBF"})
        EXPECT_TRUE(IsWellFormedAnsi(good)) << good;
    // Latin-1, an overlong slash, a surrogate, past U+10FFFF, cut short, a stray continuation.
    for (const std::string_view bad : {"m\xFCller", "\xC0\xAF", "\xED\xA0\x80", "\xF4\x90\x80\x80", "a\xC3", "\x80"})
        EXPECT_FALSE(IsWellFormedAnsi(bad)) << bad;
    EXPECT_EQ(DecodeAnsiChar("\xC5\x81x", 0).code, U'\u0141');
    EXPECT_EQ(DecodeAnsiChar("\xC5\x81x", 0).length, 2u);
    EXPECT_EQ(DecodeAnsiChar("\xC0\xAF", 0).length, 1u) << "a stray byte is one character";
}

} // namespace
