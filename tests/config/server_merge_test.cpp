// SPDX-License-Identifier: GPL-2.0-or-later
#include "config/server_file.h"
#include "config/server_merge.h"
#include "tests/config/config_fixtures.h"
#include "tests/support/temp_system_dir.h"

#include <gtest/gtest.h>

#include <cctype>
#include <sstream>
#include <string>
#include <vector>

namespace {

// Lists are written as servers separated by blanks: "name", or "name=FLAGS" with the four flags
// as digits (default 1100), then "+<port>" for each stream queue and "+<letters>" for each LPR queue.
void Build(OwnedList& list, const std::string& notation)
{
    std::istringstream servers(notation);
    for (std::string token; servers >> token;) {
        std::vector<std::string> parts;
        std::istringstream pieces(token);
        for (std::string part; std::getline(pieces, part, '+');)
            parts.push_back(part);
        const size_t equals = parts[0].find('=');
        const std::string flags = equals == std::string::npos ? "1100" : parts[0].substr(equals + 1);
        ServerEntry* entry = list.Add(parts[0].substr(0, equals), flags[0] - '0', flags[1] - '0', flags[2] - '0',
                                      flags[3] - '0');
        entry->defaultStreamQueue = 1;
        for (size_t i = 1; i < parts.size(); ++i) {
            if (std::isdigit(static_cast<unsigned char>(parts[i][0])))
                AppendStream(*entry, static_cast<uint32_t>(std::stoul(parts[i])), 0);
            else
                AppendLpr(*entry, parts[i].c_str(), "f", "guest", "");
        }
    }
}

// The same notation for what a save would write of a list.
std::string Describe(const ServerEntry* first)
{
    std::string text;
    for (const ServerEntry* entry = first; entry; entry = entry->next) {
        const std::string flags = std::to_string(entry->nfsDriveMounts) + std::to_string(entry->nfsPrinterMounts)
                                + std::to_string(entry->streamPrinting) + std::to_string(entry->lprPrinting);
        text += (text.empty() ? "" : " ") + std::string(entry->name) + (flags == "1100" ? "" : "=" + flags);
        // What a switched-off printing kind holds is not saved.
        for (const StreamQueue* q = entry->streamPrinting ? entry->streamQueues : nullptr; q; q = q->next)
            text += "+" + std::to_string(q->port);
        for (const LprQueue* q = entry->lprPrinting ? entry->lprQueues : nullptr; q; q = q->next)
            text += "+" + std::string(q->queueName);
    }
    return text;
}

std::string Describe(const std::vector<MergeConflict>& conflicts)
{
    std::string text;
    for (const MergeConflict& conflict : conflicts) {
        const char* kind = conflict.kind == ConflictKind::ChangedOnBothSides        ? "changed"
                         : conflict.kind == ConflictKind::AddedOnBothSides          ? "added"
                         : conflict.kind == ConflictKind::RemovedHereChangedThere   ? "removed-here"
                                                                                    : "removed-there";
        text += (text.empty() ? "?" : " ?") + std::string(kind) + ":" + conflict.name;
    }
    return text;
}

struct MergeCase {
    const char* label;
    const char* base;
    const char* mine;
    const char* theirs;
    const char* expected;   // the merged list, or the conflicts ("?kind:name")
    const char* choices = "";   // answers given: "name=mine" or "name=theirs"
    const char* seen = nullptr; // the list of theirs the answers were about; null: `theirs` itself
};

std::string Merge(const MergeCase& c)
{
    OwnedList base, mine, theirs;
    Build(base, c.base);
    Build(mine, c.mine);
    Build(theirs, c.theirs);
    MergeDecisions decisions;
    std::istringstream choices(c.choices);
    for (std::string choice; choices >> choice;) {
        const size_t equals = choice.find('=');
        decisions.choices[choice.substr(0, equals)] =
            choice.substr(equals + 1) == "mine" ? MergeChoice::KeepMine : MergeChoice::KeepTheirs;
    }
    OwnedList seen;
    Build(seen, c.seen ? c.seen : c.theirs);
    decisions.seen.reset(std::exchange(seen.head, nullptr));

    ServerList merged = nullptr;
    std::vector<MergeConflict> conflicts;
    EXPECT_EQ(MergeServerLists(base.head, mine.head, theirs.head, decisions, merged, conflicts), ProfileOk);
    const OwnedServerList owned(merged);
    if (!conflicts.empty()) {
        EXPECT_EQ(merged, nullptr) << "nothing is merged while a conflict is open";
        return Describe(conflicts);
    }
    return Describe(merged);
}

TEST(MergeServerLists, EachKindOfChangeOnEitherSide)
{
    const MergeCase cases[] = {
        {"nobody changed anything", "a b", "a b", "a b", "a b"},
        {"theirs added", "a", "a", "a x", "a x"},
        {"theirs changed", "a b", "a b", "a b=0011", "a b=0011"},
        {"theirs removed", "a b", "a b", "b", "b"},
        {"theirs reordered", "a b c", "a b c", "c a b", "c a b"},
        {"mine added, at the head", "a", "x a", "a", "x a"},
        {"mine changed, moved to the head", "a b", "b=1000 a", "a b", "b=1000 a"},
        {"mine removed", "a b", "b", "a b", "b"},
        {"each added its own", "a", "x a", "a y", "x a y"},
        {"mine added, theirs removed another", "a b", "x a b", "a", "x a"},
        {"each changed another", "a b c", "b=0001 a c", "a c=1000 b", "b=0001 a c=1000"},
        {"both changed alike", "a b", "b=0001 a", "a b=0001", "b=0001 a"},
        {"both added alike", "", "x=0011", "x=0011", "x=0011"},
        {"both removed", "a b", "a", "a", "a"},
        {"a queue is part of the value", "a=0010+515", "a=0010+515", "a=0010+9100", "a=0010+9100"},
        {"what a switched-off kind holds is not", "a", "a+515", "a=1000", "a=1000"},
        {"names compare ignoring ASCII case", "Alpha", "alpha", "ALPHA", "?changed:alpha"},
        {"a case-only rename in mine", "Alpha", "alpha", "Alpha", "alpha"},
        {"servers of one name are one server", "d d=0001", "d=0011 d", "d d=0001", "d=0011 d"},
        {"mine renamed", "a b", "z a", "a b", "z a"},
        {"both renamed differently", "a", "y", "z", "y z"},
        {"both renamed alike", "a", "y", "y", "y"},
    };
    for (const MergeCase& c : cases)
        EXPECT_EQ(Merge(c), c.expected) << c.label;
}

TEST(MergeServerLists, ConflictsAreReportedAndSettledByTheCallersAnswers)
{
    const MergeCase cases[] = {
        {"changed differently", "a b", "a=1000 b", "a=0100 b", "?changed:a"},
        {"added differently", "", "x=1000", "x", "?added:x"},
        {"removed here, changed there", "a", "", "a=0001", "?removed-here:a"},
        {"changed here, removed there", "a b", "a=0001 b", "b", "?removed-there:a"},
        {"renamed here, changed there", "a b", "z a", "a b=0001", "?removed-here:b"},
        {"queues changed differently", "a=0010+515", "a=0010+515+516", "a=0010+9100", "?changed:a"},
        {"mine's order, then theirs'", "a b c", "c=1000 b=1000", "a=0001 b=0001 c=0001",
         "?changed:c ?changed:b ?removed-here:a"},
        {"Yes keeps mine", "a b", "a=1000 b", "a=0100 b", "a=1000 b", "a=mine"},
        {"No keeps theirs, in its place", "a b", "b a=1000", "b a=0100", "b a=0100", "a=theirs"},
        {"Yes keeps mine's removal", "a b", "b", "a=0001 b", "b", "a=mine"},
        {"No keeps theirs over mine's removal", "a b", "b", "a=0001 b", "a=0001 b", "a=theirs"},
        {"Yes keeps mine over theirs' removal", "a b", "a=0001 b", "b", "a=0001 b", "a=mine"},
        {"an answer is by name, ignoring case", "a", "A=1000", "a=0100", "A=1000", "a=mine"},
        {"only the unanswered are asked", "a b", "a=1000 b=1000", "a=0100 b=0100", "?changed:b", "a=mine"},
        {"theirs changed again since the answer", "a", "a=1000", "a=0010", "?changed:a", "a=mine", "a=0100"},
        {"theirs changed another server since", "a b", "a=1000 b", "a=0100 b=0011", "a=1000 b=0011", "a=mine",
         "a=0100 b"},
    };
    for (const MergeCase& c : cases)
        EXPECT_EQ(Merge(c), c.expected) << c.label;
}

// Under the lock, from what the file holds at that moment; a conflict writes nothing until answered,
// and an answer holds only for the version of the server it was given about.
TEST(SaveMergedServerList, ConflictsWaitForTheAnswersAndTheListIsReadAgain)
{
    TempSystemDir dir;
    OwnedList base;
    Build(base, "alpha beta");
    ASSERT_EQ(SaveServerList(base.head), ProfileOk);
    OwnedList mine;
    Build(mine, "beta=1000 alpha");
    OwnedList other;
    Build(other, "alpha beta=0001 gamma");
    ASSERT_EQ(SaveServerList(other.head), ProfileOk);   // another program, after the window loaded
    const std::string before = ReadFileBytes(dir.iniPath());

    MergeDecisions decisions;
    std::vector<MergeConflict> conflicts;
    ASSERT_EQ(SaveMergedServerList(base.head, mine.head, decisions, conflicts), ProfileOk);
    EXPECT_EQ(Describe(conflicts), "?changed:beta");
    EXPECT_EQ(ReadFileBytes(dir.iniPath()), before);
    EXPECT_EQ(Describe(decisions.seen.get()), "alpha beta=0001 gamma");

    // While the user reads the question, the other program changes beta again: asked again.
    decisions.choices[conflicts.front().key] = MergeChoice::KeepMine;
    OwnedList again;
    Build(again, "alpha beta=0011 gamma");
    ASSERT_EQ(SaveServerList(again.head), ProfileOk);
    ASSERT_EQ(SaveMergedServerList(base.head, mine.head, decisions, conflicts), ProfileOk);
    EXPECT_EQ(Describe(conflicts), "?changed:beta");
    EXPECT_EQ(Describe(decisions.seen.get()), "alpha beta=0011 gamma");

    decisions.choices[conflicts.front().key] = MergeChoice::KeepMine;
    ASSERT_EQ(SaveMergedServerList(base.head, mine.head, decisions, conflicts), ProfileOk);
    EXPECT_TRUE(conflicts.empty());
    OwnedList saved;
    ASSERT_EQ(LoadServerList(saved.head), ProfileOk);
    EXPECT_EQ(Describe(saved.head), "beta=1000 alpha gamma");
}

} // namespace
