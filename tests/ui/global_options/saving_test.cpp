// SPDX-License-Identifier: GPL-2.0-or-later
// Writes that are refused, and the moment the network component is told.
#include "tests/ui/global_options/global_options_fixture.h"

#include <algorithm>
#include <cerrno>
#include <cstdlib>
#include <filesystem>
#include <sys/stat.h>

#include "config/global_options.h"
#include "platform/file_fault.h"
#include "res/resource_ids.h"
#include "res/string_table.h"
#include "ui/base/format_string.h"
#include "ui/global_options_dialog.h"

namespace {

class SavingTest : public GlobalOptionsTest {
protected:
    ~SavingTest() override { SetFileFaultForTesting({}); }

    // Refuses, with EACCES, the replacements of the file whose numbers (from 1) are in `refused`.
    void RefuseReplacements(std::vector<int> refused)
    {
        SetFileFaultForTesting([this, refused](FileStep step) {
            if (step != FileStep::Rename)
                return 0;
            ++m_replacements;
            return std::ranges::find(refused, m_replacements) != refused.end() ? EACCES : 0;
        });
    }

    int m_replacements = 0;
};

TEST_F(SavingTest, RefusedWritesAreNamedAndTheDialogStaysOpenForAnotherTry)
{
    const std::string ini = "[Semantics]\nFileProtStyle=420\n";
    Store(ini);
    RefuseReplacements({1, 2, 3, 4});
    m_host.AnswerNext(IDOK);
    bool open = false;
    std::string fileWhileOpen;
    EXPECT_EQ(Run({Type(IDC_OPTIONS_USER_NAME, "ann"), Click(IDC_OPTIONS_WARNINGS), Click(IDC_OPTIONS_WORLD_EXECUTE),
                   Click(IDOK), Inspect([&](CDialog& dialog) {
                       open = !dialog.IsEnded();
                       fileWhileOpen = ReadFileBytes(m_dir.iniPath());
                       SetFileFaultForTesting({});
                   }),
                   Click(IDOK)}),
              IDOK);
    EXPECT_TRUE(open);
    EXPECT_EQ(fileWhileOpen, ini);
    EXPECT_EQ(m_host.beeps(), std::vector<UINT>{MB_SIMPLEBEEP}) << "the user name's write sounds its beep";
    ASSERT_EQ(m_host.messageBoxes().size(), 1u);
    EXPECT_EQ(m_host.messageBoxes()[0].text,
              "These settings could not be saved: Default User Name, Restore Persistent Connections on Startup, "
              "Network Warnings, File Protection Mask.\r\n" + m_dir.iniPath() + ": Permission denied.\r\n\r\n"
              "Correct the problem and press OK again, or press Cancel to close without saving.");
    EXPECT_EQ(m_component.requests().size(), 2u) << "told at every OK";

    // The second OK saved everything.
    EXPECT_EQ(Stored("Auth", "UserName"), "ann");
    EXPECT_EQ(Stored("GlobalOptions", "Warnings"), "0");
    EXPECT_EQ(Stored("Semantics", "FileProtStyle"), "421");
}

TEST_F(SavingTest, OnlyTheSettingsThatFailedAreNamed)
{
    RefuseReplacements({3});  // into an empty file: user name, restore, warnings, mask: the warnings
    m_host.AnswerNext(IDOK);
    EXPECT_EQ(Run({Click(IDOK), Click(IDCANCEL)}), IDCANCEL);
    EXPECT_TRUE(m_host.beeps().empty());
    ASSERT_EQ(m_host.messageBoxes().size(), 1u);
    EXPECT_EQ(m_host.messageBoxes()[0].text.substr(0, 56 + m_dir.iniPath().size()),
              "These settings could not be saved: Network Warnings.\r\n" + m_dir.iniPath() + ": ");
    EXPECT_EQ(Stored("Auth", "UserName"), "") << "the untouched, empty box is written where the key is absent";
    EXPECT_EQ(Stored("GlobalOptions", "Restore"), "1");
    EXPECT_EQ(Stored("Semantics", "FileProtStyle"), "33256");
}

TEST_F(SavingTest, WithoutASystemDirectoryTheDefaultsShowAndOkSaysWhyNothingIsSaved)
{
    setenv("NORVANE_SYSTEM_DIR", ("/" + std::string(300, 'd')).c_str(), 1);
    m_host.AnswerNext(IDOK);
    std::string mask;
    bool warnings = false;
    EXPECT_EQ(Run({Inspect([&](CDialog& dialog) {
                       mask = MaskControls(dialog);
                       warnings = dialog.IsDlgButtonChecked(IDC_OPTIONS_WARNINGS);
                   }),
                   Click(IDOK), Escape()}),
              IDCANCEL);
    EXPECT_EQ(mask, "parent 111101000 disabled");
    EXPECT_TRUE(warnings);
    ASSERT_EQ(m_host.messageBoxes().size(), 1u);
    EXPECT_NE(m_host.messageBoxes()[0].text.find("Network Warnings, File Protection Mask.\r\nThe system directory "
                                                 "is not known."),
              std::string::npos)
        << m_host.messageBoxes()[0].text;
}

// Another program writes while the dialog is open: an option the user left alone keeps its new value;
// one the user changed too is put to the user once (Yes: the user's, No: the other's, Cancel: back to
// the dialog with nothing written). The component hears the warnings the file keeps.
TEST_F(SavingTest, AnotherProgramsChangesStayUnlessTheUserChangedTheSameOption)
{
    const std::string question =
        AfxFormatString2(IDS_OPTION_CHANGED_ELSEWHERE, FindString(IDS_OPTIONS_USER_NAME_SETTING), "");
    for (const int answer : {IDYES, IDNO, IDCANCEL}) {
        SCOPED_TRACE(answer);
        Store("[GlobalOptions]\nWarnings=1\nRestore=0\n[Auth]\nUserName=ann\n[Semantics]\nFileProtStyle=420\n");
        const size_t asked = m_host.messageBoxes().size();
        const size_t told = m_component.requests().size();
        m_host.AnswerNext(answer);
        std::string whileOpen;
        std::vector<ScriptAction> script{
            Type(IDC_OPTIONS_USER_NAME, "bob"),
            Inspect([](CDialog&) {
                EXPECT_EQ(WriteNetworkWarnings(0), ProfileOk);
                EXPECT_EQ(WriteDefaultUserName("carl"), ProfileOk);
            }),
            Click(IDOK),
        };
        if (answer == IDCANCEL)
            script.insert(script.end(), {Inspect([&](CDialog&) { whileOpen = Stored("Auth", "UserName"); }), Escape()});
        EXPECT_EQ(Run(script), answer == IDCANCEL ? IDCANCEL : IDOK);

        ASSERT_EQ(m_host.messageBoxes().size(), asked + 1);
        EXPECT_EQ(m_host.messageBoxes().back().text, question);
        EXPECT_EQ(m_host.messageBoxes().back().type, MB_YESNOCANCEL);
        EXPECT_EQ(Stored("Auth", "UserName"), answer == IDYES ? "bob" : "carl");
        EXPECT_EQ(Stored("GlobalOptions", "Warnings"), "0");
        EXPECT_EQ(Stored("GlobalOptions", "Restore"), "0");
        EXPECT_EQ(Stored("Semantics", "FileProtStyle"), "420");
        if (answer == IDCANCEL) {
            EXPECT_EQ(whileOpen, "carl");
            EXPECT_EQ(m_component.requests().size(), told);
        } else {
            ASSERT_EQ(m_component.requests().size(), told + 1);
            EXPECT_EQ(m_component.requests().back().value, 1) << "warnings are off in the file";
        }
    }

    // Changed on both sides to the same value: nothing to ask.
    Store("[Auth]\nUserName=ann\n");
    EXPECT_EQ(Run({Type(IDC_OPTIONS_USER_NAME, "bob"), Inspect([](CDialog&) { (void)WriteDefaultUserName("bob"); }),
                   Click(IDOK)}),
              IDOK);
    EXPECT_EQ(Stored("Auth", "UserName"), "bob");
}

// With the real library, logging into kqnet.ini itself: the eight bytes land where the file stood
// at the moment of the call, after the warnings were written and before the mask was.
TEST(GlobalOptionsComponent, LibraryIsToldBetweenTheWarningsWriteAndTheMaskWrite)
{
    TempSystemDir dir;
    ScriptedHost host;
    std::filesystem::copy_file(FAKE_COMPONENT_LIBRARY, dir.file("libkqnet95x.so"));
    setenv("NORVANE_COMPONENT_LOG", dir.iniPath().c_str(), 1);
    WriteFileBytes(dir.iniPath(), "[GlobalOptions]\nWarnings=1\n");

    host.Script({Click(IDC_OPTIONS_WARNINGS), Click(IDC_OPTIONS_SPECIFIED_MASK), Click(IDOK)});
    GlobalOptionsDialog dialog;
    EXPECT_EQ(dialog.DoModal(), IDOK);
    unsetenv("NORVANE_COMPONENT_LOG");

    // Code 22 in the first byte, value 1 (warnings off) in the last four; the padding is not ours.
    const std::string file = ReadFileBytes(dir.iniPath());
    const std::string before = "[GlobalOptions]\nWarnings=0\nRestore=1\n\n[Auth]\nUserName=\n";
    ASSERT_GE(file.size(), before.size() + 8);
    EXPECT_EQ(file.substr(0, before.size()), before);
    EXPECT_EQ(file[before.size()], '\x16');
    EXPECT_EQ(file.substr(before.size() + 4, 4), std::string("\x01\0\0\0", 4));
    EXPECT_NE(file.find("[Semantics]\nFileProtStyle=488\n", before.size() + 8), std::string::npos) << file;
}

// A library in a folder any user may write could be anyone's code: it is not loaded, the options are
// saved all the same, and the user is told once why the component did not hear of them.
TEST(GlobalOptionsComponent, AnUntrustedLibraryIsNotLoadedAndTheUserIsToldWhy)
{
    TempSystemDir dir;
    ScriptedHost host;
    std::filesystem::copy_file(FAKE_COMPONENT_LIBRARY, dir.file("libkqnet95x.so"));
    const std::string log = dir.file("received");
    setenv("NORVANE_COMPONENT_LOG", log.c_str(), 1);
    chmod(dir.path().c_str(), 0777);
    host.AnswerNext(IDOK);

    host.Script({Click(IDC_OPTIONS_WARNINGS), Click(IDOK)});
    GlobalOptionsDialog dialog;
    EXPECT_EQ(dialog.DoModal(), IDOK);
    unsetenv("NORVANE_COMPONENT_LOG");

    EXPECT_FALSE(std::filesystem::exists(log)) << "the library did not run";
    ASSERT_EQ(host.messageBoxes().size(), 1u);
    EXPECT_EQ(host.messageBoxes()[0].text,
              "The network component was not told of these options, because Norvane did not load its library:\r\n"
                  + dir.path() + ": other users may change it.\r\n\r\n"
                  "Norvane loads it only from a file and a folder that no other user can change.");
    EXPECT_NE(ReadFileBytes(dir.iniPath()).find("Warnings=0"), std::string::npos) << "the options are saved";
}

}  // namespace
