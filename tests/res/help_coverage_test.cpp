// SPDX-License-Identifier: GPL-2.0-or-later
// The shipped help file against the templates: every context a dialog can produce has a topic, and
// every topic answers a context that some dialog produces.
#include <gtest/gtest.h>

#include <set>

#include "res/dialog_template.h"
#include "res/help_topics.h"
#include "res/resource_ids.h"
#include "res/window_styles.h"

namespace {

constexpr uint32_t kTemplateIds[] = {IDD_SERVER_LIST, IDD_SERVER, IDD_GLOBAL_OPTIONS, IDD_LPR_QUEUE,
                                     IDD_STREAM_QUEUE};

bool IsUsableId(int32_t id)
{
    return id >= 1 && id != 65535;
}

bool IsTabItem(const ControlTemplate& c)
{
    return (c.style & (WS_VISIBLE | WS_DISABLED | WS_TABSTOP)) == (WS_VISIBLE | WS_TABSTOP);
}

uint32_t ContextId(uint32_t templateId, int32_t controlId)
{
    if (controlId == IDOK || controlId == IDCANCEL || controlId == ID_HELP) {
        return static_cast<uint32_t>(controlId);
    }
    return (templateId & 0xFFFF) << 16 | (static_cast<uint32_t>(controlId) & 0xFFFF);
}

// The help a control gives: its own id, or for a control without one that of the next tab item
// after it, wrapping round, as the template leaves the dialog when it opens.
int32_t HelpControlId(const DialogTemplate& t, size_t index)
{
    const size_t n = t.controls.size();
    for (size_t step = 0; step < n; ++step) {
        const ControlTemplate& c = t.controls[(index + step) % n];
        if (step == 0 ? IsUsableId(c.id) : IsTabItem(c) && IsUsableId(c.id)) {
            return c.id;
        }
    }
    return t.controls[index].id;
}

std::set<uint32_t> ProducibleContexts()
{
    std::set<uint32_t> contexts;
    for (uint32_t id : kTemplateIds) {
        const DialogTemplate& t = *FindDialogTemplate(id);
        for (size_t i = 0; i < t.controls.size(); ++i) {
            contexts.insert(ContextId(id, HelpControlId(t, i)));
        }
    }
    // The unresolved-name question carries its own string id as its help context.
    contexts.insert(IDS_SERVER_NAME_UNRESOLVED);
    return contexts;
}

class ShippedHelp : public testing::Test {
protected:
    void SetUp() override
    {
        auto loaded = HelpTopics::Load(NORVANE_HELP_FILE);
        ASSERT_TRUE(loaded.has_value()) << NORVANE_HELP_FILE;
        m_help = std::move(*loaded);
    }

    HelpTopics m_help;
};

TEST_F(ShippedHelp, ParsesWithoutSkippedLines)
{
    EXPECT_EQ(m_help.SkippedLines(), 0);
    for (const HelpTopic& topic : m_help.Topics()) {
        EXPECT_FALSE(topic.body.empty()) << topic.title;
    }
}

TEST_F(ShippedHelp, EveryProducibleContextHasATopic)
{
    for (uint32_t context : ProducibleContexts()) {
        EXPECT_NE(m_help.FindTopic(context), nullptr)
            << "no topic for template " << (context >> 16) << " control " << (context & 0xFFFF);
    }
}

TEST_F(ShippedHelp, NoTopicForAContextNoDialogProduces)
{
    const std::set<uint32_t> producible = ProducibleContexts();
    for (const HelpTopic& topic : m_help.Topics()) {
        if (topic.kind == HelpTopicKind::Context) {
            EXPECT_TRUE(producible.contains(topic.id)) << topic.title;
        }
    }
}

TEST_F(ShippedHelp, EveryDialogHasAnOverview)
{
    for (uint32_t id : kTemplateIds) {
        EXPECT_NE(m_help.FindOverview(id), nullptr) << id;
    }
}

TEST_F(ShippedHelp, UnnamedLabelsResolveToTheFieldTheyName)
{
    // Checks the resolution above against known labels, so the coverage test cannot pass vacuously.
    const DialogTemplate& lpr = *FindDialogTemplate(IDD_LPR_QUEUE);
    EXPECT_EQ(HelpControlId(lpr, 0), IDC_LPR_QUEUE_NAME);          // "Queue Name:"
    EXPECT_EQ(HelpControlId(lpr, 10), IDC_LPR_USER_NAME);          // "User Name:"
    const DialogTemplate& options = *FindDialogTemplate(IDD_GLOBAL_OPTIONS);
    EXPECT_EQ(HelpControlId(options, 0), IDC_OPTIONS_USER_NAME);   // the icon
    EXPECT_STREQ(m_help.FindTopic(ContextId(IDD_SERVER, IDC_SERVER_NAME))->title.c_str(), "Server name");
}

}  // namespace
