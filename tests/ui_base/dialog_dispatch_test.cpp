// Notifications, commands and the keys that end a dialog.
#include <gtest/gtest.h>
#include <gtest/gtest-spi.h>

#include "tests/support/scripted_host.h"
#include "tests/ui_base/probe_dialog.h"
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
        ProbeDialog dialog;
        host.Script({c.action});
        EXPECT_EQ(dialog.DoModal(), c.result) << c.name;
        EXPECT_EQ(dialog.GetSafeHwnd(), nullptr) << "windows are destroyed after the run";
        EXPECT_EQ(dialog.destroyed, 1) << c.name;
        EXPECT_TRUE(dialog.controlsAliveAtDestroy) << "WM_DESTROY comes while the controls still exist";
    }
}

TEST(DialogRun, WithoutHostOrTemplateAnswersMinusOne)
{
    ProbeDialog noHost;
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
            ProbeDialog dialog;
            host.Script({Type(kProbeName, "x")});
            EXPECT_EQ(dialog.DoModal(), -1);
        },
        "ended without the dialog ending");
}

TEST(DialogRun, InitialisationFocusesFirstTabStopAndShowsTheDialog)
{
    ScriptedHost host;
    ProbeDialog dialog;
    host.Script({Inspect([](CDialog& d) {
                      EXPECT_EQ(d.GetFocus(), d.GetDlgItem(kProbeName)) << "the label before it has no tab stop";
                      EXPECT_TRUE(IsWindowVisible(d.GetSafeHwnd()));
                  }),
                  Escape()});
    dialog.DoModal();
}

TEST(EditNotifications, SettingTextRaisesOneChangeEvenWhenUnchanged)
{
    ScriptedHost host;
    ProbeDialog dialog;
    dialog.onInit = [](ProbeDialog& d) {
        d.SetDlgItemText(kProbeName, "alpha");
        d.SetDlgItemText(kProbeName, "alpha");
    };
    host.Script({Type(kProbeName, "beta"), Escape()});
    dialog.DoModal();
    EXPECT_EQ(dialog.log, (Log{"EN_CHANGE 1002 'alpha'", "EN_CHANGE 1002 'alpha'", "EN_CHANGE 1002 'beta'"}));
}

TEST(EditNotifications, TypingIsCutToTheFieldLimit)
{
    ScriptedHost host;
    ProbeDialog dialog;
    dialog.onInit = [](ProbeDialog& d) {
        EditControl name;
        name.Attach(d.GetDlgItem(kProbeName));
        name.LimitText(3);
    };
    host.Script({Type(kProbeName, "abcdef"), Escape()});
    dialog.DoModal();
    EXPECT_EQ(dialog.log, (Log{"EN_CHANGE 1002 'abc'"}));
}

TEST(Buttons, AutomaticCheckBoxTogglesBeforeItsNotification)
{
    ScriptedHost host;
    ProbeDialog dialog;
    host.Script({Click(kProbeCheck), Click(kProbeCheck), Escape()});
    dialog.DoModal();
    EXPECT_EQ(dialog.log, (Log{"BN_CLICKED 1051 check=1", "BN_CLICKED 1051 check=0"}));
}

