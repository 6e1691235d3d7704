// SPDX-License-Identifier: GPL-2.0-or-later
#include "config/server_file.h"
#include "tests/config/config_fixtures.h"
#include "tests/support/temp_system_dir.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

using Lines = std::vector<std::string>;

namespace {

struct Flags {
    int32_t drive, printer, stream, lpr;
    bool operator==(const Flags&) const = default;
};

Flags FlagsOf(const ServerEntry& entry)
{
    return {entry.nfsDriveMounts, entry.nfsPrinterMounts, entry.streamPrinting, entry.lprPrinting};
}

} // namespace

TEST(LoadServerList, ReadsTheWorkedExample)
{
    TempSystemDir dir;
    WriteFileBytes(dir.iniPath(), ReadFileBytes(NORVANE_CONFIG_GOLDEN_DIR "/alpha_beta.ini"));
    OwnedList list;
    ASSERT_EQ(LoadServerList(list.head), ProfileOk);
    ASSERT_EQ(list.Names(), (Lines{"alpha", "beta"}));
    const ServerEntry& alpha = *list.head;
    const ServerEntry& beta = *alpha.next;
    EXPECT_EQ(FlagsOf(alpha), (Flags{1, 0, 1, 0}));
    EXPECT_EQ(alpha.defaultStreamQueue, 1);
    EXPECT_EQ(StreamLines(alpha), (Lines{"515,0", "9100,1"}));
    EXPECT_EQ(alpha.lprQueues, nullptr);
    EXPECT_EQ(FlagsOf(beta), (Flags{0, 1, 0, 1}));
    EXPECT_EQ(beta.defaultStreamQueue, 1);
    EXPECT_EQ(beta.streamQueues, nullptr);
    EXPECT_EQ(LprLines(beta), (Lines{"lp|f|guest|Lab"}));
}

TEST(LoadServerList, CountsDecideWhatIsRead)
{
    struct Case {
        const char* label;
        const char* file;
        Lines names;
    };
    const Case cases[] = {
        {"no file", nullptr, {}},
        {"zero", "[ServerList]\nNumServers=0\nServer1=a,0,0,0,0\n", {}},
        {"negative", "[ServerList]\nNumServers=-2\nServer1=a,0,0,0,0\n", {}},
        {"gap", "[ServerList]\nNumServers=3\nServer1=a,0,0,0,0\nServer3=c,0,0,0,0\n", {"a", "c"}},
        {"empty line skipped", "[ServerList]\nNumServers=2\nServer1=\nServer2=b,0,0,0,0\n", {"b"}},
        {"beyond the count", "[ServerList]\nNumServers=1\nServer1=a,0,0,0,0\nServer2=b,0,0,0,0\n", {"a"}},
        {"keys ignore case", "[serverlist]\nnumservers=1\nSERVER1=a,0,0,0,0\n", {"a"}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.label);
        TempSystemDir dir;
        if (c.file)
            WriteFileBytes(dir.iniPath(), c.file);
        OwnedList list;
        ASSERT_EQ(LoadServerList(list.head), ProfileOk);
        EXPECT_EQ(list.Names(), c.names);
    }
}

TEST(LoadServerList, HugeCountsReadEveryKeyUpToTheCountHoweverFarApart)
{
    TempSystemDir dir;
    // Only keys named exactly <stem><n> are what a read of <stem><n> finds: "Server08" is not
    // Server8, and the number above the count is never reached.
    WriteFileBytes(dir.iniPath(),
                   "[ServerList]\nNumServers=2147483647\nServer1=a,0,0,1,0\nServer4097=b,0,0,0,0\n"
                   "Server2147483647=c,0,0,0,0\nServer08=x,0,0,0,0\nServer2147483648=y,0,0,0,0\n"
                   "[StreamQueues]\naNumQueues=9000\nAQUEUE8193=631,0\naQueue4096=515,0\naQueue9001=9,0\n");
    OwnedList list;
    ASSERT_EQ(LoadServerList(list.head), ProfileOk);
    ASSERT_EQ(list.Names(), (Lines{"a", "b", "c"}));
    EXPECT_EQ(StreamLines(*list.head), (Lines{"515,0", "631,0"}));
}

TEST(LoadServerList, FlagIsOnOnlyWhenItsFieldStartsWithOne)
{
    TempSystemDir dir;
    WriteFileBytes(dir.iniPath(), "[ServerList]\nNumServers=2\nServer1=a,1,10,2,\nServer2=b,0, 1,1x,-1\n");
    OwnedList list;
    ASSERT_EQ(LoadServerList(list.head), ProfileOk);
    ASSERT_EQ(list.Names(), (Lines{"a", "b"}));
    EXPECT_EQ(FlagsOf(*list.head), (Flags{1, 1, 0, 0}));
    EXPECT_EQ(FlagsOf(*list.head->next), (Flags{0, 0, 1, 0}));
}

TEST(LoadServerList, KeepsServerLinesOfOtherThanFiveFields)
{
    struct Case {
        const char* line;
        const char* name;
        Flags flags;
    };
    const Case cases[] = {
        {"a,b,1,0,0,1", "a,b", {1, 0, 0, 1}},
        {"x,y,z,0,1,0,0", "x,y,z", {0, 1, 0, 0}},
        {"solo", "solo", {0, 0, 0, 0}},
        {"pair,1", "pair", {1, 0, 0, 0}},
        {"four,1,1,0", "four", {1, 1, 0, 0}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.line);
        TempSystemDir dir;
        WriteFileBytes(dir.iniPath(), std::string("[ServerList]\nNumServers=1\nServer1=") + c.line + "\n");
        OwnedList list;
        ASSERT_EQ(LoadServerList(list.head), ProfileOk);
        ASSERT_NE(list.head, nullptr);
        EXPECT_STREQ(list.head->name, c.name);
        EXPECT_EQ(FlagsOf(*list.head), c.flags);
        EXPECT_EQ(list.head->defaultStreamQueue, 1);
    }
}

