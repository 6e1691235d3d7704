// SPDX-License-Identifier: GPL-2.0-or-later
#include <gtest/gtest.h>

#include "res/resource_ids.h"
#include "res/string_table.h"

namespace {

TEST(StringTable, FindsEveryStringById)
{
    const struct {
        uint32_t id;
        const char* text;
    } cases[] = {
        {IDS_ABOUT_NORVANE, "&About Norvane"},
        {IDS_MODIFY_SERVER, "Modify Server"},
        {IDS_CONFIRM_DELETE_SERVER, "Are you sure you want to remove the server from this list?"},
        {IDS_APP_TITLE, "Norvane"},
        {IDS_MODIFY_LPR_QUEUE, "Modify LPR Queue"},
        {IDS_MODIFY_STREAM_QUEUE, "Modify Stream Queue"},
        {IDS_PORT_RANGE, "The valid range of port numbers is from 1 to 65536"},
        {IDS_SERVER_NAME_UNRESOLVED, "This server name may not be valid. Are you sure you want to add it to the "
                                     "Servers and Printers list?"},
        {IDS_COMPONENT_NOT_INSTALLED, "Kestrane NFS Client and Printing support in not installed.\r\n"
                                      "Norvane changes will take effect after it is re-installed."},
    };
    for (const auto& c : cases) {
        ASSERT_NE(FindString(c.id), nullptr) << c.id;
        EXPECT_STREQ(FindString(c.id), c.text) << c.id;
    }
}

TEST(StringTable, UnknownIdsGiveNull)
{
    for (uint32_t id : {0u, 100u, 102u, 57345u, 57670u, 0xFFFFFFFFu}) {
        EXPECT_EQ(FindString(id), nullptr) << id;
    }
}

}  // namespace
