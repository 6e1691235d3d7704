// What a host is told while dialog code and user input change the live windows.
#include <gtest/gtest.h>

#include "tests/support/scripted_host.h"
#include "tests/ui_base/probe_dialog.h"

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
    ProbeDialog dialog;
    host.Script({Inspect([&](CDialog& d) {
                     observer.seen.clear();
                     d.SetDlgItemText(kProbeName, "a");
                     d.SetDlgItemText(kProbeName, "a");        // same text: EN_CHANGE, but nothing to redraw
                     d.GetDlgItem(kProbeAction)->EnableWindow(false);
                     d.GetDlgItem(kProbeAction)->EnableWindow(false);
                     d.SetDefID(IDCANCEL);
                     d.SetWindowText("Renamed");
                 }),
                 Click(kProbeCheck), Select(kProbeDropList, 1), Escape()});
    dialog.DoModal();
    const Seen expected{
        {kProbeName, WindowChange::Text}, {kProbeAction, WindowChange::Enabled}, {IDOK, WindowChange::Style},
        {IDCANCEL, WindowChange::Style},   {0, WindowChange::Text},               {kProbeCheck, WindowChange::Check},
        {kProbeDropList, WindowChange::Selection},
    };
    EXPECT_EQ(observer.seen, expected);
}

TEST(Observer, InitialisationReportsItemsFocusPlacementAndShowing)
{
    ScriptedHost host;
    RecordingObserver observer;
    host.ObserveWith(&observer);
    ProbeDialog dialog;
    host.Script({Escape()});
    dialog.DoModal();
    const auto saw = [&](int id, WindowChange change) {
        return std::find(observer.seen.begin(), observer.seen.end(), std::pair{id, change}) != observer.seen.end();
    };
    EXPECT_TRUE(saw(kProbeDropList, WindowChange::Rows));
    EXPECT_TRUE(saw(0, WindowChange::Placement));
    EXPECT_TRUE(saw(0, WindowChange::Style)) << "the caption's help button";
    EXPECT_TRUE(saw(kProbeName, WindowChange::Focus));
    EXPECT_EQ(observer.seen.back(), (std::pair{0, WindowChange::Visible})) << "shown once initialised";
}

}   // namespace