TEST(Buttons, AutomaticRadioButtonsClearOnlyTheirOwnGroup)
{
    ScriptedHost host;
    ProbeDialog dialog;
    dialog.onInit = [](ProbeDialog& d) {
        d.CheckDlgButton(kProbeManualRadio, 1);
        d.CheckDlgButton(kProbeRadioC, 1);
    };
    host.Script({Click(kProbeRadioA), Click(kProbeRadioB),
                 Inspect([](CDialog& d) {
                     EXPECT_EQ(d.IsDlgButtonChecked(kProbeManualRadio), 1u) << "not automatic: left alone";
                     EXPECT_EQ(d.IsDlgButtonChecked(kProbeRadioC), 1u) << "another group";
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
            ProbeDialog dialog;
            dialog.onInit = [](ProbeDialog& d) { d.GetDlgItem(kProbeCheck)->EnableWindow(false); };
            host.Script({Click(kProbeCheck), Escape()});
            dialog.DoModal();
            EXPECT_TRUE(dialog.log.empty());
        },
        "disabled or hidden");
}

TEST(Lists, UserSelectionAndDoubleClickNotify)
{
    ScriptedHost host;
    ProbeDialog dialog;
    dialog.onInit = [](ProbeDialog& d) {
        (void)d.sorted.AddString("b");
        (void)d.sorted.AddString("a");
        (void)d.plain.AddString("quiet");
    };
    host.Script({Select(kProbeSorted, 1), DoubleClick(kProbeSorted, 0), DoubleClick(kProbeSorted, -1),
                 Select(kProbePlain, 0), Select(kProbeDropList, 2), Escape()});
    dialog.DoModal();
    // The plain list box lacks LBS_NOTIFY, so selecting in it tells the dialog nothing.
    EXPECT_EQ(dialog.log, (Log{"LBN_SELCHANGE 1", "LBN_SELCHANGE 0", "LBN_DBLCLK 0", "LBN_DBLCLK 0",
                               "CBN_SELCHANGE 2"}));
}

TEST(DefaultButton, SetDefIdMovesTheStyleAndEnterFollowsIt)
{
    ScriptedHost host;
    ProbeDialog dialog;
    host.Script({Inspect([](CDialog& d) {
                     EXPECT_EQ(d.GetDefID(), IDOK);
                     d.SetDefID(kProbeAction);
                     EXPECT_FALSE(d.GetDlgItem(IDOK)->IsDefaultButton());
                     EXPECT_TRUE(d.GetDlgItem(kProbeAction)->IsDefaultButton());
                 }),
                 Enter(),
                 Inspect([](CDialog& d) { d.SetDefID(IDCANCEL); }), Enter()});
    EXPECT_EQ(dialog.DoModal(), IDCANCEL);
    EXPECT_EQ(dialog.log, (Log{"BN_CLICKED 1008"}));
}

TEST(DefaultButton, EnterDoesNothingWhileTheDefaultIsDisabledOrHidden)
{
    ScriptedHost host;
    ProbeDialog dialog;
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
    ProbeDialog dialog;
    dialog.handleClose = true;
    host.Script({CloseBox(), Inspect([](CDialog& d) { EXPECT_FALSE(d.IsEnded()); }), Escape()});
    EXPECT_EQ(dialog.DoModal(), IDCANCEL);
    EXPECT_EQ(dialog.log, (Log{"WM_CLOSE"}));
}

TEST(HelpButton, OpensTheOverviewOfTheDialogItWasPressedIn)
{
    ScriptedHost host;
    ProbeDialog dialog;
    host.Script({Click(ID_HELP), Escape()});
    dialog.DoModal();
    EXPECT_EQ(host.helpRequests(), (std::vector<HelpRequest>{{HelpRequestKind::Overview, 0, kProbeTemplateId}}));
}

TEST(NestedRuns, EachDialogPlaysItsOwnScript)
{
    ScriptedHost host;
    ProbeDialog outer;
    int innerResult = 0;
    outer.onAction = [&](ProbeDialog&) {
        ProbeDialog inner(kProbeTemplate, &outer);
        innerResult = inner.DoModal();
        EXPECT_EQ(inner.log, (Log{"BN_CLICKED 1051 check=1"}));
    };
    host.Script({Click(kProbeAction), Click(IDOK)});
    host.Script({Click(kProbeCheck), Escape()});
    EXPECT_EQ(outer.DoModal(), IDOK);
    EXPECT_EQ(innerResult, IDCANCEL);
    EXPECT_EQ(host.dialogsRun(), (std::vector<uint32_t>{kProbeTemplateId, kProbeTemplateId}));
}

}   // namespace
