// SPDX-License-Identifier: GPL-2.0-or-later
// Start-up: the installed-component check in the registry, its message, and the end of the program.
#include <gtest/gtest.h>

#include <optional>
#include <string>

#include "app/config_app.h"
#include "res/resource_ids.h"
#include "tests/ui/main_window/main_window_fixture.h"

namespace {

constexpr const char* kNotInstalled =
    "Kestrane NFS Client and Printing support in not installed.\r\n"
    "Norvane changes will take effect after it is re-installed.";

std::string RegistryFile(const std::string& keyPath, const std::string& valueLine)
{
    return "REGEDIT4\r\n\r\n[HKEY_LOCAL_MACHINE\\" + keyPath + "]\r\n" + valueLine + "\r\n";
}

std::string ComponentRegistry(const std::string& valueLine)
{
    return RegistryFile("System\\CurrentControlSet\\Services\\VxD\\KQNET95", valueLine);
}

// "StaticVxD" as bytes: the driver's name, its terminator, then zeros up to `size` bytes.
std::string DriverBytes(size_t size)
{
    std::string line = "\"StaticVxD\"=hex:76,6b,71,6e,66,73,2e,76,78,64,00";
    for (size_t i = 11; i < size; ++i)
        line += ",00";
    return line;
}

struct RegistryCase {
    const char* name;
    std::optional<std::string> registry;   // nullopt: no registry file at all
    bool installed;
};

class StartUpTest : public MainWindowTest, public ::testing::WithParamInterface<RegistryCase> {};

TEST_P(StartUpTest, WarnsWithOkOnlyBeforeTheMainWindowWhenNotInstalled)
{
    const RegistryCase& c = GetParam();
    if (c.registry)
        WriteFileBytes(m_systemDir.file("registry.reg"), *c.registry);
    if (!c.installed)
        m_host.AnswerNext(IDOK);
    size_t boxesBeforeWindow = 99;
    m_host.Script({Inspect([&](CDialog&) { boxesBeforeWindow = m_host.messageBoxes().size(); }), Escape()});

    ConfigApp app;
    EXPECT_EQ(AfxGetApp(), &app);
    EXPECT_EQ(AfxWinMain(), 0);

    EXPECT_EQ(m_host.dialogsRun(), std::vector<uint32_t>{IDD_SERVER_LIST}) << "the main window opens either way";
    EXPECT_EQ(boxesBeforeWindow, c.installed ? 0u : 1u);
    if (!c.installed) {
        ASSERT_EQ(m_host.messageBoxes().size(), 1u);
        EXPECT_EQ(m_host.messageBoxes()[0].text, kNotInstalled);
        EXPECT_EQ(m_host.messageBoxes()[0].caption, "Norvane");
        EXPECT_EQ(m_host.messageBoxes()[0].type, MB_OK);
    }
}

INSTANTIATE_TEST_SUITE_P(
    Registry, StartUpTest,
    ::testing::Values(
        RegistryCase{"UpperCase", ComponentRegistry(R"("StaticVxD"="VKQNFS.VXD")"), true},
        RegistryCase{"MixedCase", ComponentRegistry(R"("staticvxd"="vkqNFS.Vxd")"), true},
        RegistryCase{"BytesWithTerminator", ComponentRegistry(R"("StaticVxD"=hex:76,6b,71,6e,66,73,2e,76,78,64,00)"), true},
        RegistryCase{"BytesWithoutTerminator", ComponentRegistry(R"("StaticVxD"=hex:76,6b,71,6e,66,73,2e,76,78,64)"), false},
        RegistryCase{"TrailingBlank", ComponentRegistry(R"("StaticVxD"="VKQNFS.VXD ")"), false},
        RegistryCase{"PathBeforeTheName", ComponentRegistry(R"("StaticVxD"="C:\\WINDOWS\\SYSTEM\\VKQNFS.VXD")"), false},
        RegistryCase{"OtherDriver", ComponentRegistry(R"("StaticVxD"="VNETSUP.VXD")"), false},
        RegistryCase{"NoRegistryFile", std::nullopt, false},
        RegistryCase{"MissingKey", RegistryFile("System\\CurrentControlSet\\Services\\VxD\\OTHER", R"("StaticVxD"="VKQNFS.VXD")"), false},
        RegistryCase{"MissingValue", ComponentRegistry(R"("DynamicVxD"="VKQNFS.VXD")"), false},
        // The value is read into 64 bytes: the driver's name padded to exactly that fits, one byte more does not.
        RegistryCase{"PaddedToSixtyFourBytes", ComponentRegistry(DriverBytes(64)), true},
        RegistryCase{"PaddedToSixtyFiveBytes", ComponentRegistry(DriverBytes(65)), false},
        RegistryCase{"SixtyFourCharacters", ComponentRegistry("\"StaticVxD\"=\"VKQNFS.VXD" + std::string(54, ' ') + "\""), false}),
    [](const ::testing::TestParamInfo<RegistryCase>& info) { return std::string(info.param.name); });

TEST_F(MainWindowTest, ClosingWithOkSavesAndEndsTheProgramWithStatusZero)
{
    WriteFileBytes(m_systemDir.file("registry.reg"), ComponentRegistry(R"("StaticVxD"="VKQNFS.VXD")"));
    WriteServers({"alpha,1,1,0,0"});
    m_host.Script({Click(IDOK)});
    ConfigApp app;
    EXPECT_EQ(AfxWinMain(), 0);
    EXPECT_TRUE(m_host.messageBoxes().empty());
    EXPECT_EQ(app.m_pMainWnd, nullptr) << "no dangling main window after it is gone";
    EXPECT_NE(ReadFileBytes(m_systemDir.iniPath()).find("KnownServers=alpha"), std::string::npos);
}

TEST(WinApp, TakesItsTitleFromTheStringTableAndEndsWithoutAnApplication)
{
    EXPECT_EQ(AfxWinMain(), -1);
    ConfigApp app;
    EXPECT_EQ(app.appName(), "Norvane");
}

}   // namespace
