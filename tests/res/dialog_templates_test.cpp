// SPDX-License-Identifier: GPL-2.0-or-later
#include <gtest/gtest.h>

#include <cstring>
#include <set>
#include <string>

#include "res/dialog_template.h"
#include "res/resource_ids.h"
#include "res/window_styles.h"

namespace {

constexpr uint32_t kTemplateIds[] = {IDD_SERVER_LIST, IDD_SERVER, IDD_GLOBAL_OPTIONS, IDD_LPR_QUEUE,
                                     IDD_STREAM_QUEUE};

bool IsUsableId(int32_t id)
{
    return id >= 1 && id != 65535;
}

bool IsButtonType(const ControlTemplate& c, uint32_t type)
{
    return std::strcmp(c.className, "Button") == 0 && (c.style & BS_TYPEMASK) == type;
}

const ControlTemplate* FindControl(const DialogTemplate& t, int32_t id)
{
    for (const ControlTemplate& c : t.controls) {
        if (c.id == id) {
            return &c;
        }
    }
    return nullptr;
}

TEST(DialogTemplates, OnlyTheFiveTemplatesExist)
{
    for (uint32_t id : kTemplateIds) {
        const DialogTemplate* t = FindDialogTemplate(id);
        ASSERT_NE(t, nullptr) << id;
        EXPECT_EQ(t->id, id);
    }
    EXPECT_EQ(FindDialogTemplate(0), nullptr);
    EXPECT_EQ(FindDialogTemplate(128), nullptr);   // the icon's id, not a dialog's
}

TEST(DialogTemplates, DialogFrames)
{
    struct Expected {
        uint32_t id;
        const char* caption;
        bool visible;
        uint32_t exStyle;
        int16_t cx, cy;
    };
    const Expected cases[] = {
        {IDD_SERVER_LIST, "Norvane", true, WS_EX_APPWINDOW | WS_EX_CONTEXTHELP, 297, 215},
        {IDD_SERVER, "Add Server", true, WS_EX_CONTEXTHELP, 272, 166},
        {IDD_GLOBAL_OPTIONS, "Global Options", false, WS_EX_CONTEXTHELP, 237, 188},
        {IDD_LPR_QUEUE, "Add LPR Queue", false, 0, 227, 121},
        {IDD_STREAM_QUEUE, "Add Stream Queue", false, 0, 186, 61},
    };
    for (const Expected& e : cases) {
        SCOPED_TRACE(e.id);
        const DialogTemplate& t = *FindDialogTemplate(e.id);
        EXPECT_STREQ(t.caption, e.caption);
        EXPECT_EQ(t.style, WS_POPUP | WS_CAPTION | WS_SYSMENU | DS_MODALFRAME | (e.visible ? WS_VISIBLE : 0));
        // Both boxes together would cost the dialog its context help.
        EXPECT_NE(t.style & (WS_MINIMIZEBOX | WS_MAXIMIZEBOX), WS_MINIMIZEBOX | WS_MAXIMIZEBOX);
        EXPECT_EQ(t.exStyle, e.exStyle);
        EXPECT_EQ(t.cx, e.cx);
        EXPECT_EQ(t.cy, e.cy);
        EXPECT_STREQ(t.fontName, "MS Sans Serif");
        EXPECT_EQ(t.fontPointSize, 8);
    }
}

TEST(DialogTemplates, ControlTablesAreConsistent)
{
    const std::set<std::string> classes = {"Button", "Edit", "Static", "ListBox", "ComboBox"};
    for (uint32_t id : kTemplateIds) {
        const DialogTemplate& t = *FindDialogTemplate(id);
        SCOPED_TRACE(id);
        std::set<int32_t> ids;
        int defaultButtons = 0;
        for (const ControlTemplate& c : t.controls) {
            SCOPED_TRACE(c.id);
            EXPECT_TRUE(classes.contains(c.className)) << c.className;
            if (IsUsableId(c.id)) {
                EXPECT_TRUE(ids.insert(c.id).second) << "id used twice";
            } else {
                EXPECT_TRUE(c.id == -1 || c.id == 65535);
            }
            EXPECT_GE(c.x, 0);
            EXPECT_GE(c.y, 0);
            EXPECT_LE(c.x + c.cx, t.cx);
            // A drop-down list's height includes its dropped list, which may reach past the dialog.
            EXPECT_LE(std::strcmp(c.className, "ComboBox") == 0 ? c.y : c.y + c.cy, t.cy);
            EXPECT_EQ(c.exStyle, 0u);
            EXPECT_EQ(c.items.empty(), std::strcmp(c.className, "ComboBox") != 0);
            defaultButtons += IsButtonType(c, BS_DEFPUSHBUTTON) ? 1 : 0;
        }
        EXPECT_EQ(defaultButtons, 1);
        for (int32_t common : {IDOK, IDCANCEL, ID_HELP}) {
            const ControlTemplate* button = FindControl(t, common);
            ASSERT_NE(button, nullptr) << common;
            EXPECT_EQ(button->style & (WS_VISIBLE | WS_DISABLED | WS_TABSTOP), WS_VISIBLE | WS_TABSTOP);
        }
    }
}

TEST(DialogTemplates, DefaultPushButtonOfEachDialog)
{
    EXPECT_TRUE(IsButtonType(*FindControl(*FindDialogTemplate(IDD_SERVER_LIST), IDC_MAIN_ADD), BS_DEFPUSHBUTTON));
    EXPECT_TRUE(IsButtonType(*FindControl(*FindDialogTemplate(IDD_SERVER_LIST), IDOK), BS_PUSHBUTTON));
    for (uint32_t id : {IDD_SERVER, IDD_GLOBAL_OPTIONS, IDD_LPR_QUEUE, IDD_STREAM_QUEUE}) {
        EXPECT_TRUE(IsButtonType(*FindControl(*FindDialogTemplate(id), IDOK), BS_DEFPUSHBUTTON)) << id;
    }
}

TEST(DialogTemplates, HiddenControlsAreHiddenAndDisabled)
{
    const struct {
        uint32_t templateId;
        int32_t controlId;
    } hidden[] = {
        {IDD_SERVER_LIST, IDC_MAIN_AUTOLOCATE_TEXT},
        {IDD_SERVER, IDC_SERVER_DEFAULT_QUEUE},
        {IDD_GLOBAL_OPTIONS, IDC_OPTIONS_RESTORE},
    };
    for (const auto& h : hidden) {
        const ControlTemplate& c = *FindControl(*FindDialogTemplate(h.templateId), h.controlId);
        EXPECT_EQ(c.style & (WS_VISIBLE | WS_DISABLED), WS_DISABLED) << h.controlId;
    }
    // The default-queue box is also out of the tab order, so nothing ever reaches it.
    EXPECT_EQ(FindControl(*FindDialogTemplate(IDD_SERVER), IDC_SERVER_DEFAULT_QUEUE)->style & WS_TABSTOP, 0u);
}

TEST(DialogTemplates, ServerQueueGroupsStartDisabled)
{
    const DialogTemplate& t = *FindDialogTemplate(IDD_SERVER);
    for (int32_t id : {IDC_SERVER_STREAM_GROUP, IDC_SERVER_STREAM_LIST, IDC_SERVER_STREAM_ADD,
                       IDC_SERVER_STREAM_MODIFY, IDC_SERVER_STREAM_DELETE, IDC_SERVER_LPR_GROUP,
                       IDC_SERVER_LPR_LIST, IDC_SERVER_LPR_ADD, IDC_SERVER_LPR_MODIFY, IDC_SERVER_LPR_DELETE}) {
        EXPECT_NE(FindControl(t, id)->style & WS_DISABLED, 0u) << id;
    }
    EXPECT_EQ(FindControl(t, IDC_SERVER_NAME)->style & WS_DISABLED, 0u);
}

TEST(DialogTemplates, ProtectionMaskRadioButtonsNeitherTabNorStartAGroup)
{
    const DialogTemplate& t = *FindDialogTemplate(IDD_GLOBAL_OPTIONS);
    for (int32_t id : {IDC_OPTIONS_PARENT_MASK, IDC_OPTIONS_SPECIFIED_MASK}) {
        const ControlTemplate& c = *FindControl(t, id);
        EXPECT_TRUE(IsButtonType(c, BS_AUTORADIOBUTTON)) << id;
        EXPECT_EQ(c.style & (WS_TABSTOP | WS_GROUP), 0u) << id;
    }
}

TEST(DialogTemplates, LprQueueTabOrderAndFilterTypes)
{
    const DialogTemplate& t = *FindDialogTemplate(IDD_LPR_QUEUE);
    // The user name field stands at the top but is reached last with Tab.
    EXPECT_EQ(t.controls.back().id, IDC_LPR_USER_NAME);
    EXPECT_EQ(t.controls.back().y, 15);

    const ControlTemplate& combo = *FindControl(t, IDC_LPR_FILTER_TYPE);
    EXPECT_EQ(combo.style & 0x3u, CBS_DROPDOWNLIST);
    ASSERT_EQ(combo.items.size(), 7u);
    EXPECT_STREQ(combo.items[0], "Binary (Pass-thru) ");
    EXPECT_STREQ(combo.items[5], "CIF Plot File");
    EXPECT_STREQ(combo.items[6], "User Defined");
}

TEST(DialogTemplates, UnnamedLabelsKeepTheIdTheyWereGiven)
{
    // -1 and 65535 differ in how the dialog base treats them, so neither may become the other.
    for (uint32_t id : kTemplateIds) {
        const bool uses65535 = id == IDD_LPR_QUEUE || id == IDD_STREAM_QUEUE;
        for (const ControlTemplate& c : FindDialogTemplate(id)->controls) {
            if (!IsUsableId(c.id)) {
                EXPECT_EQ(c.id, uses65535 ? 65535 : -1) << id << " " << c.text;
            }
        }
    }
}

TEST(DialogTemplates, StaticIconsNameTheApplicationIcon)
{
    int icons = 0;
    for (uint32_t id : kTemplateIds) {
        for (const ControlTemplate& c : FindDialogTemplate(id)->controls) {
            if (std::strcmp(c.className, "Static") == 0 && (c.style & SS_TYPEMASK) == SS_ICON) {
                EXPECT_STREQ(c.text, "#128");
                ++icons;
            }
        }
    }
    EXPECT_EQ(icons, 2);   // the main window's and the Global Options'
}

}  // namespace
