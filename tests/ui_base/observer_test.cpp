// SPDX-License-Identifier: GPL-2.0-or-later
// What a host is told while dialog code and user input change the live windows.
#include <gtest/gtest.h>

#include "tests/support/scripted_host.h"
#include "tests/support/test_dialog.h"
#include "ui/base/window_api.h"

namespace {

struct RecordingObserver : WindowObserver {
    void OnWindowChanged(HWND window, WindowChange change) override
    {
        seen.push_back({window->id(), change});
    }
    std::vector<std::pair<int, WindowChange>> seen;
};

using Seen = std::vector<std::pair<int, WindowChange>>;

TEST(Observer, ToldOfEachChangeOnceAndNotOfUnchangedValues)
{
    ScriptedHost host;
    RecordingObserver observer;
    host.ObserveWith(&observer);
    TestDialog dialog;
    host.Script({Inspect([&](CDialog& d) {
                     observer.seen.clear();
                     d.SetDlgItemText(kTestName, "a");
                     d.SetDlgItemText(kTestName, "a");        // same text: EN_CHANGE, but nothing to redraw
                     d.GetDlgItem(kTestAction)->EnableWindow(false);
                     d.GetDlgItem(kTestAction)->EnableWindow(false);
                     d.SetDefID(IDCANCEL);
                     d.SetWindowText("Renamed");
                 }),
                 Click(kTestCheck), Select(kTestDropList, 1), Escape()});
    dialog.DoModal();
    const Seen expected{
        {kTestName, WindowChange::Text}, {kTestAction, WindowChange::Enabled}, {IDOK, WindowChange::Style},
        {IDCANCEL, WindowChange::Style},   {0, WindowChange::Text},               {kTestCheck, WindowChange::Check},
        {kTestDropList, WindowChange::Selection},
    };
    EXPECT_EQ(observer.seen, expected);
}

TEST(Observer, InitialisationReportsItemsFocusPlacementAndShowing)
{
    ScriptedHost host;
    RecordingObserver observer;
    host.ObserveWith(&observer);
    TestDialog dialog;
    host.Script({Escape()});
    dialog.DoModal();
    const auto saw = [&](int id, WindowChange change) {
        return std::find(observer.seen.begin(), observer.seen.end(), std::pair{id, change}) != observer.seen.end();
    };
    EXPECT_TRUE(saw(kTestDropList, WindowChange::Rows));
    EXPECT_TRUE(saw(0, WindowChange::Placement));
    EXPECT_TRUE(saw(0, WindowChange::Style)) << "the caption's help button";
    EXPECT_TRUE(saw(kTestName, WindowChange::Focus));
    EXPECT_EQ(observer.seen.back(), (std::pair{0, WindowChange::Visible})) << "shown once initialised";
}

// Disabling or hiding the control with the focus (the Delete button that deleted the last row)
// passes the focus on to the next control in tab order, and the host is told; other controls
// leave it where it is.
TEST(Observer, TheFocusLeavesAControlThatIsDisabledOrHidden)
{
    ScriptedHost host;
    RecordingObserver observer;
    host.ObserveWith(&observer);
    TestDialog dialog;
    host.Script({Inspect([&](CDialog& d) {
                     HWND action = d.GetDlgItem(kTestAction);
                     HWND next = GetNextDlgTabItem(d.GetSafeHwnd(), action, false);
                     ASSERT_NE(next, action);
                     action->SetFocus();
                     d.GetDlgItem(kTestCheck)->EnableWindow(false);
                     EXPECT_EQ(d.GetFocus(), action);
                     observer.seen.clear();
                     action->EnableWindow(false);
                     EXPECT_EQ(d.GetFocus(), next);
                     EXPECT_EQ(observer.seen.back(), (std::pair{next->id(), WindowChange::Focus}));
                     HWND after = GetNextDlgTabItem(d.GetSafeHwnd(), next, false);
                     next->ShowWindow(false);
                     EXPECT_EQ(d.GetFocus(), after);
                 }),
                 Escape()});
    dialog.DoModal();
}

}   // namespace
