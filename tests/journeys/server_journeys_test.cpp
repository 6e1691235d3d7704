// SPDX-License-Identifier: GPL-2.0-or-later
// Journeys through the main window and the server dialogs, as a user makes them, ending with the
// profile file compared byte for byte.
#include <QApplication>
#include <QTest>
#include <filesystem>
#include <gtest/gtest.h>
#include <string>

#include "res/resource_ids.h"
#include "res/string_table.h"
#include "tests/support/qt/journey_support.h"
#include "tests/support/fake_resolver.h"
#include "tests/support/temp_system_dir.h"
#include "ui/base/dialog.h"
#include "ui/base/format_string.h"

namespace {

constexpr const char* kAlphaWithLp =
    "[Auth]\nUserName=guest\n"
    "\n[ServerList]\nServer1=alpha,1,1,0,1\nNumServers=1\n"
    "\n[LPRQueues]\nalphaQueue1=lp,v,guest,\xC5\x81\xC3\xB3" "d\xC5\xBA 2\nalphaNumQueues=1\n"
    "\n[Printing]\nalpha_StreamEnabled=0\nalpha_LPREnabled=1\n"
    "\n[Servers]\nKnownServers=alpha\nKnownPrintServers=alpha\n";

TEST(ServerJourneys, AddingAServerWithAnLprQueueWritesTheWholeList)
{
    TempSystemDir systemDir;
    WriteFileBytes(systemDir.iniPath(), "[Auth]\nUserName=guest\n");
    FakeResolver resolver;
    resolver.AddHostName("alpha");
    JourneyHost host;

    const int result = PlayJourney(host, {
        [&] { host.Click(IDC_MAIN_ADD); },
        [&] {
            ASSERT_EQ(host.CurrentTemplate(), IDD_SERVER);
            host.Type(IDC_SERVER_NAME, "alpha");
            host.Click(IDC_SERVER_LPR_PRINTING);
            EXPECT_TRUE(host.Control(IDC_SERVER_LPR_ADD)->isEnabled()) << "LPR Printing enables its group";
            host.Click(IDC_SERVER_LPR_ADD);
        },
        [&] {
            ASSERT_EQ(host.CurrentTemplate(), IDD_LPR_QUEUE);
            EXPECT_EQ(host.Current()->GetDlgItemText(IDC_LPR_USER_NAME), "guest") << "the default user name is proposed";
            host.Type(IDC_LPR_QUEUE_NAME, "lp");
            host.Type(IDC_LPR_PERSONAL_NAME, "\u0141\u00F3d\u017A 2");
            host.Click(IDOK);
        },
        [&] {
            ASSERT_EQ(host.CurrentTemplate(), IDD_SERVER);
            const HWND rows = host.Current()->GetDlgItem(IDC_SERVER_LPR_LIST);
            ASSERT_EQ(rows->rows().size(), 1u);
            EXPECT_EQ(rows->rows()[0].text, "lp") << "the new queue is listed";
            host.Click(IDOK);
        },
        [&] {
            ASSERT_EQ(host.CurrentTemplate(), IDD_SERVER_LIST);
            host.Click(IDOK);
        },
    }, RunMainWindow);

    EXPECT_EQ(result, IDOK);
    EXPECT_EQ(resolver.nameLookups(), std::vector<std::string>{"alpha"});
    EXPECT_EQ(ReadFileBytes(systemDir.iniPath()), kAlphaWithLp);
}

// Presses Tab until control `id` of the dialog in front has the focus.
void TabTo(const JourneyHost& host, int id)
{
    QWidget* target = host.Control(id);
    ASSERT_TRUE(QApplication::focusWidget()) << "nothing has the focus";
    for (int presses = 0; presses < 30 && QApplication::focusWidget() != target; ++presses)
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    ASSERT_EQ(QApplication::focusWidget(), target) << "Tab never reaches control " << id;
}

void PressAlt(const JourneyHost& host, Qt::Key letter)
{
    QTest::keyClick(host.DialogWidget(*host.Current()), letter, Qt::AltModifier);
}

// The same change without the mouse: mnemonics, Tab, Space, typing and Enter.
TEST(ServerJourneys, TheSameChangeByKeyboardAlone)
{
    TempSystemDir systemDir;
    WriteFileBytes(systemDir.iniPath(), "[Auth]\nUserName=guest\n");
    FakeResolver resolver;
    resolver.AddHostName("alpha");
    JourneyHost host;
    const auto typeHere = [](const char* text) {
        ASSERT_TRUE(QApplication::focusWidget()) << "nothing has the focus";
        TypeText(QApplication::focusWidget(), text);
    };
    const auto press = [](Qt::Key key) {
        ASSERT_TRUE(QApplication::focusWidget()) << "nothing has the focus";
        QTest::keyClick(QApplication::focusWidget(), key);
    };
    // Offscreen no window manager gives the activation back when a dialog closes; one would.
    const auto inFront = [&host](uint32_t templateId) {
        ASSERT_EQ(host.CurrentTemplate(), templateId);
        WaitUntilActive(host, *host.Current());
    };

    const int result = PlayJourney(host, {
        [&] { inFront(IDD_SERVER_LIST); },
        [&] { PressAlt(host, Qt::Key_A); },
        [&] {
            inFront(IDD_SERVER);
            EXPECT_EQ(QApplication::focusWidget(), host.Control(IDC_SERVER_NAME)) << "the name field has the focus";
            typeHere("alpha");
            PressAlt(host, Qt::Key_L);
        },
        [&] {
            EXPECT_EQ(host.Current()->IsDlgButtonChecked(IDC_SERVER_LPR_PRINTING), 1u);
            TabTo(host, IDC_SERVER_LPR_ADD);
            press(Qt::Key_Space);
        },
        [&] {
            inFront(IDD_LPR_QUEUE);
            typeHere("lp");
            TabTo(host, IDC_LPR_PERSONAL_NAME);
            typeHere("\u0141\u00F3d\u017A 2");
            press(Qt::Key_Return);
        },
        [&] {
            inFront(IDD_SERVER);
            TabTo(host, IDOK);
            press(Qt::Key_Return);
        },
        [&] {
            inFront(IDD_SERVER_LIST);
            TabTo(host, IDOK);
            press(Qt::Key_Return);
        },
    }, RunMainWindow, std::chrono::milliseconds(250));

    EXPECT_EQ(result, IDOK);
    EXPECT_EQ(ReadFileBytes(systemDir.iniPath()), kAlphaWithLp);
}

constexpr const char* kTwoServers =
    "[ServerList]\nServer1=alpha,1,0,0,0\nServer2=bravo,0,0,0,1\nNumServers=2\n"
    "\n[LPRQueues]\nbravoQueue1=lp,v,guest,Lab\nbravoQueue2=raw,l,guest,Raw\nbravoNumQueues=2\n"
    "\n[Printing]\nalpha_StreamEnabled=0\nalpha_LPREnabled=0\nbravo_StreamEnabled=0\nbravo_LPREnabled=1\n"
    "\n[Servers]\nKnownServers=alpha\nKnownPrintServers=bravo\n";

// The edited server leaves its place and is written first; the keys of its old name stay.
TEST(ServerJourneys, ModifiedServerIsWrittenFirstAndItsOldKeysStay)
{
    TempSystemDir systemDir;
    WriteFileBytes(systemDir.iniPath(), kTwoServers);
    FakeResolver resolver;
    resolver.AddHostName("delta");
    JourneyHost host;

    const int result = PlayJourney(host, {
        [&] {
            host.ChooseRow(IDC_MAIN_SERVER_LIST, "bravo");
            host.Click(IDC_MAIN_MODIFY);
        },
        [&] {
            ASSERT_EQ(host.CurrentTemplate(), IDD_SERVER);
            QTest::keyClick(host.Control(IDC_SERVER_NAME), Qt::Key_A, Qt::ControlModifier);
            host.Type(IDC_SERVER_NAME, "delta");
            host.Click(IDC_SERVER_STREAM_PRINTING);
            host.Click(IDC_SERVER_STREAM_ADD);
        },
        [&] {
            ASSERT_EQ(host.CurrentTemplate(), IDD_STREAM_QUEUE);
            host.Click(IDOK);   // the proposed port 9100 with telnet negotiation
        },
        [&] {
            ASSERT_EQ(host.CurrentTemplate(), IDD_SERVER);
            host.ChooseRow(IDC_SERVER_LPR_LIST, "lp");
            host.Click(IDC_SERVER_LPR_DELETE);
        },
        [&] { host.Click(IDOK); },
        [&] {
            ASSERT_EQ(host.CurrentTemplate(), IDD_SERVER_LIST);
            host.Click(IDOK);
        },
    }, RunMainWindow);

    EXPECT_EQ(result, IDOK);
    EXPECT_EQ(ReadFileBytes(systemDir.iniPath()),
              "[ServerList]\nServer1=delta,0,0,1,1\nServer2=alpha,1,0,0,0\nNumServers=2\n"
              "\n[LPRQueues]\nbravoQueue1=lp,v,guest,Lab\nbravoQueue2=raw,l,guest,Raw\nbravoNumQueues=2\n"
              "deltaQueue1=raw,l,guest,Raw\ndeltaNumQueues=1\n"
              "\n[Printing]\nalpha_StreamEnabled=0\nalpha_LPREnabled=0\nbravo_StreamEnabled=0\nbravo_LPREnabled=1\n"
              "delta_StreamEnabled=1\ndelta_LPREnabled=1\n"
              "\n[Servers]\nKnownServers=alpha\nKnownPrintServers=delta\n"
              "\n[StreamQueues]\ndeltaStreamDefaultQueue=1\ndeltaQueue1=9100,1\ndeltaNumQueues=1\n");
}

// A name written by hand in another encoding shows its stray byte as U+FFFD, and a change of the
// server's flags writes the name back as the file had it.
TEST(ServerJourneys, ANameThatIsNotUtf8IsShownReplacedAndKeptUnlessEdited)
{
    TempSystemDir systemDir;
    WriteFileBytes(systemDir.iniPath(), "[ServerList]\nServer1=m\xFCller,1,0,0,0\nNumServers=1\n");
    FakeResolver resolver;
    resolver.AddHostName("m\xFCller");
    JourneyHost host;

    const int result = PlayJourney(host, {
        [&] {
            host.ChooseRow(IDC_MAIN_SERVER_LIST, "m\uFFFDller");
            host.Click(IDC_MAIN_MODIFY);
        },
        [&] {
            ASSERT_EQ(host.CurrentTemplate(), IDD_SERVER);
            host.Click(IDC_SERVER_NFS_PRINTERS);
            host.Click(IDOK);
        },
        [&] { host.Click(IDOK); },
    }, RunMainWindow);

    EXPECT_EQ(result, IDOK);
    const std::string written = ReadFileBytes(systemDir.iniPath());
    EXPECT_NE(written.find("Server1=m\xFCller,1,1,0,0\n"), std::string::npos) << written;
    EXPECT_EQ(written.find("\xEF\xBF\xBD"), std::string::npos) << written;
}

// Another program changes the server being edited and adds one while the window is open: OK asks,
// Cancel returns to the window, and Yes at the next OK keeps this window's version and the addition.
TEST(ServerJourneys, AServerAnotherProgramChangedMeanwhileIsAskedAbout)
{
    TempSystemDir systemDir;
    WriteFileBytes(systemDir.iniPath(), kTwoServers);
    FakeResolver resolver;
    resolver.AddHostName("bravo");
    JourneyHost host;
    const std::string question = AfxFormatString2(IDS_SERVER_CHANGED_ELSEWHERE, "bravo", "");

    const int result = PlayJourney(host, {
        [&] {
            host.ChooseRow(IDC_MAIN_SERVER_LIST, "bravo");
            host.Click(IDC_MAIN_MODIFY);
        },
        [&] {
            ASSERT_EQ(host.CurrentTemplate(), IDD_SERVER);
            host.Click(IDC_SERVER_NFS_DRIVES);
            host.Click(IDOK);
        },
        [&] {
            ASSERT_EQ(host.CurrentTemplate(), IDD_SERVER_LIST);
            WriteFileBytes(systemDir.iniPath() + ".new",
                           "[ServerList]\nServer1=alpha,1,0,0,0\nServer2=bravo,0,1,0,0\nServer3=charlie,1,0,0,0\n"
                           "NumServers=3\n");
            std::filesystem::rename(systemDir.iniPath() + ".new", systemDir.iniPath());
            host.Click(IDOK);
        },
        [&] { Answer(question, QMessageBox::Cancel); },
        [&] {
            ASSERT_EQ(host.CurrentTemplate(), IDD_SERVER_LIST) << "Cancel returns to the window";
            host.Click(IDOK);
        },
        [&] { Answer(question, QMessageBox::Yes); },
    }, RunMainWindow);

    EXPECT_EQ(result, IDOK);
    EXPECT_EQ(ReadFileBytes(systemDir.iniPath()),
              "[ServerList]\nServer1=bravo,1,0,0,1\nServer2=alpha,1,0,0,0\nServer3=charlie,1,0,0,0\nNumServers=3\n"
              "\n[LPRQueues]\nbravoQueue1=lp,v,guest,Lab\nbravoQueue2=raw,l,guest,Raw\nbravoNumQueues=2\n"
              "\n[Printing]\nbravo_StreamEnabled=0\nbravo_LPREnabled=1\nalpha_StreamEnabled=0\nalpha_LPREnabled=0\n"
              "charlie_StreamEnabled=0\ncharlie_LPREnabled=0\n"
              "\n[Servers]\nKnownServers=bravo,alpha,charlie\nKnownPrintServers=bravo\n");
}

// A name the resolver does not know is questioned: No keeps the dialog as typed, Yes takes it.
TEST(ServerJourneys, UnresolvableNameIsKeptOnlyWhenTheUserSaysYes)
{
    TempSystemDir systemDir;
    FakeResolver resolver;
    JourneyHost host;
    const std::string question = FindString(IDS_SERVER_NAME_UNRESOLVED);

    const int result = PlayJourney(host, {
        [&] { host.Click(IDC_MAIN_ADD); },
        [&] {
            host.Type(IDC_SERVER_NAME, "nowhere");
            host.Click(IDOK);
        },
        [&] { Answer(question, QMessageBox::No); },
        [&] {
            ASSERT_EQ(host.CurrentTemplate(), IDD_SERVER) << "No keeps the server dialog open";
            EXPECT_EQ(host.Current()->GetDlgItemText(IDC_SERVER_NAME), "nowhere");
            host.Click(IDOK);
        },
        [&] { Answer(question, QMessageBox::Yes); },
        [&] {
            ASSERT_EQ(host.CurrentTemplate(), IDD_SERVER_LIST);
            host.Click(IDOK);
        },
    }, RunMainWindow);

    EXPECT_EQ(result, IDOK);
    EXPECT_EQ(resolver.nameLookups(), (std::vector<std::string>{"nowhere", "nowhere"}));
    EXPECT_EQ(ReadFileBytes(systemDir.iniPath()),
              "[ServerList]\r\nServer1=nowhere,1,1,0,0\r\nNumServers=1\r\n"
              "\r\n[Printing]\r\nnowhere_StreamEnabled=0\r\nnowhere_LPREnabled=0\r\n"
              "\r\n[Servers]\r\nKnownServers=nowhere\r\nKnownPrintServers=nowhere\r\n")
        << "a new file has the platform's line ends";
}

}   // namespace

