// The road of a typical change on real widgets: Add in the main window, a name, LPR printing, an LPR
// queue, OK, and the main window's OK writing the file.
#include <chrono>
#include <gtest/gtest.h>
#include <string>

#include "config/global_options.h"
#include "platform/profile.h"
#include "res/resource_ids.h"
#include "tests/support/fake_resolver.h"
#include "tests/support/qt/journey_support.h"
#include "tests/support/temp_system_dir.h"

namespace {

std::string Value(const TempSystemDir& dir, const char* section, const char* key)
{
    char value[260] = {};
    GetPrivateProfileStringA(section, key, "<absent>", value, sizeof value, dir.iniPath().c_str());
    return value;
}

TEST(TypicalChange, AddingAServerWithAnLprQueueWritesItsKeys)
{
    TempSystemDir systemDir;
    ASSERT_EQ(WriteDefaultUserName("guest"), ProfileOk);
    FakeResolver resolver;
    resolver.AddHostName("alpha");
    JourneyHost host;

    const int result = PlayJourney(host, {
        [&] { host.Click(IDC_MAIN_ADD); },
        [&] {
            ASSERT_EQ(host.Current()->templateId(), IDD_SERVER);
            host.Type(IDC_SERVER_NAME, "alpha");
            host.Click(IDC_SERVER_LPR_PRINTING);
            EXPECT_TRUE(host.Control(IDC_SERVER_LPR_ADD)->isEnabled()) << "LPR Printing enables its group";
            host.Click(IDC_SERVER_LPR_ADD);
        },
        [&] {
            ASSERT_EQ(host.Current()->templateId(), IDD_LPR_QUEUE);
            EXPECT_EQ(host.Current()->GetDlgItemText(IDC_LPR_USER_NAME), "guest");
            host.Type(IDC_LPR_QUEUE_NAME, "lp");
            host.Type(IDC_LPR_PERSONAL_NAME, "Lab 2");
            host.Click(IDOK);
        },
        [&] {
            ASSERT_EQ(host.Current()->templateId(), IDD_SERVER);
            const HWND rows = host.Current()->GetDlgItem(IDC_SERVER_LPR_LIST);
            ASSERT_EQ(rows->rows().size(), 1u);
            EXPECT_EQ(rows->rows()[0].text, "lp");
            host.Click(IDOK);
        },
        [&] {
            ASSERT_EQ(host.Current()->templateId(), IDD_SERVER_LIST);
            host.Click(IDOK);
        },
    }, RunMainWindow, std::chrono::milliseconds(20));
    EXPECT_EQ(result, IDOK);

    EXPECT_EQ(Value(systemDir, "ServerList", "Server1"), "alpha,1,1,0,1");
    EXPECT_EQ(Value(systemDir, "ServerList", "NumServers"), "1");
    EXPECT_EQ(Value(systemDir, "LPRQueues", "alphaQueue1"), "lp,v,guest,Lab 2");
    EXPECT_EQ(Value(systemDir, "LPRQueues", "alphaNumQueues"), "1");
    EXPECT_EQ(Value(systemDir, "StreamQueues", "alphaNumQueues"), "<absent>") << "stream printing is off";
    EXPECT_EQ(Value(systemDir, "Printing", "alpha_StreamEnabled"), "0");
    EXPECT_EQ(Value(systemDir, "Printing", "alpha_LPREnabled"), "1");
    EXPECT_EQ(Value(systemDir, "Servers", "KnownServers"), "alpha");
    EXPECT_EQ(Value(systemDir, "Servers", "KnownPrintServers"), "alpha");
}

} // namespace
