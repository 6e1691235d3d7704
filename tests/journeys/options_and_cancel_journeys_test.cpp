// SPDX-License-Identifier: GPL-2.0-or-later
// The Global Options journey, which writes at its own OK and tells the network component, and the
// ways out by Cancel, each of which must leave the profile file exactly as it was.
#include <QTest>
#include <cstdlib>
#include <filesystem>
#include <gtest/gtest.h>
#include <string>

#include "res/resource_ids.h"
#include "tests/support/qt/journey_support.h"
#include "tests/support/fake_resolver.h"
#include "tests/support/temp_system_dir.h"

namespace {

void ReplaceText(const JourneyHost& host, int id, const char* text)
{
    QTest::keyClick(host.Control(id), Qt::Key_A, Qt::ControlModifier);
    host.Type(id, text);
}

TEST(OptionsJourney, OkWritesTheOptionsAndTellsTheComponentWarningsAreOff)
{
    TempSystemDir systemDir;
    WriteFileBytes(systemDir.iniPath(), "[Auth]\nUserName=guest\n");
    std::filesystem::copy_file(COMPONENT_TEST_LIBRARY, systemDir.file("libkqnet95x.so"));
    const std::string received = systemDir.file("received");
    setenv("NORVANE_COMPONENT_LOG", received.c_str(), 1);
    JourneyHost host;

    const int result = PlayJourney(host, {
        [&] { host.Click(IDC_MAIN_OPTIONS); },
        [&] {
            ASSERT_EQ(host.CurrentTemplate(), IDD_GLOBAL_OPTIONS);
            ReplaceText(host, IDC_OPTIONS_USER_NAME, "tester");
            host.Click(IDC_OPTIONS_WARNINGS);
            host.Click(IDC_OPTIONS_SPECIFIED_MASK);
            EXPECT_TRUE(host.Control(IDC_OPTIONS_WORLD_READ)->isEnabled()) << "the specified mask can be edited";
            host.Click(IDOK);
        },
        [&] {
            ASSERT_EQ(host.CurrentTemplate(), IDD_SERVER_LIST);
            host.Click(IDCANCEL);
        },
    }, RunMainWindow);
    unsetenv("NORVANE_COMPONENT_LOG");

    EXPECT_EQ(result, IDCANCEL);
    // The specified mask starts as owner all, group read and execute: octal 750.
    EXPECT_EQ(ReadFileBytes(systemDir.iniPath()),
              "[Auth]\nUserName=tester\n"
              "\n[GlobalOptions]\nRestore=1\nWarnings=0\n"
              "\n[Semantics]\nFileProtStyle=488\n");
    ASSERT_TRUE(std::filesystem::exists(received)) << "the component library was not called";
    const std::string request = ReadFileBytes(received);
    ASSERT_EQ(request.size(), 8u) << "one request of 8 bytes";
    EXPECT_EQ(request[0], '\x16') << "code 22";
    EXPECT_EQ(request.substr(4), std::string("\x01\0\0\0", 4)) << "value 1: warnings are off";
}

constexpr const char* kTwoServers =
    "[ServerList]\nServer1=alpha,1,0,0,0\nServer2=bravo,0,0,1,1\nNumServers=2\n"
    "\n[StreamQueues]\nbravoStreamDefaultQueue=1\nbravoQueue1=9100,1\nbravoNumQueues=1\n"
    "\n[LPRQueues]\nbravoQueue1=lp,v,guest,Lab\nbravoNumQueues=1\n"
    "\n[Printing]\nalpha_StreamEnabled=0\nalpha_LPREnabled=0\nbravo_StreamEnabled=1\nbravo_LPREnabled=1\n"
    "\n[Servers]\nKnownServers=alpha\nKnownPrintServers=bravo\n"
    "\n[Auth]\nUserName=guest\n"
    "\n[GlobalOptions]\nWarnings=1\nRestore=1\n"
    "\n[Semantics]\nFileProtStyle=33256\n";

struct CancelJourney {
    const char* name;
    std::vector<std::function<void(JourneyHost&)>> steps;
};

// Each ends in a Cancel (a button, Esc or the close box) that has to throw away what came before
// it; the main window's OK after a cancelled server dialog writes the list it already had.
const std::vector<CancelJourney>& CancelJourneys()
{
    using Host = JourneyHost;
    static const std::vector<CancelJourney> journeys = {
        {"an added server, then the main window's Cancel",
         {[](Host& h) { h.Click(IDC_MAIN_ADD); },
          [](Host& h) { h.Type(IDC_SERVER_NAME, "localhost"); h.Click(IDOK); },
          [](Host& h) { ASSERT_EQ(h.CurrentTemplate(), IDD_SERVER_LIST); h.Click(IDCANCEL); }}},
        {"a deleted server, then Esc in the main window",
         {[](Host& h) { h.ChooseRow(IDC_MAIN_SERVER_LIST, "alpha"); h.Click(IDC_MAIN_DELETE); },
          [](Host&) { Answer("Are you sure you want to remove the server from this list?", QMessageBox::Yes); },
          [](Host& h) { QTest::keyClick(h.Control(IDC_MAIN_SERVER_LIST), Qt::Key_Escape); }}},
        {"queue dialogs cancelled, then the server dialog cancelled, then main OK",
         {[](Host& h) { h.ChooseRow(IDC_MAIN_SERVER_LIST, "bravo"); h.Click(IDC_MAIN_MODIFY); },
          [](Host& h) { h.ChooseRow(IDC_SERVER_LPR_LIST, "lp"); h.Click(IDC_SERVER_LPR_MODIFY); },
          [](Host& h) { ReplaceText(h, IDC_LPR_QUEUE_NAME, "other"); h.Click(IDCANCEL); },
          [](Host& h) { h.ChooseRow(IDC_SERVER_STREAM_LIST, "9100"); h.Click(IDC_SERVER_STREAM_MODIFY); },
          [](Host& h) { ReplaceText(h, IDC_STREAM_PORT, "515"); QTest::keyClick(h.Control(IDC_STREAM_PORT), Qt::Key_Escape); },
          [](Host& h) { ASSERT_EQ(h.CurrentTemplate(), IDD_SERVER); h.Click(IDC_SERVER_STREAM_DELETE); },
          [](Host& h) { ReplaceText(h, IDC_SERVER_NAME, "renamed"); h.Click(IDC_SERVER_NFS_DRIVES); h.Click(IDCANCEL); },
          [](Host& h) { ASSERT_EQ(h.CurrentTemplate(), IDD_SERVER_LIST); h.Click(IDOK); }}},
        {"options changed, then closed by their close box",
         {[](Host& h) { h.Click(IDC_MAIN_OPTIONS); },
          [](Host& h) {
              ReplaceText(h, IDC_OPTIONS_USER_NAME, "tester");
              h.Click(IDC_OPTIONS_WARNINGS);
              h.Click(IDC_OPTIONS_SPECIFIED_MASK);
              h.Click(IDC_OPTIONS_WORLD_READ);
          },
          [](Host& h) {
              ASSERT_EQ(h.CurrentTemplate(), IDD_GLOBAL_OPTIONS);
              h.DialogWidget(*h.Current())->close();
          },
          [](Host& h) { ASSERT_EQ(h.CurrentTemplate(), IDD_SERVER_LIST); h.Click(IDCANCEL); }}},
    };
    return journeys;
}

TEST(CancelJourneys, EveryCancelLeavesTheFileByteIdentical)
{
    for (const CancelJourney& journey : CancelJourneys()) {
        SCOPED_TRACE(journey.name);
        TempSystemDir systemDir;
        WriteFileBytes(systemDir.iniPath(), kTwoServers);
        FakeResolver resolver;
        resolver.AddHostName("localhost");
        JourneyHost host;
        std::vector<std::function<void()>> steps;
        for (const auto& step : journey.steps)
            steps.push_back([&host, &step] { step(host); });

        PlayJourney(host, steps, RunMainWindow);
        EXPECT_EQ(ReadFileBytes(systemDir.iniPath()), kTwoServers);
    }
}

}   // namespace
