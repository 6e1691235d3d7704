// SPDX-License-Identifier: GPL-2.0-or-later
#include "platform/ansi_text.h"

#include <gtest/gtest.h>

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

} // namespace
