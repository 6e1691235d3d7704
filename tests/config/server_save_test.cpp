// SPDX-License-Identifier: GPL-2.0-or-later
#include "config/server_file.h"
#include "config/server_merge.h"
#include "platform/file_fault.h"
#include "tests/config/config_fixtures.h"
#include "tests/support/temp_system_dir.h"

#include <gtest/gtest.h>

#include <cerrno>
#include <cstdio>
#include <filesystem>
#include <string>
#include <vector>

using Lines = std::vector<std::string>;

namespace {

std::string Golden(const char* name)
{
    return ReadFileBytes(std::string(NORVANE_CONFIG_GOLDEN_DIR) + "/" + name);
}

const char* kOtherContent = "; kept as it is\r\n[GlobalOptions]\r\nWarnings=0\r\n";

} // namespace

TEST(SaveServerList, WritesTheWorkedExampleByteForByte)
{
    TempSystemDir dir;
    OwnedList list;
    BuildAlphaBeta(list);
    ASSERT_EQ(SaveServerList(list.head), ProfileOk);
    EXPECT_EQ(ReadFileBytes(dir.iniPath()), Golden("alpha_beta.ini"));
}

TEST(SaveServerList, SavingAfterRemovingAlphaChangesOnlyItsLines)
{
    TempSystemDir dir;
    OwnedList list;
    BuildAlphaBeta(list);
    ASSERT_EQ(SaveServerList(list.head), ProfileOk);
    ServerEntry* alpha = list.head;
    ASSERT_EQ(RemoveServerEntry(alpha, list.head), ProfileOk);
    ASSERT_EQ(SaveServerList(list.head), ProfileOk);
    EXPECT_EQ(ReadFileBytes(dir.iniPath()), Golden("beta_after_removing_alpha.ini"));

    OwnedList loaded;
    ASSERT_EQ(LoadServerList(loaded.head), ProfileOk);
    EXPECT_EQ(loaded.Names(), (Lines{"beta"}));
}

// The main window saves through the merge; with nobody else writing, it must not change a byte.
TEST(SaveMergedServerList, WithNoOtherWriterWritesWhatSaveServerListWrites)
{
    TempSystemDir dir;
    OwnedList list;
    BuildAlphaBeta(list);
    MergeDecisions decisions;
    std::vector<MergeConflict> conflicts;
    ASSERT_EQ(SaveMergedServerList(nullptr, list.head, decisions, conflicts), ProfileOk);
    EXPECT_EQ(ReadFileBytes(dir.iniPath()), Golden("alpha_beta.ini"));

    OwnedList base;
    ASSERT_EQ(LoadServerList(base.head), ProfileOk);
    OwnedList mine;
    ASSERT_EQ(CopyServerEntries(base.head, mine.head, true), ProfileOk);
    ServerEntry* alpha = mine.head;
    ASSERT_EQ(RemoveServerEntry(alpha, mine.head), ProfileOk);
    ASSERT_EQ(SaveMergedServerList(base.head, mine.head, decisions, conflicts), ProfileOk);
    EXPECT_TRUE(conflicts.empty());
    EXPECT_EQ(ReadFileBytes(dir.iniPath()), Golden("beta_after_removing_alpha.ini"));
}

TEST(SaveServerList, RoundTripKeepsEntriesQueuesAndOrder)
{
    TempSystemDir dir;
    OwnedList list;
    ServerEntry* both = list.Add("10.0.0.7", 0, 0, 1, 1);
    AppendStream(*both, 65536, 0);
    AppendStream(*both, 1, 5);
    AppendLpr(*both, "lp", "v", "guest", "");
    AppendLpr(*both, "raw", "l", "root", "Lab 2");
    ServerEntry* quiet = list.Add("quiet", 1, 1, 0, 0);
    quiet->defaultStreamQueue = 0;
    AppendStream(*quiet, 515, 1);      // not saved: stream printing is off
    AppendLpr(*quiet, "x", "f", "u", "p");  // not saved: LPR printing is off
    list.Add("", 0, 0, 1, 0);

    ASSERT_EQ(SaveServerList(list.head), ProfileOk);
    OwnedList loaded;
    ASSERT_EQ(LoadServerList(loaded.head), ProfileOk);
    ASSERT_EQ(loaded.Names(), (Lines{"10.0.0.7", "quiet", ""}));
    const ServerEntry& first = *loaded.head;
    EXPECT_EQ(first.defaultStreamQueue, 0);
    EXPECT_EQ(StreamLines(first), (Lines{"65536,0", "1,5"}));
    EXPECT_EQ(LprLines(first), (Lines{"lp|v|guest|", "raw|l|root|Lab 2"}));
    const ServerEntry& second = *first.next;
    EXPECT_EQ(second.nfsDriveMounts, 1);
    EXPECT_EQ(second.nfsPrinterMounts, 1);
    EXPECT_EQ(second.defaultStreamQueue, 1);
    EXPECT_EQ(second.streamQueues, nullptr);
    EXPECT_EQ(second.lprQueues, nullptr);
    EXPECT_EQ(second.next->streamPrinting, 1);
    EXPECT_EQ(second.next->streamQueues, nullptr);
}

