// SPDX-License-Identifier: GPL-2.0-or-later
// Damaged, oversized and strange kqnet.ini files: the servers that can be read are read, nothing
// crashes, and a save either keeps every byte it did not change or is refused with the file intact.
#include "config/server_file.h"
#include "platform/profile.h"
#include "tests/reliability/hostile_files.h"
#include "tests/reliability/sample_configs.h"
#include "tests/support/temp_system_dir.h"

#include <gtest/gtest.h>

#include <chrono>
#include <fcntl.h>
#include <functional>
#include <sys/stat.h>

namespace {

constexpr std::size_t kMegabyte = 1 << 20;

std::size_t HugeFileBytes()
{
    return static_cast<std::size_t>(EnvCount("NORVANE_HOSTILE_MB", 16)) * kMegabyte;
}

struct ReadableCase {
    const char* name;
    std::function<std::string()> bytes;
};

std::string WithEndings(const std::vector<std::string>& endings)
{
    const std::string block = ValidServerBlock("\n");
    std::string text;
    std::size_t line = 0;
    for (char c : block) {
        if (c == '\n')
            text += endings[line++ % endings.size()];
        else
            text += c;
    }
    return text;
}

class ReadableHostileFile : public ::testing::TestWithParam<ReadableCase> {
protected:
    TempSystemDir m_dir;
};

TEST_P(ReadableHostileFile, LoadsTheServersAndASaveKeepsEveryOtherByte)
{
    const std::string before = GetParam().bytes();
    WriteFileBytes(m_dir.iniPath(), before);

    OwnedList list{LoadNow()};
    ASSERT_NE(list.head, nullptr);
    ServerEntry* alpha = list.head;
    ServerEntry* beta = alpha->next;
    ASSERT_NE(beta, nullptr);
    EXPECT_STREQ(alpha->name, "alpha");
    EXPECT_STREQ(beta->name, "beta");
    EXPECT_EQ(beta->next, nullptr);
    ASSERT_NE(alpha->streamQueues, nullptr);
    EXPECT_EQ(alpha->streamQueues->port, 515u);
    ASSERT_NE(beta->lprQueues, nullptr);
    EXPECT_STREQ(beta->lprQueues->queueName, "lp");

    beta->nfsDriveMounts = 1;
    ASSERT_EQ(SaveServerList(list.head), ProfileOk);
    std::string expected = before;
    const std::size_t line = expected.find("Server2=beta,0,1,0,1");
    ASSERT_NE(line, std::string::npos);
    expected.replace(line, 20, "Server2=beta,1,1,0,1");
    const std::string after = ReadFileBytes(m_dir.iniPath());
    EXPECT_TRUE(after.starts_with(expected)) << "only the changed line differs; the summaries follow the old end";
    OwnedList reloaded{LoadNow()};
    EXPECT_EQ(DescribeDifference(list.head, reloaded.head), "");
}

INSTANTIATE_TEST_SUITE_P(
    Kinds, ReadableHostileFile,
    ::testing::Values(
        ReadableCase{"HugeFile", [] { return FillerKeys(HugeFileBytes()) + ValidServerBlock(); }},
        ReadableCase{"TenMegabyteLines", [] { return LongLines(10 * kMegabyte) + ValidServerBlock(); }},
        ReadableCase{"MillionSections", [] { return ManySections(1000000) + ValidServerBlock(); }},
        ReadableCase{"NulBytes", [] { return BlockWithNuls(); }},
        ReadableCase{"LineFeeds", [] { return WithEndings({"\n"}); }},
        ReadableCase{"CarriageReturnLineFeeds", [] { return WithEndings({"\r\n"}); }},
        ReadableCase{"CarriageReturns", [] { return WithEndings({"\r"}); }},
        ReadableCase{"MixedLineEndings", [] { return WithEndings({"\r\n", "\n", "\r", "\n\r"}); }},
        ReadableCase{"NoFinalLineBreak", [] { std::string b = ValidServerBlock(); b.pop_back(); return b; }},
        ReadableCase{"ByteOrderMark", [] { return "\xEF\xBB\xBF" + ValidServerBlock("\r\n"); }},
        ReadableCase{"BinaryNoise", [] { return BinaryNoise(kMegabyte) + ValidServerBlock(); }}),
    [](const ::testing::TestParamInfo<ReadableCase>& info) { return std::string(info.param.name); });

TEST(HostileFile, AServerLineTooLongToSaveLoadsCutAndTheSaveIsRefusedWithTheFileIntact)
{
    TempSystemDir dir;
    std::string before = ValidServerBlock();
    before.replace(before.find("NumServers=2"), 12, "Server3=" + std::string(10 * kMegabyte, 'n') + "\nNumServers=3");
    WriteFileBytes(dir.iniPath(), before);
    OwnedList list{LoadNow()};
    ASSERT_NE(list.head, nullptr);
    ASSERT_NE(list.head->next, nullptr);
    const ServerEntry* third = list.head->next->next;
    ASSERT_NE(third, nullptr);
    EXPECT_EQ(std::string(third->name), std::string(kTextFieldSize - 1, 'n'));
    EXPECT_EQ(SaveServerList(list.head), ProfileFailed) << "a cut name would name another server's keys";
    EXPECT_EQ(ReadFileBytes(dir.iniPath()), before);
}

// A count a damaged file claims must not decide what its load costs: only what the file holds
// may. Counted in look-ups, so that the test does not depend on the machine's speed.
TEST(HostileFile, CountsCostNoMoreThanTheKeysThatAreThere)
{
    struct Kind {
        const char* name;
        std::string bytes;
        int servers;
        int keys;
    };
    const Kind kinds[] = {
        {"queue counts of 2^31 - 1 without queues", HugeQueueCounts(4000), 4000, 4000 * 4 + 1},
        {"server keys 4095 numbers apart", ChainOfGaps(5000), 5000, 5000 + 1},
    };
    for (const Kind& kind : kinds) {
        SCOPED_TRACE(kind.name);
        TempSystemDir dir;
        WriteFileBytes(dir.iniPath(), kind.bytes);
        const uint64_t before = ProfileKeyLookupsForTesting();
        const auto start = std::chrono::steady_clock::now();
        OwnedList list{LoadNow()};
        const auto took = std::chrono::duration_cast<std::chrono::microseconds>(std::chrono::steady_clock::now() - start);
        const uint64_t lookups = ProfileKeyLookupsForTesting() - before;
        int servers = 0;
        for (const ServerEntry* entry = list.head; entry; entry = entry->next) {
            EXPECT_EQ(entry->streamQueues, nullptr);
            EXPECT_EQ(entry->lprQueues, nullptr);
            ++servers;
        }
        EXPECT_EQ(servers, kind.servers) << "every server up to the count is read, however far apart";
        EXPECT_LE(lookups, 2u * static_cast<uint64_t>(kind.keys)) << "look-ups follow the keys in the file";
        const std::string figure = kind.keys > 10000 ? "counts" : "gaps";
        ReportFigure(("hostile.lookups_" + figure).c_str(), static_cast<int64_t>(lookups));
        ReportFigure(("hostile.load_us_" + figure).c_str(), took.count());
        ReportFigure(("hostile.bytes_" + figure).c_str(), static_cast<int64_t>(kind.bytes.size()));
    }
}

using Milliseconds = std::chrono::duration<double, std::milli>;

// One load that parses the file afresh, as a program start does.
Milliseconds TimedLoad(const std::string& path, int run)
{
    const timespec times[2] = {{0, UTIME_OMIT}, {1000000 + run, 0}};
    utimensat(AT_FDCWD, path.c_str(), times, 0);
    const double start = ThreadMs();
    OwnedList list{LoadNow()};
    const Milliseconds took{ThreadMs() - start};
    EXPECT_NE(list.head, nullptr);
    return took;
}

TEST(HostileFile, LoadingTimeGrowsLinearlyWithTheFile)
{
    TempSystemDir dir;
    const std::size_t large = HugeFileBytes();
    struct Kind {
        const char* name;
        std::function<std::string(std::size_t)> make;
    };
    const Kind kinds[] = {
        {"keys", [](std::size_t bytes) { return FillerKeys(bytes) + ValidServerBlock(); }},
        {"sections", [](std::size_t bytes) { return ManySections(bytes / 20) + ValidServerBlock(); }},
    };
    for (const Kind& kind : kinds) {
        const std::string smallPath = dir.file("small.ini");
        WriteFileBytes(smallPath, kind.make(large / 4));
        WriteFileBytes(dir.iniPath(), kind.make(large));
        // Turn about, so that a burst of other work on the machine slows both sizes alike; the
        // fastest run of each counts.
        Milliseconds small{1e12};
        Milliseconds big{1e12};
        for (int run = 0; run < 3; ++run) {
            rename(dir.iniPath().c_str(), dir.file("big.ini").c_str());
            rename(smallPath.c_str(), dir.iniPath().c_str());
            small = std::min(small, TimedLoad(dir.iniPath(), run));
            rename(dir.iniPath().c_str(), smallPath.c_str());
            rename(dir.file("big.ini").c_str(), dir.iniPath().c_str());
            big = std::min(big, TimedLoad(dir.iniPath(), run));
        }
        // Four times the bytes: linear is 4 (about 6 measured, as the tables outgrow the caches),
        // quadratic 16; processor time, so that a busy machine does not count.
        EXPECT_LT(big.count(), 10 * small.count()) << kind.name << ": " << small.count() << " ms, then " << big.count() << " ms";
        ReportFigure((std::string("hostile.load_us_") + kind.name + "_quarter").c_str(), static_cast<int64_t>(small.count() * 1000));
        ReportFigure((std::string("hostile.load_us_") + kind.name + "_full").c_str(), static_cast<int64_t>(big.count() * 1000));
    }
    ReportFigure("hostile.full_size_mb", static_cast<int64_t>(large / kMegabyte));
}

} // namespace
