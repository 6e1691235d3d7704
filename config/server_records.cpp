// SPDX-License-Identifier: GPL-2.0-or-later
#include "config/server_records.h"

#include <cstring>
#include <new>

namespace {

// Generic over the three record kinds: walk a chain, reading each link before the record goes.
template <typename Record, typename ReleaseContents>
void FreeChain(Record* record, ReleaseContents releaseContents)
{
    while (record) {
        Record* next = record->next;
        releaseContents(*record);
        delete record;
        record = next;
    }
}

void CopyText(char (&to)[kTextFieldSize], const char (&from)[kTextFieldSize])
{
    // A source that lost its terminator still yields a terminated copy within the field.
    std::memcpy(to, from, kTextFieldSize - 1);
    to[kTextFieldSize - 1] = '\0';
}

// Copies the single record `from` into a fresh one; false when memory or a nested copy fails.
bool CopyRecord(const StreamQueue& from, StreamQueue*& copy)
{
    copy = new (std::nothrow) StreamQueue{};
    if (!copy)
        return false;
    copy->port = from.port;
    copy->telnetNegotiation = from.telnetNegotiation;
    return true;
}

bool CopyRecord(const LprQueue& from, LprQueue*& copy)
{
    copy = new (std::nothrow) LprQueue{};
    if (!copy)
        return false;
    CopyText(copy->queueName, from.queueName);
    CopyText(copy->filter, from.filter);
    CopyText(copy->userName, from.userName);
    CopyText(copy->personalName, from.personalName);
    return true;
}

bool CopyRecord(const ServerEntry& from, ServerEntry*& copy)
{
    copy = new (std::nothrow) ServerEntry{};
    if (!copy)
        return false;
    CopyText(copy->name, from.name);
    copy->nfsDriveMounts = from.nfsDriveMounts;
    copy->nfsPrinterMounts = from.nfsPrinterMounts;
    copy->streamPrinting = from.streamPrinting;
    copy->lprPrinting = from.lprPrinting;
    copy->defaultStreamQueue = from.defaultStreamQueue;
    return CopyLprQueues(from.lprQueues, copy->lprQueues, true) == ProfileOk
        && CopyStreamQueues(from.streamQueues, copy->streamQueues, true) == ProfileOk;
}

// The copies are built as a separate chain and joined to the destination only when all of them
// exist, so a failure part-way leaves the destination untouched.
template <typename Record, typename Free>
ProfileResult CopyChain(const Record* source, Record*& destination, bool wholeChain, Free freeChain)
{
    Record* first = nullptr;
    Record** link = &first;
    for (const Record* from = source; from; from = wholeChain ? from->next : nullptr) {
        Record* copy = nullptr;
        const bool copied = CopyRecord(*from, copy);
        *link = copy;
        if (!copied) {
            freeChain(first);
            return ProfileFailed;
        }
        link = &copy->next;
    }
    if (first) {
        *link = destination;
        destination = first;
    }
    return ProfileOk;
}

} // namespace

ProfileResult FreeStreamQueues(StreamQueue* first)
{
    FreeChain(first, [](StreamQueue&) {});
    return ProfileOk;
}

ProfileResult FreeLprQueues(LprQueue* first)
{
    FreeChain(first, [](LprQueue&) {});
    return ProfileOk;
}

ProfileResult FreeServerList(ServerEntry* first)
{
    FreeChain(first, [](ServerEntry& entry) {
        FreeLprQueues(entry.lprQueues);
        FreeStreamQueues(entry.streamQueues);
    });
    return ProfileOk;
}

ProfileResult CopyStreamQueues(const StreamQueue* source, StreamQueue*& destination, bool wholeChain)
{
    return CopyChain(source, destination, wholeChain, FreeStreamQueues);
}

ProfileResult CopyLprQueues(const LprQueue* source, LprQueue*& destination, bool wholeChain)
{
    return CopyChain(source, destination, wholeChain, FreeLprQueues);
}

ProfileResult CopyServerEntries(const ServerEntry* source, ServerList& destination, bool wholeChain)
{
    return CopyChain(source, destination, wholeChain, FreeServerList);
}

ProfileResult RemoveServerEntry(ServerEntry*& entry, ServerList& list)
{
    ServerEntry** link = &list;
    while (*link && *link != entry)
        link = &(*link)->next;
    if (!*link)
        return ProfileFailed;
    *link = entry->next;
    entry->next = nullptr;
    FreeServerList(entry);
    entry = nullptr;
    return ProfileOk;
}
