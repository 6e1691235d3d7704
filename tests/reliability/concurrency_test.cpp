// SPDX-License-Identifier: GPL-2.0-or-later
// Two processes saving at the same time: each one's server keys and global options survive the
// other's replacements, every version a reader sees holds whole batches, a lock whose holder died
// does not stop the next writer, and one that is never let go stops it only for a while.
#include "config/global_options.h"
#include "config/server_file.h"
#include "platform/last_error.h"
#include "platform/profile.h"
#include "platform/profile_file.h"
#include "platform/profile_scope.h"
#include "platform/wait_presenter.h"
#include "tests/reliability/child_process.h"
#include "tests/reliability/sample_configs.h"
#include "tests/support/temp_system_dir.h"

#include <gtest/gtest.h>

#include <array>
#include <csignal>
#include <cstdio>
#include <fcntl.h>
#include <string>
#include <thread>
#include <unistd.h>

namespace {

using Clock = std::chrono::steady_clock;

constexpr int kWriters = 2;
constexpr int kQueuesPerServer = 3;

std::string ServerName(int writer, int round)
{
    return "w" + std::to_string(writer) + "r" + std::to_string(round);
}

// The keys one round of a writer saves in one batch, as section, key and value.
std::vector<std::array<std::string, 3>> RoundKeys(int writer, int round)
{
    const std::string name = ServerName(writer, round);
    std::vector<std::array<std::string, 3>> keys;
    for (int k = 1; k <= kQueuesPerServer; ++k)
        keys.push_back({"StreamQueues", name + "Queue" + std::to_string(k), std::to_string(9100 + round) + "," + std::to_string(k % 2)});
    keys.push_back({"StreamQueues", name + "NumQueues", std::to_string(kQueuesPerServer)});
    keys.push_back({"StreamQueues", name + "StreamDefaultQueue", "1"});
    keys.push_back({"Printing", name + "_StreamEnabled", "1"});
    return keys;
}

std::string Read(const std::string& path, const std::string& section, const std::string& key)
{
    char value[64];
    GetPrivateProfileStringA(section.c_str(), key.c_str(), "", value, sizeof value, path.c_str());
    return value;
}

// How many of the round's keys the current version holds with their values.
int KeysPresent(const std::string& path, int writer, int round)
{
    int present = 0;
    for (const auto& [section, key, value] : RoundKeys(writer, round))
        present += Read(path, section, key) == value;
    return present;
}

int RunWriter(const std::string& path, int writer, int rounds)
{
    for (int round = 0; round < rounds; ++round) {
        {
            ProfileBatch batch(path.c_str());
            for (const auto& [section, key, value] : RoundKeys(writer, round)) {
                if (!WritePrivateProfileStringA(section.c_str(), key.c_str(), value.c_str(), path.c_str()))
                    return 10;
            }
            if (!batch.Commit())
                return 11;
        }
        const bool saved = writer == 0
            ? WriteDefaultUserName(("user" + std::to_string(round)).c_str()) == ProfileOk && WriteNetworkWarnings(round % 2) == ProfileOk
            : WriteFileProtection(round) == ProfileOk && WriteRestoreConnections(round % 2) == ProfileOk;
        if (!saved)
            return 12;
        if (KeysPresent(path, writer, round) != static_cast<int>(RoundKeys(writer, round).size()))
            return 13;
    }
    return 0;
}

// Reads version after version until `stop` has data: a round's keys come all at once and, once
// there, stay. Writes the number of versions checked to `report`.
int RunReader(const std::string& path, int stop, int report, int rounds)
{
    std::array<int, kWriters> complete{};  // rounds 0 .. complete-1 were seen whole
    int versions = 0;
    const int keysPerRound = static_cast<int>(RoundKeys(0, 0).size());
    for (;;) {
        char byte;
        const bool last = read(stop, &byte, 1) > 0;
        {
            ProfileReadScope version(path.c_str());
            ++versions;
            for (int writer = 0; writer < kWriters; ++writer) {
                for (int round = 0; round < complete[writer]; ++round) {
                    if (KeysPresent(path, writer, round) != keysPerRound) {
                        std::fprintf(stderr, "round %d of writer %d lost keys\n", round, writer);
                        return 20;
                    }
                }
                for (int round = complete[writer]; round < rounds; ++round) {
                    const int present = KeysPresent(path, writer, round);
                    if (present != 0 && present != keysPerRound) {
                        std::fprintf(stderr, "round %d of writer %d is half there\n", round, writer);
                        return 21;
                    }
                    if (present == 0)
                        break;
                    complete[writer] = round + 1;
                }
            }
        }
        if (last)
            break;
    }
    return write(report, &versions, sizeof versions) == sizeof versions ? 0 : 22;
}

TEST(Concurrency, TwoWritersLoseNoKeyAndReadersOnlySeeWholeBatches)
{
    TempSystemDir dir;
    const std::string path = dir.iniPath();
    const int rounds = EnvCount("NORVANE_CONCURRENCY_ROUNDS", 40);
    int stop[2];
    int report[2];
    ASSERT_EQ(pipe2(stop, O_NONBLOCK), 0);
    ASSERT_EQ(pipe(report), 0);
    const pid_t reader = StartChild([&] { return RunReader(path, stop[0], report[1], rounds); });
    std::array<pid_t, kWriters> writers{};
    for (int writer = 0; writer < kWriters; ++writer)
        writers[writer] = StartChild([&] { return RunWriter(path, writer, rounds); });

    // Far more than the rounds need: only a writer that never gets the lock runs into it.
    const Clock::time_point deadline = Clock::now() + std::chrono::seconds(60) + rounds * std::chrono::milliseconds(200);
    for (int writer = 0; writer < kWriters; ++writer)
        EXPECT_EQ(WaitChild(writers[writer], deadline), 0) << "writer " << writer << " (-2: stuck past the deadline)";
    ASSERT_EQ(write(stop[1], "x", 1), 1);
    EXPECT_EQ(WaitChild(reader, deadline), 0);
    int versions = 0;
    EXPECT_EQ(read(report[0], &versions, sizeof versions), static_cast<ssize_t>(sizeof versions));
    for (int fd : {stop[0], stop[1], report[0], report[1]})
        close(fd);

    for (int writer = 0; writer < kWriters; ++writer)
        for (int round = 0; round < rounds; ++round)
            ASSERT_EQ(KeysPresent(path, writer, round), static_cast<int>(RoundKeys(writer, round).size()))
                << "writer " << writer << " round " << round;
    char name[kUserNameMaxSize];
    int32_t mask = 0;
    ASSERT_EQ(ReadDefaultUserName(name, sizeof name), ProfileOk);
    ASSERT_EQ(ReadFileProtection(mask), ProfileOk);
    EXPECT_EQ(std::string(name), "user" + std::to_string(rounds - 1));
    EXPECT_EQ(mask, rounds - 1);
    EXPECT_EQ(CountTemporaries(dir.path()), 0);
    ReportFigure("concurrency.rounds", rounds);
    ReportFigure("concurrency.reader_passes", versions);
}

// A child process that takes the lock of `path` and keeps it until it is killed.
pid_t StartLockHolder(const std::string& path)
{
    int held[2];
    if (pipe(held) != 0)
        return -1;
    const pid_t holder = StartChild([&] {
        ProfileLock lock;
        if (lock.Acquire(path) || write(held[1], "l", 1) != 1)
            return 1;
        pause();
        return 0;
    });
    char byte = 0;
    const bool locked = read(held[0], &byte, 1) == 1;
    close(held[0]);
    close(held[1]);
    return locked ? holder : -1;
}

TEST(Concurrency, ALockWhoseHolderDiedIsTakenByTheNextWriter)
{
    TempSystemDir dir;
    const std::string path = dir.iniPath();
    const pid_t holder = StartLockHolder(path);
    ASSERT_GT(holder, 0);

    const pid_t writer = StartChild([&] { return WritePrivateProfileStringA("s", "k", "v", path.c_str()) ? 0 : 1; });
    std::this_thread::sleep_for(std::chrono::milliseconds(300));
    EXPECT_EQ(WaitChild(writer, Clock::now()), -2) << "the writer must wait while the lock is held";

    const pid_t next = StartChild([&] { return WritePrivateProfileStringA("s", "k", "v", path.c_str()) ? 0 : 1; });
    std::this_thread::sleep_for(std::chrono::milliseconds(100));
    kill(holder, SIGKILL);
    EXPECT_EQ(WaitChild(holder, Clock::now() + std::chrono::seconds(5)), -1);
    EXPECT_EQ(WaitChild(next, Clock::now() + std::chrono::seconds(10)), 0) << "the dead holder's lock is free";
    EXPECT_EQ(Read(path, "s", "k"), "v");
}

TEST(Concurrency, ALockNeverLetGoFailsTheWriterInTimeNamingItsHolder)
{
    TempSystemDir dir;
    const std::string path = dir.iniPath();
    WriteFileBytes(path, "[s]\nk=old\n");
    const pid_t holder = StartLockHolder(path);
    ASSERT_GT(holder, 0);
    std::vector<WaitPhase> shown;
    const WaitPresenter previous = SetWaitPresenter([&shown](WaitPhase phase) { shown.push_back(phase); });
    const auto patience = std::chrono::milliseconds(1200);
    SetLockPatienceForTesting(patience);

    const auto start = Clock::now();
    const int32_t written = WritePrivateProfileStringA("s", "k", "new", path.c_str());
    const auto waited = Clock::now() - start;
    const FileFailure failure = GetLastFileFailure();
    SetLockPatienceForTesting({});
    (void)SetWaitPresenter(previous);
    kill(holder, SIGKILL);
    WaitChild(holder, Clock::now() + std::chrono::seconds(5));

    EXPECT_EQ(written, 0);
    EXPECT_EQ(failure.problem, FileProblem::LockHeld);
    EXPECT_EQ(failure.path, path);
    EXPECT_EQ(failure.holder, holder) << "the system tells who holds it";
    EXPECT_GE(waited, patience);
    EXPECT_LT(waited, patience + std::chrono::seconds(3));
    EXPECT_EQ(shown, (std::vector<WaitPhase>{WaitPhase::Started, WaitPhase::Ended})) << "a wait this long is shown";
    EXPECT_EQ(ReadFileBytes(path), "[s]\nk=old\n");
}

} // namespace
