// SPDX-License-Identifier: GPL-2.0-or-later
// What the host converts on the way between the model and Qt: icon references and help topics.
#include <gtest/gtest.h>

#include "res/resource_ids.h"
#include "ui/qt/app_icon.h"
#include "ui/qt/help_html.h"

namespace {

TEST(Icons, StaticIconsNameTheirResourceAndTheIconIsBuiltIn)
{
    EXPECT_EQ(IconReference("#128"), std::optional<uint32_t>(128));
    for (const char* text : {"", "#", "128", "#12a", "# 128", "#128 "})
        EXPECT_EQ(IconReference(text), std::nullopt) << '"' << text << '"';
    const QIcon icon = IconResource(IDI_NORVANE);
    ASSERT_FALSE(icon.isNull());
    EXPECT_TRUE(icon.availableSizes().contains(QSize(16, 16)));
    EXPECT_TRUE(icon.availableSizes().contains(QSize(256, 256)));
    EXPECT_TRUE(IconResource(IDI_NORVANE + 1).isNull());
}

TEST(HelpText, TopicsBecomeEscapedParagraphsAndLists)
{
    const HelpTopic topic{HelpTopicKind::Context, 1, "OK & <done>",
                          "Saves the list.\n\nIt writes:\n- the <servers>\n- their queues"};
    EXPECT_EQ(TopicHtml(topic), "<p><b>OK &amp; &lt;done&gt;</b></p><p>Saves the list.</p><p>It writes:</p>"
                                "<ul><li>the &lt;servers&gt;</li><li>their queues</li></ul>");
    EXPECT_TRUE(TopicPlainText(topic).startsWith("OK & <done>: Saves the list."));
}

}   // namespace