TEST(SaveServerList, OddServerLinesSaveBackAsTheyWereRead)
{
    TempSystemDir dir;
    WriteFileBytes(dir.iniPath(), "[ServerList]\r\nNumServers=2\r\nServer1=a,b,1,0,0,0\r\nServer2=solo\r\n");
    OwnedList list;
    ASSERT_EQ(LoadServerList(list.head), ProfileOk);
    ASSERT_EQ(SaveServerList(list.head), ProfileOk);
    const std::string saved = ReadFileBytes(dir.iniPath());
    EXPECT_NE(saved.find("Server1=a,b,1,0,0,0\r\n"), std::string::npos);
    EXPECT_NE(saved.find("Server2=solo,0,0,0,0\r\n"), std::string::npos);
    OwnedList again;
    ASSERT_EQ(LoadServerList(again.head), ProfileOk);
    EXPECT_EQ(again.Names(), (Lines{"a,b", "solo"}));
    EXPECT_EQ(again.head->nfsDriveMounts, 1);
}

TEST(SaveServerList, EmptyListWritesZeroCountAndEmptySummariesKeepingTheRest)
{
    TempSystemDir dir;
    OwnedList list;
    BuildAlphaBeta(list);
    ASSERT_EQ(SaveServerList(list.head), ProfileOk);
    ASSERT_EQ(SaveServerList(nullptr), ProfileOk);
    std::string expected = Golden("alpha_beta.ini");
    auto replace = [&expected](const std::string& from, const std::string& to) {
        expected.replace(expected.find(from), from.size(), to);
    };
    replace("NumServers=2", "NumServers=0");
    replace("KnownServers=alpha", "KnownServers=");
    replace("KnownPrintServers=alpha,beta", "KnownPrintServers=");
    EXPECT_EQ(ReadFileBytes(dir.iniPath()), expected);
}

TEST(SaveServerList, RefusedWriteLeavesTheFileUntouched)
{
    struct Case {
        const char* label;
        const char* name;
        int32_t stream;
        int32_t lpr;
    };
    const Case cases[] = {
        {"stream key starting with ';'", ";bad", 1, 0},
        {"LPR key starting with '['", "[bad", 0, 1},
        {"summary key holding '='", "a=b", 0, 0},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.label);
        TempSystemDir dir;
        WriteFileBytes(dir.iniPath(), kOtherContent);
        OwnedList list;
        list.Add("good", 1, 0, 0, 0);
        list.Add(c.name, 0, 0, c.stream, c.lpr);
        EXPECT_EQ(SaveServerList(list.head), ProfileFailed);
        EXPECT_EQ(ReadFileBytes(dir.iniPath()), kOtherContent);
    }
}

TEST(SaveServerList, UnreplaceableFileIsLeftAsItWas)
{
    TempSystemDir dir;
    WriteFileBytes(dir.iniPath(), kOtherContent);
    std::filesystem::permissions(dir.path(), std::filesystem::perms::owner_read | std::filesystem::perms::owner_exec);
    if (FILE* probe = std::fopen(dir.file("probe").c_str(), "w")) {
        std::fclose(probe);
        GTEST_SKIP() << "a read-only folder does not stop this user";
    }
    OwnedList list;
    BuildAlphaBeta(list);
    EXPECT_EQ(SaveServerList(list.head), ProfileFailed);
    EXPECT_EQ(ReadFileBytes(dir.iniPath()), kOtherContent);
}

