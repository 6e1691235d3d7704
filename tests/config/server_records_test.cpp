// SPDX-License-Identifier: GPL-2.0-or-later
#include "config/server_records.h"
#include "tests/config/config_fixtures.h"
#include "tests/support/temp_system_dir.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <iterator>
#include <string>
#include <vector>

using Names = std::vector<std::string>;

TEST(ServerRecords, FreeingNullChainsSucceeds)
{
    TempSystemDir dir;
    EXPECT_EQ(FreeServerList(nullptr), ProfileOk);
    EXPECT_EQ(FreeStreamQueues(nullptr), ProfileOk);
    EXPECT_EQ(FreeLprQueues(nullptr), ProfileOk);
}

TEST(ServerRecords, CopyOfOneEntryGoesInFrontOfTheDestinationNotItsSuccessor)
{
    TempSystemDir dir;
    OwnedList source;
    source.Add("a", 1, 0, 0, 0);
    ServerEntry* middle = source.Add("b", 0, 1, 0, 0);
    source.Add("c", 0, 0, 1, 0);
    OwnedList destination;
    destination.Add("x", 0, 0, 0, 0);

    ASSERT_EQ(CopyServerEntries(middle, destination.head, false), ProfileOk);
    EXPECT_EQ(destination.Names(), (Names{"b", "x"}));
    EXPECT_NE(destination.head, middle);
    EXPECT_EQ(source.Names(), (Names{"a", "b", "c"}));
}

TEST(ServerRecords, WholeChainCopyTakesTheRestOfTheChainInOrder)
{
    TempSystemDir dir;
    OwnedList source;
    source.Add("a", 0, 0, 0, 0);
    ServerEntry* second = source.Add("b", 0, 0, 0, 0);
    source.Add("c", 0, 0, 0, 0);
    OwnedList destination;
    destination.Add("x", 0, 0, 0, 0);

    ASSERT_EQ(CopyServerEntries(second, destination.head, true), ProfileOk);
    EXPECT_EQ(destination.Names(), (Names{"b", "c", "x"}));
}

TEST(ServerRecords, CopyOfNothingKeepsTheDestination)
{
    TempSystemDir dir;
    OwnedList destination;
    destination.Add("x", 0, 0, 0, 0);
    ASSERT_EQ(CopyServerEntries(nullptr, destination.head, true), ProfileOk);
    EXPECT_EQ(destination.Names(), (Names{"x"}));

    StreamQueue* streams = nullptr;
    ASSERT_EQ(CopyStreamQueues(nullptr, streams, true), ProfileOk);
    EXPECT_EQ(streams, nullptr);
}

TEST(ServerRecords, CopiedEntryIsDeepAndOutlivesItsSource)
{
    TempSystemDir dir;
    OwnedList copy;
    {
        OwnedList source;
        ServerEntry* entry = source.Add("printhost", 1, 1, 1, 1);
        entry->defaultStreamQueue = 1;
        AppendStream(*entry, 515, 0);
        AppendStream(*entry, 65536, 1);
        AppendLpr(*entry, "lp", "v", "guest", "Lab");
        AppendLpr(*entry, "raw", "l", "root", "");
        ASSERT_EQ(CopyServerEntries(entry, copy.head, false), ProfileOk);
        EXPECT_NE(copy.head->streamQueues, entry->streamQueues);
        EXPECT_NE(copy.head->lprQueues, entry->lprQueues);
    }
    const ServerEntry& entry = *copy.head;
    EXPECT_STREQ(entry.name, "printhost");
    EXPECT_EQ(entry.nfsDriveMounts, 1);
    EXPECT_EQ(entry.nfsPrinterMounts, 1);
    EXPECT_EQ(entry.streamPrinting, 1);
    EXPECT_EQ(entry.lprPrinting, 1);
    EXPECT_EQ(entry.defaultStreamQueue, 1);
    EXPECT_EQ(StreamLines(entry), (Names{"515,0", "65536,1"}));
    EXPECT_EQ(LprLines(entry), (Names{"lp|v|guest|Lab", "raw|l|root|"}));
    EXPECT_EQ(entry.next, nullptr);
}

