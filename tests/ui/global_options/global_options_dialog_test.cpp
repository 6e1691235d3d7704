// SPDX-License-Identifier: GPL-2.0-or-later
// What the dialog shows from the profile, and what its OK and Cancel do with the mask, the
// warnings and the hidden restore option.
#include "tests/ui/global_options/global_options_fixture.h"

#include "res/resource_ids.h"
#include "ui/base/window_api.h"

namespace {

TEST_F(GlobalOptionsTest, ShowsTheStoredMask)
{
    struct Case {
        const char* ini;
        const char* shown;
    };
    const Case cases[] = {
        {"", "parent 111101000 disabled"},                                 // default 33256
        {"[Semantics]\nFileProtStyle=420\n", "specified 110100100 enabled"},
        {"[Semantics]\nFileProtStyle=33279\n", "parent 111111111 disabled"},
        {"[Semantics]\nFileProtStyle=0\n", "specified 000000000 enabled"},
    };
    for (const Case& c : cases) {
        Store(c.ini);
        std::string shown;
        EXPECT_EQ(Run({Inspect([&](CDialog& dialog) { shown = MaskControls(dialog); }), Escape()}), IDCANCEL);
        EXPECT_EQ(shown, c.shown) << c.ini;
    }
}

// Whatever the file holds stays until the user changes the mask; a changed mask is written with only
// the parent bit and the nine permission bits.
TEST_F(GlobalOptionsTest, OkWritesTheMaskOnlyWhenChangedOrAbsentAndThenOnlyItsBits)
{
    struct Case {
        const char* stored;
        const char* untouched;   // after OK without a change
        const char* switched;    // after OK with the other radio button selected
    };
    const Case cases[] = {
        {nullptr, "33256", "488"},     {"33256", "33256", "488"},     {"420", "420", "33188"},
        {"-1", "-1", "511"},           {"1048837", "1048837", "33029"},   // 0x100105: bit 20 dropped
        {"49153", "49153", "1"},       {"33281", "33281", "1"},           // 0xC001, 0x8201: bits 14 and 9
    };
    for (const Case& c : cases) {
        const std::string ini = c.stored ? std::string("[Semantics]\nFileProtStyle=") + c.stored + "\n" : "";
        Store(ini);
        EXPECT_EQ(Run({Click(IDOK)}), IDOK);
        EXPECT_EQ(Stored("Semantics", "FileProtStyle"), c.untouched) << (c.stored ? c.stored : "absent");
        Store(ini);
        const bool parent = !c.stored || (std::stol(c.stored) & 0x8000) != 0;
        EXPECT_EQ(Run({Click(parent ? IDC_OPTIONS_SPECIFIED_MASK : IDC_OPTIONS_PARENT_MASK), Click(IDOK)}), IDOK);
        EXPECT_EQ(Stored("Semantics", "FileProtStyle"), c.switched) << (c.stored ? c.stored : "absent");
    }
}

TEST_F(GlobalOptionsTest, EachBoxStandsForItsOwnBit)
{
    const int boxes[] = {1011, 1060, 1063, 1012, 1061, 1066, 1059, 1062, 1065};
    for (int i = 0; i < 9; ++i) {
        Store("[Semantics]\nFileProtStyle=0\n");
        EXPECT_EQ(Run({Click(boxes[i]), Click(IDOK)}), IDOK);
        EXPECT_EQ(Stored("Semantics", "FileProtStyle"), std::to_string(0x100 >> i)) << "box " << boxes[i];
    }
}

TEST_F(GlobalOptionsTest, RadioButtonsSwitchTheMaskControlsAndKeepTheirChecks)
{
    Store("[Semantics]\nFileProtStyle=420\n");
    std::vector<std::string> shown;
    const auto look = [&] { return Inspect([&](CDialog& dialog) { shown.push_back(MaskControls(dialog)); }); };
    EXPECT_EQ(Run({Click(IDC_OPTIONS_PARENT_MASK), look(), Click(IDC_OPTIONS_SPECIFIED_MASK), look(),
                   Click(IDC_OPTIONS_PARENT_MASK), Click(IDOK)}),
              IDOK);
    EXPECT_EQ(shown, (std::vector<std::string>{"parent 110100100 disabled", "specified 110100100 enabled"}));
    EXPECT_EQ(Stored("Semantics", "FileProtStyle"), std::to_string(0x8000 + 420));
}

TEST_F(GlobalOptionsTest, OkWritesTheWarningsAndTellsTheComponentWhetherTheyAreOff)
{
    struct Case {
        const char* ini;
        bool click;
        bool shownChecked;
        const char* written;
        int32_t requestValue;
    };
    const Case cases[] = {
        {"", false, true, "1", 0},
        {"", true, true, "0", 1},
        {"[GlobalOptions]\nWarnings=0\n", false, false, "0", 1},
        {"[GlobalOptions]\nWarnings=0\n", true, false, "1", 0},
        {"[GlobalOptions]\nWarnings=5\n", false, true, "5", 0},   // untouched: kept as stored
        {"[GlobalOptions]\nWarnings=5\n", true, true, "0", 1},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::string(c.ini) + (c.click ? " clicked" : ""));
        Store(c.ini);
        const size_t before = m_component.requests().size();
        bool shownChecked = false;
        std::vector<ScriptAction> script{
            Inspect([&](CDialog& dialog) { shownChecked = dialog.IsDlgButtonChecked(IDC_OPTIONS_WARNINGS); })};
        if (c.click)
            script.push_back(Click(IDC_OPTIONS_WARNINGS));
        script.push_back(Click(IDOK));
        EXPECT_EQ(Run(std::move(script)), IDOK);
        EXPECT_EQ(shownChecked, c.shownChecked);
        EXPECT_EQ(Stored("GlobalOptions", "Warnings"), c.written);
        ASSERT_EQ(m_component.requests().size(), before + 1);
        EXPECT_EQ(m_component.requests().back().code, 22);
        EXPECT_EQ(m_component.requests().back().value, c.requestValue);
    }
}