TEST(SaveServerList, FailedReplacementLeavesTheFileAsItWas)
{
    for (FileStep failing : {FileStep::CreateTemp, FileStep::Write, FileStep::Sync, FileStep::Rename}) {
        SCOPED_TRACE(static_cast<int>(failing));
        TempSystemDir dir;
        WriteFileBytes(dir.iniPath(), kOtherContent);
        OwnedList list;
        BuildAlphaBeta(list);
        SetFileFaultForTesting([failing](FileStep step) { return step == failing ? EIO : 0; });
        const ProfileResult result = SaveServerList(list.head);
        SetFileFaultForTesting({});
        EXPECT_EQ(result, ProfileFailed);
        EXPECT_EQ(ReadFileBytes(dir.iniPath()), kOtherContent);
    }
}

TEST(SaveServerList, KeysAndLinesBeyond259CharactersAreRefusedWhole)
{
    // <name>StreamDefaultQueue is the longest key: 241 characters of name fit, 242 do not.
    // The server line of an LPR server with long fields is the longest line.
    struct Case {
        const char* label;
        std::string name;
        int32_t stream;
        std::string personal;
        bool saved;
    };
    const Case cases[] = {
        {"longest name that fits", std::string(241, 's'), 1, "", true},
        {"name one too long", std::string(242, 's'), 1, "", false},
        {"longest LPR line that fits", "p", 0, std::string(259 - 11, 'x'), true},
        {"LPR line one too long", "p", 0, std::string(259 - 10, 'x'), false},
        {"name too long for the summary keys", std::string(250, 'q'), 0, "", false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.label);
        TempSystemDir dir;
        WriteFileBytes(dir.iniPath(), kOtherContent);
        OwnedList list;
        ServerEntry* entry = list.Add(c.name, 0, 0, c.stream, c.personal.empty() ? 0 : 1);
        AppendStream(*entry, 515, 1);
        if (!c.personal.empty())
            AppendLpr(*entry, "lp", "f", "guest", c.personal.c_str());
        EXPECT_EQ(SaveServerList(list.head), c.saved ? ProfileOk : ProfileFailed);
        if (!c.saved) {
            EXPECT_EQ(ReadFileBytes(dir.iniPath()), kOtherContent);
            continue;
        }
        OwnedList loaded;
        ASSERT_EQ(LoadServerList(loaded.head), ProfileOk);
        ASSERT_EQ(loaded.Names(), (Lines{c.name}));
        EXPECT_EQ(StreamLines(*loaded.head), c.stream ? Lines{"515,1"} : Lines{});
        if (!c.personal.empty()) {
            EXPECT_EQ(LprLines(*loaded.head), (Lines{"lp|f|guest|" + c.personal}));
        }
    }
}

TEST(SaveServerList, FailsWithoutASystemDirectory)
{
    TempSystemDir dir;
    OwnedList list;
    BuildAlphaBeta(list);
    NoSystemDirectory none;
    EXPECT_EQ(SaveServerList(list.head), ProfileFailed);
    WriteServerSummary(list.head);
    EXPECT_FALSE(std::filesystem::exists(dir.iniPath()));
}

TEST(WriteServerSummary, ListsStayWithin1023CharactersAndSkipNamesThatDoNotFit)
{
    TempSystemDir dir;
    OwnedList list;
    // Four names of 200 characters take 804 with their commas; a 219-character name would end at
    // 1024 and is left out, a 218-character one ends exactly at 1023 and is kept.
    for (char c : {'a', 'b', 'c', 'd'})
        list.Add(std::string(200, c), 1, 0, 0, 0);
    list.Add(std::string(219, 'e'), 1, 0, 0, 0);
    list.Add(std::string(218, 'f'), 1, 0, 0, 0);
    list.Add("g", 1, 0, 0, 0);
    WriteServerSummary(list.head);

    std::string expected;
    for (char c : {'a', 'b', 'c', 'd'})
        expected += std::string(200, c) + ",";
    expected += std::string(218, 'f');
    const std::string file = ReadFileBytes(dir.iniPath());
    EXPECT_NE(file.find("\r\nKnownServers=" + expected + "\r\n"), std::string::npos);
    EXPECT_NE(file.find("\r\nKnownPrintServers=\r\n"), std::string::npos);
}
