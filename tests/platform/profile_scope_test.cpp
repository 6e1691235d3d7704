// SPDX-License-Identifier: GPL-2.0-or-later
#include "platform/file_fault.h"
#include "platform/last_error.h"
#include "platform/profile.h"
#include "platform/profile_scope.h"
#include "tests/support/fault_cases.h"
#include "tests/support/temp_system_dir.h"

#include <cerrno>
#include <dirent.h>
#include <gtest/gtest.h>
#include <string>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

namespace {

std::string Read(const std::string& path, const char* section, const char* key)
{
    char buffer[64];
    GetPrivateProfileStringA(section, key, "", buffer, sizeof buffer, path.c_str());
    return buffer;
}

int CountEntries(const std::string& dir, const std::string& needle)
{
    int count = 0;
    DIR* d = opendir(dir.c_str());
    while (const dirent* entry = readdir(d))
        count += std::string(entry->d_name).find(needle) != std::string::npos;
    closedir(d);
    return count;
}

struct FaultGuard {
    ~FaultGuard() { SetFileFaultForTesting({}); }
};

TEST(ProfileBatch, LandsAllWritesInOneReplacementAndSeesItsOwnWrites)
{
    TempSystemDir dir;
    const std::string path = dir.iniPath();
    WriteFileBytes(path, "[keep]\nx=1\n");
    FaultGuard guard;
    int renames = 0;
    SetFileFaultForTesting([&](FileStep step) { renames += step == FileStep::Rename; return 0; });
    {
        ProfileBatch batch(path.c_str());
        for (int i = 0; i < 100; ++i)
            ASSERT_NE(WritePrivateProfileStringA("s", ("k" + std::to_string(i)).c_str(), std::to_string(i).c_str(), path.c_str()), 0);
        EXPECT_EQ(Read(path, "s", "k42"), "42");
        EXPECT_EQ(ReadFileBytes(path), "[keep]\nx=1\n") << "nothing lands before the commit";
        ASSERT_TRUE(batch.Commit());
    }
    EXPECT_EQ(renames, 1);
    EXPECT_EQ(Read(path, "s", "k99"), "99");
    EXPECT_EQ(Read(path, "keep", "x"), "1");
}

TEST(ProfileBatch, ARefusedWriteOrNoCommitLeavesTheFileAsItWas)
{
    TempSystemDir dir;
    const std::string path = dir.iniPath();
    const std::string before = "[s]\r\nk=old\r\n";
    WriteFileBytes(path, before);
    {
        ProfileBatch batch(path.c_str());
        EXPECT_NE(WritePrivateProfileStringA("s", "k", "new", path.c_str()), 0);
        EXPECT_EQ(WritePrivateProfileStringA("s", "bad=key", "v", path.c_str()), 0);
        EXPECT_NE(WritePrivateProfileStringA("s", "j", "later", path.c_str()), 0);
        EXPECT_FALSE(batch.Commit());
        EXPECT_EQ(GetLastError(), static_cast<uint32_t>(EINVAL));
    }
    EXPECT_EQ(ReadFileBytes(path), before);
    EXPECT_EQ(Read(path, "s", "k"), "old") << "the discarded edits are not seen afterwards";
    {
        ProfileBatch batch(path.c_str());
        EXPECT_NE(WritePrivateProfileStringA("s", "k", "new", path.c_str()), 0);
    }
    EXPECT_EQ(ReadFileBytes(path), before);
    EXPECT_EQ(Read(path, "s", "k"), "old");
}

TEST(ProfileBatch, AppliesItselfToAFileReplacedMeanwhile)
{
    TempSystemDir dir;
    const std::string path = dir.iniPath();
    WriteFileBytes(path, "[s]\na=1\n");
    ProfileBatch batch(path.c_str());
    ASSERT_NE(WritePrivateProfileStringA("s", "b", "2", path.c_str()), 0);
    WriteFileBytes(path + ".other", "[s]\na=1\nc=3\n");
    rename((path + ".other").c_str(), path.c_str()); // another writer's replacement
    ASSERT_TRUE(batch.Commit());
    EXPECT_EQ(ReadFileBytes(path), "[s]\na=1\nc=3\nb=2\n");
}

TEST(ProfileBatch, DecidesUnderTheLockOnTheFileAsItIsNow)
{
    TempSystemDir dir;
    const std::string path = dir.iniPath();
    WriteFileBytes(path, "[s]\na=1\n");
    // A writer that starts while the batch decides must wait for it, not land under it and be lost.
    int go[2];
    ASSERT_EQ(pipe(go), 0);
    const pid_t writer = fork();
    if (writer == 0) {
        char byte = 0;
        _exit(read(go[0], &byte, 1) == 1 && WritePrivateProfileStringA("s", "late", "5", path.c_str()) ? 0 : 1);
    }
    {
        ProfileBatch batch(path.c_str());
        ASSERT_NE(WritePrivateProfileStringA("s", "b", "2", path.c_str()), 0);
        WriteFileBytes(path + ".other", "[s]\na=1\nc=3\n");
        rename((path + ".other").c_str(), path.c_str()); // another writer's replacement
        ASSERT_TRUE(batch.Commit([&] {
            EXPECT_EQ(Read(path, "s", "c"), "3") << "the other writer's key";
            EXPECT_EQ(Read(path, "s", "b"), "2") << "the batch's own";
            EXPECT_EQ(write(go[1], "g", 1), 1);
            usleep(200'000);
            // A function that saves in a batch of its own joins this one.
            ProfileBatch inner(path.c_str());
            EXPECT_NE(WritePrivateProfileStringA("s", "d", Read(path, "s", "c").c_str(), path.c_str()), 0);
            EXPECT_TRUE(inner.Commit());
            EXPECT_EQ(ReadFileBytes(path), "[s]\na=1\nc=3\n") << "nothing lands before the commit";
            return true;
        }));
    }
    int status = 0;
    waitpid(writer, &status, 0);
    EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0);
    EXPECT_EQ(ReadFileBytes(path), "[s]\na=1\nc=3\nb=2\nd=3\nlate=5\n");

    // Deciding not to write writes nothing, neither the decision's writes nor the batch's.
    const std::string before = ReadFileBytes(path);
    ProfileBatch declined(path.c_str());
    ASSERT_NE(WritePrivateProfileStringA("s", "e", "6", path.c_str()), 0);
    EXPECT_FALSE(declined.Commit([&] { return WritePrivateProfileStringA("s", "f", "7", path.c_str()) == 0; }));
    EXPECT_EQ(ReadFileBytes(path), before);
    close(go[0]);
    close(go[1]);
}

TEST(ProfileBatch, ReportsWhatItsCommitChangedOrWouldChange)
{
    TempSystemDir dir;
    const std::string path = dir.iniPath();
    WriteFileBytes(path, "[s]\r\na=1\r\n");
    const auto write = [&](const char* value) {
        return [&path, value] { return WritePrivateProfileStringA("s", "a", value, path.c_str()) != 0; };
    };
    ProfileCommitReport report;
    {
        // A preview does everything but replace the file; the next read sees the file as it is.
        ProfileBatch preview(path.c_str());
        ASSERT_TRUE(preview.Commit(write("2"), {.preview = true, .keepBytes = true}, report));
        EXPECT_TRUE(report.changed);
        EXPECT_EQ(report.before, "[s]\r\na=1\r\n");
        EXPECT_EQ(report.after, "[s]\r\na=2\r\n");
    }
    EXPECT_EQ(ReadFileBytes(path), "[s]\r\na=1\r\n");
    EXPECT_EQ(Read(path, "s", "a"), "1");
    {
        ProfileBatch same(path.c_str());
        ASSERT_TRUE(same.Commit(write("1"), {}, report));
        EXPECT_FALSE(report.changed) << "the same value again changes nothing";
        EXPECT_TRUE(report.before.empty()) << "bytes are kept only when asked for";
    }
    {
        ProfileBatch commit(path.c_str());
        ASSERT_TRUE(commit.Commit(write("3"), {.keepBytes = true}, report));
        EXPECT_TRUE(report.changed);
        EXPECT_EQ(report.after, ReadFileBytes(path));
    }
    EXPECT_EQ(Read(path, "s", "a"), "3");
}

TEST(ProfileReadScope, GivesOneVersionUntilItEndsOrWritesItself)
{
    TempSystemDir dir;
    const std::string path = dir.iniPath();
    WriteFileBytes(path, "[s]\nk=1\n");
    {
        ProfileReadScope scope(path.c_str());
        EXPECT_EQ(Read(path, "s", "k"), "1");
        WriteFileBytes(path + ".other", "[s]\nk=2\n");
        rename((path + ".other").c_str(), path.c_str());
        EXPECT_EQ(Read(path, "s", "k"), "1") << "the snapshot holds";
        ASSERT_NE(WritePrivateProfileStringA("s", "j", "3", path.c_str()), 0);
        EXPECT_EQ(Read(path, "s", "j"), "3") << "its own write is seen";
        EXPECT_EQ(Read(path, "s", "k"), "2") << "and the write went to the current file";
    }
    EXPECT_EQ(Read(path, "s", "k"), "2");
}

class ProfileFaults : public ::testing::TestWithParam<FaultCase> {};

TEST_P(ProfileFaults, AFailedStepLeavesTheFileAndNoTemporaryBehind)
{
    const FaultCase& c = GetParam();
    for (const bool fileExists : {true, false}) {
        // A new file is made with its mode, and has no old version to keep.
        if (!fileExists && (c.step == FileStep::Chmod || c.step == FileStep::Link))
            continue;
        TempSystemDir dir;
        const std::string path = dir.iniPath();
        const std::string before = "[s]\r\nk=v\r\n";
        if (fileExists)
            WriteFileBytes(path, before);
        InjectedFault fault(c);
        EXPECT_EQ(WritePrivateProfileStringA("s", "k", "changed", path.c_str()), 0);
        EXPECT_EQ(GetLastError(), static_cast<uint32_t>(c.error));
        EXPECT_GT(fault.reached(), 0) << "the step was never reached";
        fault.Clear();
        struct stat st {};
        if (fileExists)
            EXPECT_EQ(ReadFileBytes(path), before);
        else
            EXPECT_NE(stat(path.c_str(), &st), 0) << "no file appears";
        EXPECT_EQ(CountEntries(dir.path(), ".tmp"), 0);
        EXPECT_EQ(Read(path, "s", "k"), fileExists ? "v" : "");
    }
}

INSTANTIATE_TEST_SUITE_P(EveryStep, ProfileFaults, ::testing::ValuesIn(EveryStepAndError()),
                         [](const ::testing::TestParamInfo<FaultCase>& info) { return FaultCaseName(info.param); });

TEST(ProfileConcurrency, TwoProcessesWritingDifferentKeysLoseNone)
{
    TempSystemDir dir;
    const std::string path = dir.iniPath();
    constexpr int kRounds = 150;
    pid_t children[2];
    for (int child = 0; child < 2; ++child) {
        children[child] = fork();
        if (children[child] == 0) {
            for (int i = 0; i < kRounds; ++i) {
                const std::string key = "p" + std::to_string(child) + "k" + std::to_string(i);
                if (!WritePrivateProfileStringA("s", key.c_str(), "1", path.c_str()))
                    _exit(1);
            }
            _exit(0);
        }
    }
    for (pid_t pid : children) {
        int status = 0;
        waitpid(pid, &status, 0);
        EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0);
    }
    for (int child = 0; child < 2; ++child)
        for (int i = 0; i < kRounds; ++i)
            EXPECT_EQ(GetPrivateProfileIntA("s", ("p" + std::to_string(child) + "k" + std::to_string(i)).c_str(), 0, path.c_str()), 1u);
}

TEST(ProfileConcurrency, ALeftoverTemporaryIsCleanedAtTheNextWrite)
{
    TempSystemDir dir;
    const std::string path = dir.iniPath();
    WriteFileBytes(dir.file(".kqnet.ini.tmp-dead01"), "partial");
    ASSERT_NE(WritePrivateProfileStringA("s", "k", "v", path.c_str()), 0);
    EXPECT_EQ(CountEntries(dir.path(), ".tmp"), 0);
}

} // namespace
