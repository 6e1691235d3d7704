// SPDX-License-Identifier: GPL-2.0-or-later
// The key policy both hosts perform their decoded keys through: the tab order, Enter, Esc,
// mnemonics, help, the menus and dropping a list down. Each host's own tests keep only how it
// decodes its keys and what it draws.
#include <gtest/gtest.h>

#include "tests/support/scripted_host.h"
#include "tests/support/test_dialog.h"

namespace {

using Log = std::vector<std::string>;

int FocusId(const CDialog& dialog)
{
    return dialog.GetFocus() ? dialog.GetFocus()->id() : 0;
}

ScriptAction ExpectFocus(int id, const char* after)
{
    return Inspect([id, after](CDialog& d) { EXPECT_EQ(FocusId(d), id) << after; });
}

TEST(TabOrder, VisitsEnabledShownTabStopsInTemplateOrderAndWraps)
{
    ScriptedHost host;
    HelpDialog dialog(IDD_SERVER, nullptr);
    std::vector<ScriptAction> script{ExpectFocus(IDC_SERVER_NAME, "initialisation")};
    // The queue lists and buttons are disabled and the hidden check box is passed over.
    for (const int id : {IDC_SERVER_NFS_DRIVES, IDC_SERVER_NFS_PRINTERS, IDC_SERVER_STREAM_PRINTING,
                         IDC_SERVER_LPR_PRINTING, IDOK, IDCANCEL, ID_HELP, IDC_SERVER_NAME}) {
        script.push_back(Key(DialogCommand::Next));
        script.push_back(ExpectFocus(id, "Tab"));
    }
    script.insert(script.end(), {Key(DialogCommand::Previous), ExpectFocus(ID_HELP, "Shift+Tab"),
                                 Key(DialogCommand::Previous), ExpectFocus(IDCANCEL, "Shift+Tab"), Escape()});
    host.Script(script);
    EXPECT_EQ(dialog.DoModal(), IDCANCEL);
}

TEST(TabOrder, AComboBoxsEditFieldStandsAtItsComboBoxsPlace)
{
    ScriptedHost host;
    TestDialog dialog;
    host.Script({Inspect([](CDialog& d) { d.GetDlgItem(kTestDropDown)->children()[0]->SetFocus(); }),
                 Key(DialogCommand::Next), ExpectFocus(kTestAction, "Tab from the combo box's field"), Escape()});
    dialog.DoModal();
}

TEST(EnterKey, PressesTheFocusedPushButtonElseTheDefaultOne)
{
    struct Case {
        const char* what;
        int focus;
        Log log;
        int result;
    };
    const Case cases[] = {
        {"in a field: the default button", kTestName, {}, IDOK},
        {"on a check box: the default button", kTestCheck, {}, IDOK},
        {"on Cancel: Cancel itself", IDCANCEL, {}, IDCANCEL},
        {"on a push button: that button", kTestAction, {"BN_CLICKED 1008"}, -1},
    };
    for (const Case& c : cases) {
        ScriptedHost host;
        TestDialog dialog;
        // What the hosts name as Enter's button is the one Enter presses.
        const int pressed = c.result == -1 ? c.focus : c.result;
        std::vector<ScriptAction> script{Focus(c.focus), Inspect([pressed](CDialog& d) {
                                             EXPECT_EQ(EnterButton(d, d.GetFocus()), d.GetDlgItem(pressed));
                                         }),
                                         Enter()};
        if (c.result == -1)
            script.push_back(Escape());
        host.Script(script);
        EXPECT_EQ(dialog.DoModal(), c.result == -1 ? IDCANCEL : c.result) << c.what;
        EXPECT_EQ(dialog.log, c.log) << c.what;
    }
    // A focused push button that was disabled meanwhile leaves Enter to the default button.
    ScriptedHost host;
    TestDialog dialog;
    host.Script({Focus(kTestAction), Inspect([](CDialog& d) { d.GetDlgItem(kTestAction)->EnableWindow(false); }),
                 Enter()});
    EXPECT_EQ(dialog.DoModal(), IDOK);
    EXPECT_TRUE(dialog.log.empty());

    // A disabled default button is no button for Enter.
    ScriptedHost disabledOk;
    TestDialog other;
    disabledOk.Script({Focus(kTestName), Inspect([](CDialog& d) {
                           d.GetDlgItem(IDOK)->EnableWindow(false);
                           EXPECT_EQ(EnterButton(d, d.GetFocus()), nullptr);
                       }),
                       Enter(), Escape()});
    EXPECT_EQ(other.DoModal(), IDCANCEL);
}

TEST(Mnemonics, PressButtonsAndTakeALabelsFocusToTheNextTabStop)
{
    ScriptedHost host;
    TestDialog dialog;
    host.Script({Focus(IDOK), Mnemonic('N'), ExpectFocus(kTestName, "a label leads to the field after it"),
                 Mnemonic('m'), Mnemonic('b'),
                 // Two controls share 'c': each press goes on from the focus to the next of them.
                 Focus(kTestName), Mnemonic('c'), Focus(kTestCheck), Mnemonic('c'),
                 Inspect([](CDialog& d) {
                     EXPECT_EQ(d.IsDlgButtonChecked(kTestRadioC), 1u);
                     d.GetDlgItem(kTestAction)->EnableWindow(false);
                 }),
                 // 'a' is Radio A's and the disabled Action's: only the one that can be reached.
                 Focus(kTestName), Mnemonic('a'), Mnemonic('x'), Escape()});
    EXPECT_EQ(dialog.DoModal(), IDCANCEL);
    EXPECT_EQ(dialog.log, (Log{"BN_CLICKED 1052 check=0", "BN_CLICKED radio A=0 B=1", "BN_CLICKED 1051 check=1",
                               "BN_CLICKED radio A=1 B=0"}));
}

TEST(Mnemonics, ALabelBeforeACheckBoxOnlyFocusesIt)
{
    static constexpr ControlTemplate controls[] = {
        {-1, "Static", "&Owner:", 5, 5, 40, 8, WS_VISIBLE | WS_GROUP, 0},
        {1100, "Button", "Read", 50, 5, 40, 10, WS_VISIBLE | WS_TABSTOP | BS_AUTOCHECKBOX, 0},
        {IDCANCEL, "Button", "Cancel", 5, 25, 40, 14, WS_VISIBLE | WS_TABSTOP, 0},
    };
    static constexpr DialogTemplate labelled{905, "Labelled", WS_POPUP | WS_VISIBLE, 0, 0, 0, 100, 50, "", 8, controls};
    ScriptedHost host;
    HelpDialog dialog(labelled, nullptr);
    // Pressed twice, from elsewhere and from the box itself: the box has the focus and is never toggled.
    host.Script({Focus(IDCANCEL), Mnemonic('o'), ExpectFocus(1100, "Alt+O"), Mnemonic('o'),
                 ExpectFocus(1100, "Alt+O again"),
                 Inspect([](CDialog& d) { EXPECT_EQ(d.IsDlgButtonChecked(1100), 0u); }), Escape()});
    dialog.DoModal();
}

TEST(HelpAndMenuKeys, AskForTheFocusedControlOrTheDialog)
{
    ScriptedHost host;
    TestDialog dialog;
    host.Script({Focus(kTestName), Key(DialogCommand::Help), Key(DialogCommand::ContextMenu),
                 // A disabled control the dialog's code gives the focus to leaves the keyboard's right
                 // click to the dialog.
                 Inspect([](CDialog& d) {
                     d.GetDlgItem(kTestName)->EnableWindow(false);
                     d.GetDlgItem(kTestName)->SetFocus();
                 }),
                 Key(DialogCommand::ContextMenu), Key(DialogCommand::WhatsThis), Key(DialogCommand::SystemMenu),
                 Key(DialogCommand::DropDown), Focus(kTestDropList), Key(DialogCommand::DropDown), Escape()});
    dialog.DoModal();
    const uint32_t name = HelpContextId(kTestTemplateId, kTestName);
    EXPECT_EQ(host.helpRequests(), (std::vector<HelpRequest>{{HelpRequestKind::Popup, kTestName, name},
                                                              {HelpRequestKind::WhatsThisMenu, kTestName, 0},
                                                              {HelpRequestKind::Popup, kTestName, name},
                                                              {HelpRequestKind::WhatsThisMenu, 0, 0},
                                                              {HelpRequestKind::Popup, 0, name}}))
        << "the dialog's surface under the disabled field answers for it";
    EXPECT_EQ(host.screenCommands(), (std::vector<std::string>{"WhatsThis", "SystemMenu", "DropDown 1036"}))
        << "no drop-down away from a combo box";
}

TEST(HelpAndMenuKeys, NoSystemMenuWithoutTheStyle)
{
    static constexpr ControlTemplate controls[] = {{IDCANCEL, "Button", "Cancel", 5, 5, 40, 14, WS_VISIBLE | WS_TABSTOP, 0}};
    static constexpr DialogTemplate plain{906, "Plain", WS_POPUP | WS_CAPTION | WS_VISIBLE, 0, 0, 0, 60, 30, "", 8, controls};
    ScriptedHost host;
    HelpDialog dialog(plain, nullptr);
    host.Script({Key(DialogCommand::SystemMenu), Escape()});
    dialog.DoModal();
    EXPECT_TRUE(host.screenCommands().empty());
}

}   // namespace
