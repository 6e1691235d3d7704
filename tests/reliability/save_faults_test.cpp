// SPDX-License-Identifier: GPL-2.0-or-later
// Every step of a replacement failing, for whole saves of the server list and for the global
// options: the save reports the failure, the file keeps every byte, and no temporary stays behind.
#include "config/global_options.h"
#include "config/server_file.h"
#include "platform/file_fault.h"
#include "platform/last_error.h"
#include "tests/reliability/sample_configs.h"
#include "tests/support/fault_cases.h"
#include "tests/support/temp_system_dir.h"

#include <gtest/gtest.h>

#include <cerrno>
#include <cstring>
#include <functional>
#include <optional>
#include <sys/stat.h>

namespace {

class SaveFaults : public ::testing::TestWithParam<FaultCase> {
protected:
    void Inject() { m_fault.emplace(GetParam()); }

    void ExpectRefusedAndUntouched(const std::string& before)
    {
        EXPECT_GT(m_fault->reached(), 0) << "the step was never reached";
        EXPECT_EQ(GetLastError(), static_cast<uint32_t>(GetParam().error));
        EXPECT_EQ(ReadFileBytes(m_dir.iniPath()), before);
        EXPECT_EQ(CountTemporaries(m_dir.path()), 0);
    }

    TempSystemDir m_dir;
    std::optional<InjectedFault> m_fault;
};

TEST_P(SaveFaults, ASaveOfTheServerListFailsWholeAndTheNextOneLands)
{
    OwnedList before{BuildSampleConfig(0, 60)};
    OwnedList after{BuildSampleConfig(1, 60)};
    ASSERT_EQ(SaveServerList(before.head), ProfileOk);
    // Bytes of another editor that a failed save must keep too.
    const std::string bytes = "; written by hand\r\n" + ReadFileBytes(m_dir.iniPath()) + "[Other]\r\nx = 1\r\n";
    WriteFileBytes(m_dir.iniPath(), bytes);

    Inject();
    EXPECT_EQ(SaveServerList(after.head), ProfileFailed);
    ExpectRefusedAndUntouched(bytes);
    m_fault.reset();
    OwnedList loaded{LoadNow()};
    EXPECT_EQ(DescribeDifference(before.head, loaded.head), "") << "nothing of the failed save is seen";

    ASSERT_EQ(SaveServerList(after.head), ProfileOk) << "nothing left behind blocks the next save";
    OwnedList reloaded{LoadNow()};
    EXPECT_EQ(DescribeDifference(after.head, reloaded.head), "");
}

TEST_P(SaveFaults, AFirstSaveFailsWithoutLeavingAFile)
{
    if (GetParam().step == FileStep::Chmod || GetParam().step == FileStep::Link)
        GTEST_SKIP() << "a new file is made with its mode, and there is no old version to keep";
    OwnedList list{BuildSampleConfig(0, 5)};
    Inject();
    EXPECT_EQ(SaveServerList(list.head), ProfileFailed);
    EXPECT_GT(m_fault->reached(), 0);
    struct stat st {};
    EXPECT_NE(stat(m_dir.iniPath().c_str(), &st), 0);
    EXPECT_EQ(CountTemporaries(m_dir.path()), 0);
}

TEST_P(SaveFaults, EveryGlobalOptionWriteFailsAndKeepsTheStoredValue)
{
    const std::string bytes = "[GlobalOptions]\nWarnings=1\nRestore=0\n[Auth]\nUserName=ann\n[Semantics]\nFileProtStyle=420\n";
    WriteFileBytes(m_dir.iniPath(), bytes);
    const std::vector<std::function<ProfileResult()>> writes = {
        [] { return WriteNetworkWarnings(0); },
        [] { return WriteRestoreConnections(1); },
        [] { return WriteDefaultUserName("bob"); },
        [] { return WriteFileProtection(33256); },
    };
    Inject();
    for (const auto& write : writes)
        EXPECT_EQ(write(), ProfileFailed);
    ExpectRefusedAndUntouched(bytes);
    m_fault.reset();

    int32_t warnings = 0, restore = 0, mask = 0;
    char name[kUserNameMaxSize] = {};
    EXPECT_EQ(ReadNetworkWarnings(warnings), ProfileOk);
    EXPECT_EQ(ReadRestoreConnections(restore), ProfileOk);
    EXPECT_EQ(ReadFileProtection(mask), ProfileOk);
    EXPECT_EQ(ReadDefaultUserName(name, sizeof name), ProfileOk);
    EXPECT_EQ(warnings, 1);
    EXPECT_EQ(restore, 0);
    EXPECT_EQ(mask, 420);
    EXPECT_STREQ(name, "ann");
}

// Where link() is refused as on file systems without hard links, the old version is kept by a copy:
// saves land, and a failure after the rename still puts the old bytes back.
TEST(SaveWithoutHardLinks, SavesLandAndAFailureAfterTheRenameRestoresTheOldFile)
{
    TempSystemDir dir;
    OwnedList first{BuildSampleConfig(0, 30)};
    OwnedList second{BuildSampleConfig(1, 30)};
    ASSERT_EQ(SaveServerList(first.head), ProfileOk);
    const std::string before = ReadFileBytes(dir.iniPath());
    int links = 0;
    FileStep failing = FileStep::Link;
    SetFileFaultForTesting([&](FileStep step) {
        links += step == FileStep::Link;
        return step == FileStep::Link ? EPERM : step == failing ? EIO : 0;
    });
    failing = FileStep::SyncDirectory;
    EXPECT_EQ(SaveServerList(second.head), ProfileFailed);
    EXPECT_EQ(ReadFileBytes(dir.iniPath()), before);
    EXPECT_EQ(CountTemporaries(dir.path()), 0);

    failing = FileStep::Link;
    EXPECT_EQ(SaveServerList(second.head), ProfileOk);
    EXPECT_EQ(SaveServerList(first.head), ProfileOk);
    SetFileFaultForTesting({});
    EXPECT_EQ(links, 3);
    OwnedList loaded{LoadNow()};
    EXPECT_EQ(DescribeDifference(first.head, loaded.head), "");
    EXPECT_EQ(CountTemporaries(dir.path()), 0);
}

INSTANTIATE_TEST_SUITE_P(EveryStep, SaveFaults, ::testing::ValuesIn(EveryStepAndError()),
                         [](const ::testing::TestParamInfo<FaultCase>& info) { return FaultCaseName(info.param); });

} // namespace
