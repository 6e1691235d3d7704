// Every step of a replacement failing, for whole saves of the server list and for the global
// options: the save reports the failure, the file keeps every byte, and no temporary stays behind.
#include "config/global_options.h"
#include "config/server_file.h"
#include "platform/file_fault.h"
#include "platform/last_error.h"
#include "tests/reliability/sample_configs.h"
#include "tests/support/temp_system_dir.h"

#include <gtest/gtest.h>

#include <cerrno>
#include <cstring>
#include <functional>
#include <sys/stat.h>

namespace {

struct FaultCase {
    FileStep step;
    int error;
};

std::string StepName(FileStep step)
{
    switch (step) {
    case FileStep::OpenLock: return "OpenLock";
    case FileStep::Lock: return "Lock";
    case FileStep::CreateTemp: return "CreateTemp";
    case FileStep::Write: return "Write";
    case FileStep::Sync: return "Sync";
    case FileStep::Chmod: return "Chmod";
    case FileStep::Link: return "Link";
    case FileStep::Rename: return "Rename";
    case FileStep::SyncDirectory: return "SyncDirectory";
    }
    return "Unknown";
}

class SaveFaults : public ::testing::TestWithParam<FaultCase> {
protected:
    ~SaveFaults() override { SetFileFaultForTesting({}); }

    // Injects the case's errno at its step and counts how often the step was reached, so a test
    // cannot pass by never getting there.
    void Inject()
    {
        const FaultCase c = GetParam();
        SetFileFaultForTesting([this, c](FileStep step) {
            if (step != c.step)
                return 0;
            ++m_reached;
            return c.error;
        });
    }

    void ExpectRefusedAndUntouched(const std::string& before)
    {
        EXPECT_GT(m_reached, 0) << "the step was never reached";
        EXPECT_EQ(GetLastError(), static_cast<uint32_t>(GetParam().error));
        EXPECT_EQ(ReadFileBytes(m_dir.iniPath()), before);
        EXPECT_EQ(CountTemporaries(m_dir.path()), 0);
    }

    TempSystemDir m_dir;
    int m_reached = 0;
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
    SetFileFaultForTesting({});
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
    EXPECT_GT(m_reached, 0);
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
    SetFileFaultForTesting({});

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

std::vector<FaultCase> EveryStepAndError()
{
    std::vector<FaultCase> cases;
    for (FileStep step : {FileStep::OpenLock, FileStep::Lock, FileStep::CreateTemp, FileStep::Write, FileStep::Sync,
                          FileStep::Chmod, FileStep::Link, FileStep::Rename, FileStep::SyncDirectory})
        for (int error : {ENOSPC, EACCES, EIO})
            cases.push_back({step, error});
    return cases;
}

INSTANTIATE_TEST_SUITE_P(EveryStep, SaveFaults, ::testing::ValuesIn(EveryStepAndError()),
                         [](const ::testing::TestParamInfo<FaultCase>& info) {
                             const int error = info.param.error;
                             return StepName(info.param.step) + (error == ENOSPC ? "_ENOSPC" : error == EACCES ? "_EACCES" : "_EIO");
                         });

} // namespace