TEST(LoadServerList, StreamQueueLinesFallBackToPort9100)
{
    TempSystemDir dir;
    WriteFileBytes(dir.iniPath(),
                   "[ServerList]\nNumServers=1\nServer1=s,0,0,1,0\n"
                   "[StreamQueues]\nsStreamDefaultQueue=0\nsNumQueues=11\n"
                   "sQueue1=65536,1\nsQueue2=0,1\nsQueue3=65537,0\nsQueue4=-5,7\nsQueue5=word,1\n"
                   "sQueue6=515\nsQueue7=515,1,2\nsQueue8= 631x,-3\nsQueue10=1,0\n"
                   "sQueue11=99999999999999999999,99999999999\n");
    OwnedList list;
    ASSERT_EQ(LoadServerList(list.head), ProfileOk);
    ASSERT_NE(list.head, nullptr);
    EXPECT_EQ(list.head->defaultStreamQueue, 0);
    EXPECT_EQ(StreamLines(*list.head), (Lines{"65536,1", "9100,1", "9100,0", "9100,7", "9100,1", "9100,0",
                                              "9100,0", "631,-3", "1,0", "9100,2147483647"}));
}

TEST(LoadServerList, LprQueueLinesOfOtherThanFourFieldsBecomeSpaces)
{
    TempSystemDir dir;
    WriteFileBytes(dir.iniPath(),
                   "[ServerList]\nNumServers=1\nServer1=p,0,0,0,1\n"
                   "[LPRQueues]\npNumQueues=4\npQueue1=lp,f,guest,\npQueue2=a,b,c,d,e\npQueue3=lp\n"
                   "pQueue4=,,,\n");
    OwnedList list;
    ASSERT_EQ(LoadServerList(list.head), ProfileOk);
    ASSERT_NE(list.head, nullptr);
    EXPECT_EQ(LprLines(*list.head), (Lines{"lp|f|guest|", " | | | ", " | | | ", "|||"}));
}

TEST(LoadServerList, QueueSectionsAreReadOnlyForServersWithThatPrintingOn)
{
    TempSystemDir dir;
    WriteFileBytes(dir.iniPath(),
                   "[ServerList]\nNumServers=1\nServer1=q,0,0,0,0\n"
                   "[StreamQueues]\nqStreamDefaultQueue=0\nqNumQueues=1\nqQueue1=515,0\n"
                   "[LPRQueues]\nqNumQueues=1\nqQueue1=lp,f,u,p\n");
    OwnedList list;
    ASSERT_EQ(LoadServerList(list.head), ProfileOk);
    ASSERT_NE(list.head, nullptr);
    EXPECT_EQ(list.head->defaultStreamQueue, 1);
    EXPECT_EQ(list.head->streamQueues, nullptr);
    EXPECT_EQ(list.head->lprQueues, nullptr);
}

TEST(LoadServerList, FailsWithoutASystemDirectory)
{
    TempSystemDir dir;
    WriteFileBytes(dir.iniPath(), "[ServerList]\nNumServers=1\nServer1=a,0,0,0,0\n");
    NoSystemDirectory none;
    OwnedList list;
    EXPECT_EQ(LoadServerList(list.head), ProfileFailed);
    EXPECT_EQ(list.head, nullptr);
    ServerEntry entry{};
    EXPECT_EQ(LoadStreamQueues(&entry), ProfileFailed);
    EXPECT_EQ(LoadLprQueues(&entry), ProfileFailed);
}

TEST(LoadQueues, RejectANullEntryAndAppendToAnExistingList)
{
    TempSystemDir dir;
    EXPECT_EQ(LoadStreamQueues(nullptr), ProfileFailed);
    EXPECT_EQ(LoadLprQueues(nullptr), ProfileFailed);
    WriteFileBytes(dir.iniPath(), "[StreamQueues]\nhStreamDefaultQueue=1\nhNumQueues=1\nhQueue1=515,1\n");
    OwnedList list;
    ServerEntry* entry = list.Add("h", 0, 0, 1, 0);
    AppendStream(*entry, 9100, 0);
    ASSERT_EQ(LoadStreamQueues(entry), ProfileOk);
    EXPECT_EQ(entry->defaultStreamQueue, 1);
    EXPECT_EQ(StreamLines(*entry), (Lines{"9100,0", "515,1"}));
}

TEST(LoadServerList, LongestLineIsCutInsteadOfOverflowing)
{
    TempSystemDir dir;
    const std::string name(300, 'n');
    WriteFileBytes(dir.iniPath(), "[ServerList]\nNumServers=1\nServer1=" + name + ",1,1,1,1\n");
    OwnedList list;
    ASSERT_EQ(LoadServerList(list.head), ProfileOk);
    ASSERT_NE(list.head, nullptr);
    EXPECT_EQ(std::string(list.head->name), std::string(kTextFieldSize - 1, 'n'));
    EXPECT_EQ(FlagsOf(*list.head), (Flags{0, 0, 0, 0}));
}
