// SPDX-License-Identifier: GPL-2.0-or-later
#include "config/global_options.h"
#include "platform/file_fault.h"
#include "tests/config/config_fixtures.h"
#include "tests/support/temp_system_dir.h"

#include <gtest/gtest.h>

#include <cerrno>
#include <filesystem>
#include <string>

TEST(GlobalOptions, DefaultsWithoutAFile)
{
    TempSystemDir dir;
    int32_t warnings = -1, restore = -1, mask = -1;
    EXPECT_EQ(ReadNetworkWarnings(warnings), ProfileOk);
    EXPECT_EQ(ReadRestoreConnections(restore), ProfileOk);
    EXPECT_EQ(ReadFileProtection(mask), ProfileOk);
    EXPECT_EQ(warnings, 1);
    EXPECT_EQ(restore, 1);
    EXPECT_EQ(mask, 33256);
    char name[32] = "unchanged";
    EXPECT_EQ(ReadDefaultUserName(name, sizeof name), ProfileFailed);
    EXPECT_STREQ(name, "unchanged");
    EXPECT_FALSE(std::filesystem::exists(dir.iniPath()));
}

TEST(GlobalOptions, FlagsReadAnyNumberAndWriteOneOrZero)
{
    TempSystemDir dir;
    WriteFileBytes(dir.iniPath(), "[GlobalOptions]\r\nWarnings=5\r\nRestore=-3\r\n");
    int32_t warnings = 0, restore = 0;
    ASSERT_EQ(ReadNetworkWarnings(warnings), ProfileOk);
    ASSERT_EQ(ReadRestoreConnections(restore), ProfileOk);
    EXPECT_EQ(warnings, 5);
    EXPECT_EQ(restore, -3);
    ASSERT_EQ(WriteNetworkWarnings(warnings), ProfileOk);
    ASSERT_EQ(WriteRestoreConnections(0), ProfileOk);
    EXPECT_EQ(ReadFileBytes(dir.iniPath()), "[GlobalOptions]\r\nWarnings=1\r\nRestore=0\r\n");
}

TEST(GlobalOptions, FileProtectionIsStoredInDecimal)
{
    TempSystemDir dir;
    ASSERT_EQ(WriteFileProtection(33256), ProfileOk);
    int32_t mask = 0;
    ASSERT_EQ(ReadFileProtection(mask), ProfileOk);
    EXPECT_EQ(mask & kFileProtUseParent, kFileProtUseParent);
    EXPECT_EQ(mask & kFileProtPermissionBits, 0750);
    EXPECT_NE(ReadFileBytes(dir.iniPath()).find("FileProtStyle=33256\r\n"), std::string::npos);

    ASSERT_EQ(WriteFileProtection(0777), ProfileOk);
    EXPECT_NE(ReadFileBytes(dir.iniPath()).find("FileProtStyle=511\r\n"), std::string::npos);
    ASSERT_EQ(ReadFileProtection(mask), ProfileOk);
    EXPECT_EQ(mask, 511);
}

TEST(GlobalOptions, UserNameFitsOnlyWithItsTerminator)
{
    struct Case {
        std::string stored;
        uint32_t size;
        ProfileResult result;
    };
    const Case cases[] = {
        {std::string(31, 'u'), 32, ProfileOk},
        {std::string(32, 'u'), 32, ProfileTooSmall},
        {std::string(100, 'u'), 32, ProfileTooSmall},
        {"guest", 5, ProfileTooSmall},
        {"guest", 6, ProfileOk},
        {"guest", 0, ProfileTooSmall},
        {"guest", 33, ProfileBadArgument},
        {"", 32, ProfileFailed},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.stored + " in " + std::to_string(c.size));
        TempSystemDir dir;
        ASSERT_EQ(WriteDefaultUserName(c.stored.c_str()), ProfileOk);
        char buffer[40] = "untouched";
        EXPECT_EQ(ReadDefaultUserName(buffer, c.size), c.result);
        EXPECT_EQ(std::string(buffer), c.result == ProfileOk ? c.stored : "untouched");
    }
}

TEST(GlobalOptions, EmptyUserNameIsWrittenAsAnEmptyValue)
{
    TempSystemDir dir;
    ASSERT_EQ(WriteDefaultUserName("someone"), ProfileOk);
    ASSERT_EQ(WriteDefaultUserName(""), ProfileOk);
    EXPECT_EQ(ReadFileBytes(dir.iniPath()), "[Auth]\r\nUserName=\r\n");
    EXPECT_EQ(WriteDefaultUserName(nullptr), ProfileFailed);
    EXPECT_EQ(ReadDefaultUserName(nullptr, 32), ProfileBadArgument);
}

TEST(GlobalOptions, WithoutASystemDirectoryEverythingFailsAndNothingChanges)
{
    TempSystemDir dir;
    NoSystemDirectory none;
    int32_t value = 42;
    EXPECT_EQ(ReadNetworkWarnings(value), ProfileFailed);
    EXPECT_EQ(ReadRestoreConnections(value), ProfileFailed);
    EXPECT_EQ(ReadFileProtection(value), ProfileFailed);
    EXPECT_EQ(value, 42);
    char name[32] = "kept";
    EXPECT_EQ(ReadDefaultUserName(name, sizeof name), ProfileFailed);
    EXPECT_STREQ(name, "kept");
    EXPECT_EQ(WriteNetworkWarnings(1), ProfileFailed);
    EXPECT_EQ(WriteRestoreConnections(1), ProfileFailed);
    EXPECT_EQ(WriteFileProtection(1), ProfileFailed);
    EXPECT_EQ(WriteDefaultUserName("x"), ProfileFailed);
    EXPECT_FALSE(std::filesystem::exists(dir.iniPath()));
}

TEST(GlobalOptions, RefusedWriteFailsAndKeepsThePreviousValue)
{
    TempSystemDir dir;
    ASSERT_EQ(WriteDefaultUserName("old"), ProfileOk);
    ASSERT_EQ(WriteNetworkWarnings(0), ProfileOk);
    SetFileFaultForTesting([](FileStep step) { return step == FileStep::Rename ? EACCES : 0; });
    const ProfileResult nameResult = WriteDefaultUserName("new");
    const ProfileResult warningsResult = WriteNetworkWarnings(1);
    const ProfileResult maskResult = WriteFileProtection(1);
    SetFileFaultForTesting({});
    EXPECT_EQ(nameResult, ProfileFailed);
    EXPECT_EQ(warningsResult, ProfileFailed);
    EXPECT_EQ(maskResult, ProfileFailed);
    char name[32] = {};
    ASSERT_EQ(ReadDefaultUserName(name, sizeof name), ProfileOk);
    EXPECT_STREQ(name, "old");
    int32_t warnings = -1;
    ASSERT_EQ(ReadNetworkWarnings(warnings), ProfileOk);
    EXPECT_EQ(warnings, 0);
}