TEST(ServerRecords, EntryWithoutQueuesCopiesWithoutQueues)
{
    TempSystemDir dir;
    OwnedList source;
    source.Add("bare", 0, 0, 1, 1);
    OwnedList copy;
    ASSERT_EQ(CopyServerEntries(source.head, copy.head, false), ProfileOk);
    EXPECT_EQ(copy.head->streamQueues, nullptr);
    EXPECT_EQ(copy.head->lprQueues, nullptr);
}

TEST(ServerRecords, QueueCopiesGoInFrontOfTheDestinationQueues)
{
    TempSystemDir dir;
    OwnedList list;
    ServerEntry* from = list.Add("from", 0, 0, 1, 1);
    ServerEntry* to = list.Add("to", 0, 0, 1, 1);
    AppendStream(*from, 1, 0);
    AppendStream(*from, 2, 1);
    AppendStream(*to, 3, 0);
    AppendLpr(*from, "q1", "f", "u", "p");
    AppendLpr(*from, "q2", "f", "u", "p");
    AppendLpr(*to, "q3", "f", "u", "p");

    ASSERT_EQ(CopyStreamQueues(from->streamQueues->next, to->streamQueues, false), ProfileOk);
    ASSERT_EQ(CopyLprQueues(from->lprQueues, to->lprQueues, true), ProfileOk);
    EXPECT_EQ(StreamLines(*to), (Names{"2,1", "3,0"}));
    EXPECT_EQ(LprLines(*to), (Names{"q1|f|u|p", "q2|f|u|p", "q3|f|u|p"}));
}

TEST(ServerRecords, CopyNeverReadsPastAnUnterminatedField)
{
    TempSystemDir dir;
    OwnedList source;
    ServerEntry* entry = source.Add("", 0, 0, 0, 0);
    std::fill(std::begin(entry->name), std::end(entry->name), 'n');
    OwnedList copy;
    ASSERT_EQ(CopyServerEntries(entry, copy.head, false), ProfileOk);
    EXPECT_EQ(std::string(copy.head->name), std::string(kTextFieldSize - 1, 'n'));
}

TEST(ServerRecords, RemovingUnlinksByIdentityAndClearsTheCallersVariable)
{
    struct Case {
        const char* label;
        int removeIndex;
        Names remaining;
    };
    const Case cases[] = {
        {"head", 0, {"twin", "last"}},
        {"second of two same-named entries", 1, {"twin", "last"}},
        {"last", 2, {"twin", "twin"}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.label);
        TempSystemDir dir;
        OwnedList list;
        ServerEntry* entries[] = {list.Add("twin", 0, 0, 0, 0), list.Add("twin", 1, 0, 0, 0),
                                  list.Add("last", 0, 0, 0, 0)};
        ServerEntry* victim = entries[c.removeIndex];
        ASSERT_EQ(RemoveServerEntry(victim, list.head), ProfileOk);
        EXPECT_EQ(victim, nullptr);
        EXPECT_EQ(list.Names(), c.remaining);
        int count = 0;
        for (ServerEntry* entry = list.head; entry; entry = entry->next) {
            EXPECT_NE(entry, entries[c.removeIndex]);
            ++count;
        }
        EXPECT_EQ(count, 2);
    }
}

TEST(ServerRecords, RemovingWhatIsNotThereChangesNothing)
{
    TempSystemDir dir;
    OwnedList list;
    list.Add("a", 0, 0, 0, 0);
    OwnedList other;
    ServerEntry* stranger = other.Add("a", 0, 0, 0, 0);
    ServerEntry* variable = stranger;
    EXPECT_EQ(RemoveServerEntry(variable, list.head), ProfileFailed);
    EXPECT_EQ(variable, stranger);
    EXPECT_EQ(list.Names(), (Names{"a"}));

    ServerList empty = nullptr;
    EXPECT_EQ(RemoveServerEntry(variable, empty), ProfileFailed);
    EXPECT_EQ(variable, stranger);

    ServerEntry* none = nullptr;
    EXPECT_EQ(RemoveServerEntry(none, list.head), ProfileFailed);
    EXPECT_EQ(list.Names(), (Names{"a"}));
}
