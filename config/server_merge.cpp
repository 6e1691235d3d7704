// SPDX-License-Identifier: GPL-2.0-or-later
#include "config/server_merge.h"

#include "platform/profile.h"

#include <cstring>
#include <unordered_map>
#include <unordered_set>
#include <utility>

namespace {

// One server of a list: every entry of its name, in list order. Empty: the list does not have it.
using Server = std::vector<const ServerEntry*>;

class ServerIndex {
public:
    explicit ServerIndex(const ServerEntry* first)
    {
        for (const ServerEntry* entry = first; entry; entry = entry->next)
            m_servers[ProfileNameKey(entry->name)].push_back(entry);
    }

    const Server& Find(const std::string& key) const
    {
        static const Server none;
        const auto found = m_servers.find(key);
        return found == m_servers.end() ? none : found->second;
    }

private:
    std::unordered_map<std::string, Server> m_servers;
};

bool SameStreamQueues(const StreamQueue* a, const StreamQueue* b)
{
    for (; a && b; a = a->next, b = b->next) {
        if (a->port != b->port || a->telnetNegotiation != b->telnetNegotiation)
            return false;
    }
    return !a && !b;
}

bool SameText(const char (&a)[kTextFieldSize], const char (&b)[kTextFieldSize])
{
    return std::strncmp(a, b, kTextFieldSize) == 0;
}

bool SameLprQueues(const LprQueue* a, const LprQueue* b)
{
    for (; a && b; a = a->next, b = b->next) {
        if (!SameText(a->queueName, b->queueName) || !SameText(a->filter, b->filter)
            || !SameText(a->userName, b->userName) || !SameText(a->personalName, b->personalName))
            return false;
    }
    return !a && !b;
}

bool SameServer(const Server& a, const Server& b)
{
    if (a.size() != b.size())
        return false;
    for (size_t i = 0; i < a.size(); ++i) {
        if (!SameSavedEntry(*a[i], *b[i]))
            return false;
    }
    return true;
}

ConflictKind KindOf(const Server& base, const Server& mine, const Server& theirs)
{
    if (base.empty())
        return ConflictKind::AddedOnBothSides;
    if (mine.empty())
        return ConflictKind::RemovedHereChangedThere;
    if (theirs.empty())
        return ConflictKind::ChangedHereRemovedThere;
    return ConflictKind::ChangedOnBothSides;
}

// Copies entries one at a time to the end of a list that owns them until it is taken.
class ListBuilder {
public:
    ~ListBuilder() { (void)FreeServerList(m_head); }

    [[nodiscard]] bool Append(const ServerEntry& entry)
    {
        ServerList copy = nullptr;
        if (CopyServerEntries(&entry, copy, false) != ProfileOk)
            return false;
        *m_tail = copy;
        m_tail = &copy->next;
        return true;
    }

    ServerList Take()
    {
        m_tail = &m_head;
        return std::exchange(m_head, nullptr);
    }

private:
    ServerList m_head = nullptr;
    ServerList* m_tail = &m_head;
};

} // namespace

bool SameSavedEntry(const ServerEntry& a, const ServerEntry& b)
{
    if (!SameText(a.name, b.name) || a.nfsDriveMounts != b.nfsDriveMounts || a.nfsPrinterMounts != b.nfsPrinterMounts
        || a.streamPrinting != b.streamPrinting || a.lprPrinting != b.lprPrinting)
        return false;
    if (a.streamPrinting
        && (a.defaultStreamQueue != b.defaultStreamQueue || !SameStreamQueues(a.streamQueues, b.streamQueues)))
        return false;
    return !a.lprPrinting || SameLprQueues(a.lprQueues, b.lprQueues);
}

bool SameServerLists(const ServerEntry* first, const ServerEntry* second)
{
    for (; first && second; first = first->next, second = second->next) {
        if (!SameSavedEntry(*first, *second))
            return false;
    }
    return !first && !second;
}

ProfileResult MergeServerLists(const ServerEntry* base, const ServerEntry* mine, const ServerEntry* theirs,
                               const MergeDecisions& decisions, ServerList& merged,
                               std::vector<MergeConflict>& conflicts)
{
    const ServerIndex baseIndex(base);
    const ServerIndex mineIndex(mine);
    const ServerIndex theirsIndex(theirs);
    const ServerIndex seenIndex(decisions.seen.get());

    // Whose version each server of mine or theirs takes; a server only base has is gone either way.
    std::unordered_set<std::string> fromMine;
    std::unordered_set<std::string> decided;
    const auto decide = [&](const ServerEntry* entry) {
        std::string key = ProfileNameKey(entry->name);
        if (!decided.insert(key).second)
            return;
        const Server& was = baseIndex.Find(key);
        const Server& mineNow = mineIndex.Find(key);
        const Server& theirsNow = theirsIndex.Find(key);
        if (SameServer(mineNow, was))
            return;
        if (SameServer(theirsNow, was) || SameServer(mineNow, theirsNow)) {
            fromMine.insert(std::move(key));
            return;
        }
        const auto choice = decisions.choices.find(key);
        if (choice != decisions.choices.end() && SameServer(seenIndex.Find(key), theirsNow)) {
            if (choice->second == MergeChoice::KeepMine)
                fromMine.insert(std::move(key));
            return;
        }
        const ServerEntry* shown = mineNow.empty() ? theirsNow.front() : mineNow.front();
        conflicts.push_back({key, shown->name, KindOf(was, mineNow, theirsNow)});
    };
    for (const ServerEntry* entry = mine; entry; entry = entry->next)
        decide(entry);
    for (const ServerEntry* entry = theirs; entry; entry = entry->next)
        decide(entry);
    if (!conflicts.empty())
        return ProfileOk;

    ListBuilder list;
    for (const ServerEntry* entry = mine; entry; entry = entry->next) {
        if (fromMine.contains(ProfileNameKey(entry->name)) && !list.Append(*entry))
            return ProfileFailed;
    }
    for (const ServerEntry* entry = theirs; entry; entry = entry->next) {
        if (!fromMine.contains(ProfileNameKey(entry->name)) && !list.Append(*entry))
            return ProfileFailed;
    }
    merged = list.Take();
    return ProfileOk;
}
