// SPDX-License-Identifier: GPL-2.0-or-later
// Notifications, commands and the keys that end a dialog.
#include <gtest/gtest.h>
#include <gtest/gtest-spi.h>

#include "tests/support/scripted_host.h"
#include "tests/support/test_dialog.h"
#include "ui/base/window_api.h"

namespace {

using Log = std::vector<std::string>;

TEST(DialogRun, OkAndCancelEndCodes)
{
    struct Case {
        const char* name;
        ScriptAction action;
        int result;
    };
    const Case cases[] = {
        {"OK button", Click(IDOK), IDOK},
        {"Cancel button", Click(IDCANCEL), IDCANCEL},
        {"Enter on the default OK", Enter(), IDOK},
        {"Escape", Escape(), IDCANCEL},
        {"close box", CloseBox(), IDCANCEL},
        {"system menu Close", SystemCommand(0xF060), IDCANCEL},
    };
    for (const Case& c : cases) {
        ScriptedHost host;
        TestDialog dialog;
        host.Script({c.action});
        EXPECT_EQ(dialog.DoModal(), c.result) << c.name;
        EXPECT_EQ(dialog.GetSafeHwnd(), nullptr) << "windows are destroyed after the run";
        EXPECT_EQ(dialog.destroyed, 1) << c.name;
        EXPECT_TRUE(dialog.controlsAliveAtDestroy) << "WM_DESTROY comes while the controls still exist";
    }
}

TEST(DialogRun, WithoutHostOrTemplateAnswersMinusOne)
{
    TestDialog noHost;
    EXPECT_EQ(noHost.DoModal(), -1);
    ScriptedHost host;
    HelpDialog unknown(4242, nullptr);
    EXPECT_EQ(unknown.DoModal(), -1);
}

TEST(DialogRun, ScriptEndingBeforeTheDialogFailsInsteadOfHanging)
{
    EXPECT_NONFATAL_FAILURE(
        {
            ScriptedHost host;
            TestDialog dialog;
            host.Script({Type(kTestName, "x")});
            EXPECT_EQ(dialog.DoModal(), -1);
        },
        "ended without the dialog ending");
}

TEST(DialogRun, InitialisationFocusesFirstTabStopAndShowsTheDialog)
{
    ScriptedHost host;
    TestDialog dialog;
    host.Script({Inspect([](CDialog& d) {
                      EXPECT_EQ(d.GetFocus(), d.GetDlgItem(kTestName)) << "the label before it has no tab stop";
                      EXPECT_TRUE(IsWindowVisible(d.GetSafeHwnd()));
                  }),
                  Escape()});
    dialog.DoModal();
}

TEST(EditNotifications, SettingTextRaisesOneChangeEvenWhenUnchanged)
{
    ScriptedHost host;
    TestDialog dialog;
    dialog.onInit = [](TestDialog& d) {
        d.SetDlgItemText(kTestName, "alpha");
        d.SetDlgItemText(kTestName, "alpha");
    };
    host.Script({Type(kTestName, "beta"), Escape()});
    dialog.DoModal();
    EXPECT_EQ(dialog.log, (Log{"EN_CHANGE 1002 'alpha'", "EN_CHANGE 1002 'alpha'", "EN_CHANGE 1002 'beta'"}));
}

TEST(EditNotifications, TypingIsCutToTheFieldLimitInBytesBetweenCharacters)
{
    ScriptedHost host;
    TestDialog dialog;
    dialog.onInit = [](TestDialog& d) {
        EditControl name;
        name.Attach(d.GetDlgItem(kTestName));
        name.LimitText(3);
    };
    // The second text's third byte begins a character of two: it goes whole.
    host.Script({Type(kTestName, "abcdef"), Type(kTestName, "ab\xC3\xBC"), Escape()});
    dialog.DoModal();
    EXPECT_EQ(dialog.log, (Log{"EN_CHANGE 1002 'abc'", "EN_CHANGE 1002 'ab'"}));
}

TEST(Buttons, AutomaticCheckBoxTogglesBeforeItsNotification)
{
    ScriptedHost host;
    TestDialog dialog;
    host.Script({Click(kTestCheck), Click(kTestCheck), Escape()});
    dialog.DoModal();
    EXPECT_EQ(dialog.log, (Log{"BN_CLICKED 1051 check=1", "BN_CLICKED 1051 check=0"}));
}

TEST(Buttons, AutomaticRadioButtonsClearOnlyTheirOwnGroup)
{
    ScriptedHost host;
    TestDialog dialog;
    dialog.onInit = [](TestDialog& d) {
        d.CheckDlgButton(kTestManualRadio, 1);
        d.CheckDlgButton(kTestRadioC, 1);
    };
    host.Script({Click(kTestRadioA), Click(kTestRadioB),
                 Inspect([](CDialog& d) {
                     EXPECT_EQ(d.IsDlgButtonChecked(kTestManualRadio), 1u) << "not automatic: left alone";
                     EXPECT_EQ(d.IsDlgButtonChecked(kTestRadioC), 1u) << "another group";
                 }),
                 Escape()});
    dialog.DoModal();
    EXPECT_EQ(dialog.log, (Log{"BN_CLICKED radio A=1 B=0", "BN_CLICKED radio A=0 B=1"}));
}

TEST(Buttons, ClicksOnDisabledControlsAreScriptErrors)
{
    EXPECT_NONFATAL_FAILURE(
        {
            ScriptedHost host;
            TestDialog dialog;
            dialog.onInit = [](TestDialog& d) { d.GetDlgItem(kTestCheck)->EnableWindow(false); };
            host.Script({Click(kTestCheck), Escape()});
            dialog.DoModal();
            EXPECT_TRUE(dialog.log.empty());
        },
        "disabled or hidden");
}

TEST(Lists, UserSelectionAndDoubleClickNotify)
{
    ScriptedHost host;
    TestDialog dialog;
    dialog.onInit = [](TestDialog& d) {
        (void)d.sorted.AddString("b");
        (void)d.sorted.AddString("a");
        (void)d.plain.AddString("quiet");
    };
    host.Script({Select(kTestSorted, 1), DoubleClick(kTestSorted, 0), DoubleClick(kTestSorted, -1),
                 Select(kTestPlain, 0), Select(kTestDropList, 2), Escape()});
    dialog.DoModal();
    // The plain list box lacks LBS_NOTIFY, so selecting in it tells the dialog nothing.
    EXPECT_EQ(dialog.log, (Log{"LBN_SELCHANGE 1", "LBN_SELCHANGE 0", "LBN_DBLCLK 0", "LBN_DBLCLK 0",
                               "CBN_SELCHANGE 2"}));
}

TEST(DefaultButton, SetDefIdMovesTheStyleAndEnterFollowsIt)
{
    ScriptedHost host;
    TestDialog dialog;
    host.Script({Inspect([](CDialog& d) {
                     EXPECT_EQ(d.GetDefID(), IDOK);
                     d.SetDefID(kTestAction);
                     EXPECT_FALSE(d.GetDlgItem(IDOK)->IsDefaultButton());
                     EXPECT_TRUE(d.GetDlgItem(kTestAction)->IsDefaultButton());
                 }),
                 Enter(),
                 Inspect([](CDialog& d) { d.SetDefID(IDCANCEL); }), Enter()});
    EXPECT_EQ(dialog.DoModal(), IDCANCEL);
    EXPECT_EQ(dialog.log, (Log{"BN_CLICKED 1008"}));
}

TEST(DefaultButton, EnterDoesNothingWhileTheDefaultIsDisabledOrHidden)
{
    ScriptedHost host;
    TestDialog dialog;
    host.Script({Inspect([](CDialog& d) { d.GetDlgItem(IDOK)->EnableWindow(false); }), Enter(),
                 Inspect([](CDialog& d) {
                     d.GetDlgItem(IDOK)->EnableWindow(true);
                     d.GetDlgItem(IDOK)->ShowWindow(false);
                 }),
                 Enter(), Inspect([](CDialog& d) { EXPECT_FALSE(d.IsEnded()); }), Escape()});
    EXPECT_EQ(dialog.DoModal(), IDCANCEL);
}

TEST(CloseBox, DialogThatHandlesWmCloseStaysOpen)
{
    ScriptedHost host;
    TestDialog dialog;
    dialog.handleClose = true;
    host.Script({CloseBox(), Inspect([](CDialog& d) { EXPECT_FALSE(d.IsEnded()); }), Escape()});
    EXPECT_EQ(dialog.DoModal(), IDCANCEL);
    EXPECT_EQ(dialog.log, (Log{"WM_CLOSE"}));
}

TEST(HelpButton, OpensTheOverviewOfTheDialogItWasPressedIn)
{
    ScriptedHost host;
    TestDialog dialog;
    host.Script({Click(ID_HELP), Escape()});
    dialog.DoModal();
    EXPECT_EQ(host.helpRequests(), (std::vector<HelpRequest>{{HelpRequestKind::Overview, 0, kTestTemplateId}}));
}

TEST(NestedRuns, EachDialogPlaysItsOwnScript)
{
    ScriptedHost host;
    TestDialog outer;
    int innerResult = 0;
    outer.onAction = [&](TestDialog&) {
        TestDialog inner(kTestTemplate, &outer);
        innerResult = inner.DoModal();
        EXPECT_EQ(inner.log, (Log{"BN_CLICKED 1051 check=1"}));
    };
    host.Script({Click(kTestAction), Click(IDOK)});
    host.Script({Click(kTestCheck), Escape()});
    EXPECT_EQ(outer.DoModal(), IDOK);
    EXPECT_EQ(innerResult, IDCANCEL);
    EXPECT_EQ(host.dialogsRun(), (std::vector<uint32_t>{kTestTemplateId, kTestTemplateId}));
}

}   // namespace
