// SPDX-License-Identifier: GPL-2.0-or-later
// A writer killed at any moment leaves kqnet.ini whole: one of the two configurations it was saving,
// every key intact, and no temporary file once the next write has run.
#include "config/server_file.h"
#include "tests/reliability/sample_configs.h"
#include "tests/support/temp_system_dir.h"

#include <gtest/gtest.h>

#include <cerrno>
#include <chrono>
#include <csignal>
#include <random>
#include <sys/wait.h>
#include <unistd.h>

namespace {

using Clock = std::chrono::steady_clock;

constexpr int kServers = 1000;

// Saves the two lists alternately until killed, writing one byte to `progress` after each save.
[[noreturn]] void SaveForever(int progress, const ServerEntry* first, const ServerEntry* second)
{
    if (write(progress, "r", 1) != 1)
        _exit(2);
    for (;;) {
        for (const ServerEntry* list : {first, second}) {
            if (SaveServerList(list) != ProfileOk || write(progress, ".", 1) != 1)
                _exit(1);
        }
    }
}

// Reads until the writer's end closes; the number of bytes read.
int Drain(int fd)
{
    int total = 0;
    char buffer[256];
    for (ssize_t n; (n = read(fd, buffer, sizeof buffer)) != 0;) {
        if (n > 0)
            total += static_cast<int>(n);
        else if (errno != EINTR)
            break;
    }
    return total;
}

std::chrono::microseconds MeasureSave(const ServerEntry* a, const ServerEntry* b)
{
    const Clock::time_point start = Clock::now();
    for (int i = 0; i < 3; ++i) {
        EXPECT_EQ(SaveServerList(b), ProfileOk);
        EXPECT_EQ(SaveServerList(a), ProfileOk);
    }
    return std::chrono::duration_cast<std::chrono::microseconds>(Clock::now() - start) / 6;
}

TEST(CrashSafety, EveryKillLeavesOneWholeConfigurationAndTheNextWriteCleansUp)
{
    TempSystemDir dir;
    const std::string path = dir.iniPath();
    OwnedList a{BuildSampleConfig(0, kServers)};
    OwnedList b{BuildSampleConfig(1, kServers)};
    ASSERT_EQ(SaveServerList(a.head), ProfileOk);
    ASSERT_EQ(SaveServerList(b.head), ProfileOk);
    const std::string imageB = ReadFileBytes(path);
    ASSERT_EQ(SaveServerList(a.head), ProfileOk);
    const std::string imageA = ReadFileBytes(path);
    ASSERT_NE(imageA, imageB);
    const auto saveTime = MeasureSave(a.head, b.head);
    ASSERT_EQ(ReadFileBytes(path), imageA) << "both lists write the same keys, so the file has two images";

    const int kills = EnvCount("NORVANE_CRASH_KILLS", 20);
    const unsigned seed = static_cast<unsigned>(EnvCount("NORVANE_RELIABILITY_SEED", static_cast<int>(std::random_device{}() & 0x7fffffff)));
    std::mt19937 random(seed);
    // From the moment the writer starts to well past two saves: kills land before, inside and
    // between saves, and inside the replacement of the file.
    std::uniform_int_distribution<int64_t> delay(0, saveTime.count() * 5 / 2);
    int midWrite = 0;
    int savesCompleted = 0;
    int loads = 0;
    for (int kill = 0; kill < kills; ++kill) {
        int progress[2];
        ASSERT_EQ(pipe(progress), 0);
        const pid_t writer = fork();
        ASSERT_GE(writer, 0);
        if (writer == 0) {
            close(progress[0]);
            SaveForever(progress[1], b.head, a.head);
        }
        close(progress[1]);
        char ready = 0;
        ASSERT_EQ(read(progress[0], &ready, 1), 1) << "the writer did not start (seed " << seed << ")";
        usleep(static_cast<useconds_t>(delay(random)));
        ::kill(writer, SIGKILL);
        int status = 0;
        ASSERT_EQ(waitpid(writer, &status, 0), writer);
        savesCompleted += Drain(progress[0]);
        close(progress[0]);
        ASSERT_TRUE(WIFSIGNALED(status)) << "the writer failed on its own, status " << status;

        const std::string bytes = ReadFileBytes(path);
        ASSERT_TRUE(bytes == imageA || bytes == imageB)
            << "kill " << kill << " (seed " << seed << ") left " << bytes.size() << " bytes that are neither configuration";
        OwnedList loaded{LoadNow()};
        ++loads;
        const std::string difference = DescribeDifference(bytes == imageA ? a.head : b.head, loaded.head);
        ASSERT_EQ(difference, "") << "kill " << kill << " (seed " << seed << ")";
        midWrite += CountTemporaries(dir.path()) > 0;
    }
    // A save that changes nothing does not replace the file, so save the other configuration.
    const bool holdsA = ReadFileBytes(path) == imageA;
    ASSERT_EQ(SaveServerList(holdsA ? b.head : a.head), ProfileOk);
    EXPECT_EQ(CountTemporaries(dir.path()), 0) << "the next replacement removes what killed writers left";
    EXPECT_EQ(ReadFileBytes(path), holdsA ? imageB : imageA);
    ReportFigure("crash.kills", kills);
    ReportFigure("crash.kills_during_replacement", midWrite);
    ReportFigure("crash.saves_completed_by_killed_writers", savesCompleted);
    ReportFigure("crash.loads_verified", loads);
}

} // namespace