TEST_F(GlobalOptionsTest, HiddenRestoreOptionIsCarriedThroughUnchanged)
{
    const std::pair<const char*, const char*> cases[] = {
        {"", "1"}, {"Restore=0\n", "0"}, {"Restore=1\n", "1"}, {"Restore=7\n", "7"}};
    for (const auto& [stored, written] : cases) {
        Store(std::string("[GlobalOptions]\n") + stored);
        bool hidden = false;
        EXPECT_EQ(Run({Inspect([&](CDialog& dialog) {
                           hidden = !IsWindowVisible(dialog.GetDlgItem(IDC_OPTIONS_RESTORE)) &&
                                    !IsWindowEnabled(dialog.GetDlgItem(IDC_OPTIONS_RESTORE));
                       }),
                       Click(IDOK)}),
                  IDOK);
        EXPECT_TRUE(hidden);
        EXPECT_EQ(Stored("GlobalOptions", "Restore"), written) << stored;
    }
}

TEST_F(GlobalOptionsTest, CancelWritesNothingAndTellsNobody)
{
    const std::string ini = "[GlobalOptions]\nWarnings=1\n[Auth]\nUserName=ann\n[Semantics]\nFileProtStyle=420\n";
    Store(ini);
    EXPECT_EQ(Run({Type(IDC_OPTIONS_USER_NAME, "bob"), Click(IDC_OPTIONS_WARNINGS), Click(IDC_OPTIONS_WORLD_EXECUTE),
                   Click(IDC_OPTIONS_PARENT_MASK), Click(IDCANCEL)}),
              IDCANCEL);
    EXPECT_EQ(ReadFileBytes(m_dir.iniPath()), ini);
    EXPECT_TRUE(m_component.requests().empty());
}

}  // namespace
