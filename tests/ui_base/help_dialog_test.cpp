// SPDX-License-Identifier: GPL-2.0-or-later
// Context help, centring and subclassing of HelpDialog, on the program's own templates.
#include <gtest/gtest.h>

#include "res/dialog_template.h"
#include "tests/support/scripted_host.h"
#include "tests/support/test_dialog.h"
#include "ui/base/child_subclass_map.h"
#include "ui/base/user_input.h"
#include "ui/base/window_api.h"

namespace {

using Requests = std::vector<HelpRequest>;

constexpr uint32_t Context(uint32_t templateId, int controlId)
{
    return (templateId << 16) | static_cast<uint32_t>(controlId);
}

HelpRequest Popup(int32_t windowId, uint32_t context)
{
    return {HelpRequestKind::Popup, windowId, context};
}

HelpRequest Menu(int32_t windowId)
{
    return {HelpRequestKind::WhatsThisMenu, windowId, 0};
}

// The screen point of a position in dialog units of a running dialog (the scripted host maps
// one unit to one pixel).
Point At(CDialog& dialog, int x, int y)
{
    const Rect window = dialog.GetWindowRect();
    return {window.left + x, window.top + y};
}

ScriptAction RightClickSurfaceAtUnits(int x, int y)
{
    return {"surface", [x, y](CDialog& d) { UserContextMenu(d.GetSafeHwnd(), At(d, x, y)); }};
}

TEST(HelpContexts, SharedButtonsKeepTheirOwnContextsInEveryDialog)
{
    for (uint32_t templateId : {102u, 120u, 129u, 133u, 136u}) {
        ScriptedHost host;
        HelpDialog dialog(templateId, nullptr);
        host.Script({F1(IDOK), WhatsThis(IDCANCEL), F1(ID_HELP), Escape()});
        EXPECT_EQ(dialog.DoModal(), IDCANCEL);
        EXPECT_EQ(host.helpRequests(), (Requests{Popup(IDOK, 1), Popup(IDCANCEL, 2), Popup(ID_HELP, 57670)}))
            << "template " << templateId;
    }
}

TEST(HelpContexts, ControlContextsCarryTheTemplateId)
{
    ScriptedHost host;
    HelpDialog dialog(102, nullptr);
    host.Script({F1(1013), RightClick(1022), Escape()});
    dialog.DoModal();
    EXPECT_EQ(host.helpRequests(), (Requests{Popup(1013, Context(102, 1013)), Menu(1022), Popup(1022, Context(102, 1022))}));
}

TEST(HelpContexts, LabelWithoutIdGivesTheHelpOfTheNextTabItem)
{
    struct Case {
        uint32_t templateId;
        const char* label;
        int next;
    };
    // -1 labels are not subclassed and reach the dialog through their default processing;
    // 65535 labels are subclassed and forward to their dialog.
    for (const Case& c : {Case{120, "Server &Name:", 1002}, Case{136, "&Port Number:", 1050},
                          Case{133, "User Name:", 1006}, Case{133, "&Filter Type:", 1036}}) {
        ScriptedHost host;
        HelpDialog dialog(c.templateId, nullptr);
        host.Script({WhatsThis(c.label), Escape()});
        dialog.DoModal();
        ASSERT_EQ(host.helpRequests().size(), 1u) << c.label;
        EXPECT_EQ(host.helpRequests()[0].id, Context(c.templateId, c.next)) << c.label;
        EXPECT_EQ(HelpIdPairs[0], static_cast<uint32_t>(c.next)) << "word 0 names the control shown";
        EXPECT_EQ(HelpIdPairs[1], Context(c.templateId, c.next));
        EXPECT_EQ(HelpIdPairs[2], 0u);
        EXPECT_EQ(HelpIdPairs[3], 0u);
    }
}

TEST(HelpContexts, TabSearchWithoutAnyUsableIdKeepsTheStartingId)
{
    static constexpr ControlTemplate controls[] = {
        {-1, "Static", "Label", 5, 5, 40, 8, WS_VISIBLE, 0},
        {65535, "Button", "No id", 5, 20, 40, 14, WS_VISIBLE | WS_TABSTOP, 0},
        {65535, "Button", "No id either", 5, 40, 40, 14, WS_VISIBLE | WS_TABSTOP, 0},
    };
    static constexpr DialogTemplate idless{901, "Idless", WS_POPUP | WS_VISIBLE, 0, 0, 0, 100, 60, "", 8, controls};
    ScriptedHost host;
    HelpDialog dialog(idless, nullptr);
    host.Script({WhatsThis("Label"), Escape()});
    dialog.DoModal();
    EXPECT_EQ(host.helpRequests(), (Requests{Popup(-1, Context(901, 0xFFFF))}));
    EXPECT_EQ(HelpIdPairs[0], 0xFFFFFFFFu);
}

TEST(HelpContexts, ComboBoxEditFieldStandsForItsComboBox)
{
    ScriptedHost host;
    TestDialog dialog;
    host.Script({Inspect([](CDialog& d) {
                     HWND combo = d.GetDlgItem(kTestDropDown);
                     ASSERT_EQ(combo->children().size(), 1u);
                     HWND edit = combo->children()[0].get();
                     EXPECT_TRUE(IsComboBoxEdit(1001, edit));
                     EXPECT_FALSE(IsComboBoxEdit(1002, edit));
                     EXPECT_EQ(SubclassedChildren().Find(edit), nullptr) << "a combo box's edit is never hooked";
                     EXPECT_NE(SubclassedChildren().Find(combo), nullptr);
                     UserHelpRequest(edit, Centre(edit));
                 }),
                 Escape()});
    dialog.DoModal();
    EXPECT_EQ(host.helpRequests(), (Requests{Popup(kTestDropDown, Context(kTestTemplateId, kTestDropDown))}));
}

TEST(HelpContexts, ButtonWithComboBoxEditIdIsNotAComboBoxEdit)
{
    ScriptedHost host;
    HelpDialog dialog(102, nullptr);
    host.Script({Inspect([](CDialog& d) { EXPECT_FALSE(IsComboBoxEdit(1001, d.GetDlgItem(1001))); }), Escape()});
    dialog.DoModal();
}

TEST(HelpContexts, MenuItemHelpIsIgnoredButHandled)
{
    ScriptedHost host;
    HelpDialog dialog(120, nullptr);
    host.Script({Inspect([](CDialog& d) {
                     HELPINFO info;
                     info.iContextType = HELPINFO_MENUITEM;
                     EXPECT_EQ(d.SendMessage(WM_HELP, 0, reinterpret_cast<LPARAM>(&info)), 1);
                 }),
                 Escape()});
    dialog.DoModal();
    EXPECT_TRUE(host.helpRequests().empty());
}

TEST(SurfaceSearch, PicksTheNarrowestVisibleWindowUnderTheCursor)
{
    struct Case {
        const char* what;
        int x, y;        // dialog units in template 120
        int expected;    // 0: nothing shown
    };
    const Case cases[] = {
        {"disabled but visible list box", 30, 120, 1019},
        {"group box outside its controls", 7, 95, 1013},
        {"button inside the group box", 90, 105, 1008},
        {"hidden check box over the list box", 40, 150, 1019},
        {"nothing there", 180, 80, 0},
    };
    for (const Case& c : cases) {
        ScriptedHost host;
        HelpDialog dialog(120, nullptr);
        host.Script({RightClickSurfaceAtUnits(c.x, c.y), Escape()});
        dialog.DoModal();
        const Requests expected =
            c.expected ? Requests{Menu(0), Popup(0, Context(120, c.expected))} : Requests{};
        EXPECT_EQ(host.helpRequests(), expected) << c.what;
    }
}

TEST(SurfaceSearch, WindowsTenThousandPixelsWideAreNeverPicked)
{
    for (int16_t width : {int16_t{9999}, int16_t{10000}}) {
        const ControlTemplate controls[] = {{1100, "Static", "Wide", 0, 0, width, 40, WS_VISIBLE, 0}};
        const DialogTemplate wide{902, "Wide", WS_POPUP | WS_VISIBLE, 0, 0, 0, 10010, 50, "", 8, controls};
        ScriptedHost host;
        HelpDialog dialog(wide, nullptr);
        host.Script({Inspect([](CDialog& d) { d.MoveWindow({0, 0, 10010, 50}); }), RightClickAt({20, 20}), Escape()});
        dialog.DoModal();
        EXPECT_EQ(host.helpRequests().size(), width < 10000 ? 2u : 0u) << width;
    }
}

TEST(SurfaceSearch, OnEqualWidthTheWindowEnumeratedLastWins)
{
    static constexpr ControlTemplate controls[] = {
        {1101, "Static", "First", 5, 5, 40, 20, WS_VISIBLE, 0},
        {1102, "Static", "Second", 5, 15, 40, 20, WS_VISIBLE, 0},
    };
    static constexpr DialogTemplate overlapping{904, "Overlap", WS_POPUP | WS_VISIBLE, 0, 0, 0, 60, 50, "", 8, controls};
    ScriptedHost host;
    HelpDialog dialog(overlapping, nullptr);
    host.Script({RightClickSurfaceAtUnits(10, 20), Escape()});
    dialog.DoModal();
    EXPECT_EQ(host.helpRequests(), (Requests{Menu(0), Popup(0, Context(904, 1102))}));
}

TEST(SurfaceSearch, DeclinedWhatsThisShowsNoTopic)
{
    ScriptedHost host;
    host.ChooseWhatsThis(false);
    HelpDialog dialog(120, nullptr);
    host.Script({RightClick(1002), Escape()});
    dialog.DoModal();
    EXPECT_EQ(host.helpRequests(), (Requests{Menu(1002)}));
}

TEST(Initialisation, AddsContextHelpButtonAndRecordsEveryDescendant)
{
    ScriptedHost host;
    HelpDialog dialog(136, nullptr);
    const size_t hooksBefore = SubclassedChildren().size();
    host.Script({Inspect([&](CDialog& d) {
                     EXPECT_TRUE(d.GetExStyle() & WS_EX_CONTEXTHELP) << "template 136 lacks it";
                     // Front insertion: the last control of the template comes first.
                     ASSERT_EQ(dialog.childWindows().size(), 6u);
                     EXPECT_EQ(dialog.childWindows().front(), d.GetDlgItem(ID_HELP));
                     EXPECT_EQ(dialog.childWindows().back()->id(), 65535);
                     // Every control has a positive id here, the 65535 label included.
                     EXPECT_EQ(SubclassedChildren().size(), hooksBefore + 6);
                     EXPECT_EQ(SubclassedChildren().Find(d.GetDlgItem(1050))->owner, &dialog);
                 }),
                 Escape()});
    dialog.DoModal();
    EXPECT_EQ(SubclassedChildren().size(), hooksBefore) << "controls unhook when they are destroyed";
}

TEST(Initialisation, MinimiseAndMaximiseBoxesMeanNoHelpButtonNoRecordsButHelpStillAnswered)
{
    static constexpr ControlTemplate controls[] = {
        {1002, "Edit", "", 5, 5, 50, 14, WS_VISIBLE | WS_TABSTOP, 0},
        {IDCANCEL, "Button", "Cancel", 5, 25, 50, 14, WS_VISIBLE | WS_TABSTOP, 0},
    };
    static constexpr DialogTemplate sizable{903, "Sizable", WS_POPUP | WS_VISIBLE | WS_MINIMIZEBOX | WS_MAXIMIZEBOX,
                                            WS_EX_CONTEXTHELP, 0, 0, 100, 50, "", 8, controls};
    ScriptedHost host;
    HelpDialog dialog(sizable, nullptr);
    host.Script({Inspect([&](CDialog& d) {
                     EXPECT_FALSE(d.GetExStyle() & WS_EX_CONTEXTHELP);
                     EXPECT_TRUE(dialog.childWindows().empty());
                     EXPECT_EQ(SubclassedChildren().Find(d.GetDlgItem(1002)), nullptr);
                 }),
                 WhatsThis(1002), RightClickSurfaceAtUnits(10, 10), Escape()});
    dialog.DoModal();
    EXPECT_EQ(host.helpRequests(), (Requests{Popup(1002, Context(903, 1002))}));
}

TEST(Initialisation, NestedDialogsEachAnswerWithTheirOwnTemplate)
{
    ScriptedHost host;
    TestDialog outer(*FindDialogTemplate(120));
    outer.onAction = [&](TestDialog&) {
        HelpDialog inner(136, &outer);
        EXPECT_EQ(inner.DoModal(), IDCANCEL);
    };
    host.Script({F1(1002), Inspect([](CDialog& d) { d.GetDlgItem(1008)->EnableWindow(true); }), Click(1008),
                 F1(1049), Escape()});
    host.Script({F1(1050), WhatsThis("&Port Number:"), Escape()});
    outer.DoModal();
    EXPECT_EQ(host.helpRequests(), (Requests{Popup(1002, Context(120, 1002)), Popup(1050, Context(136, 1050)),
                                             Popup(65535, Context(136, 1050)), Popup(1049, Context(120, 1049))}));
}

TEST(Centring, TruncatesTowardZeroOnTheHostsDesktop)
{
    struct Case {
        Rect desktop;
        Point expected;   // template 120 is 272 x 166 here
    };
    const Case cases[] = {
        {{0, 0, 1024, 768}, {376, 200}},
        {{100, 50, 1124, 818}, {476, 250}},
        {{0, 0, 267, 159}, {-2, -2}},   // -5 / 2 and -7 / 3
    };
    for (const Case& c : cases) {
        ScriptedHost host;
        host.SetDesktop(c.desktop);
        HelpDialog dialog(120, nullptr);
        host.Script({Inspect([&](CDialog& d) {
                         EXPECT_EQ(d.GetWindowRect(), (Rect{c.expected.x, c.expected.y, c.expected.x + 272,
                                                            c.expected.y + 166}));
                     }),
                     Escape()});
        dialog.DoModal();
    }
}

}   // namespace
