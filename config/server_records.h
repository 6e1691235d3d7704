// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once
// The server configuration in memory: plain records in singly linked lists.
//
// Ownership: whoever holds a list head owns every record of that chain, and a ServerEntry owns its
// two queue lists. Records are allocated with `new` (value-initialised, e.g. `new ServerEntry{}`)
// and released only through the Free operations below, a chain at a time: to release one record,
// unlink it and set its `next` to null first. New records and copies go to the front of a list;
// only the loader appends, so a freshly loaded list is in file order.
#include "config/profile_result.h"

#include <cstddef>
#include <cstdint>

// Capacity of every text field, terminator included: at most 259 characters are ever stored.
inline constexpr std::size_t kTextFieldSize = 260;

struct LprQueue {
    LprQueue* next = nullptr;
    char queueName[kTextFieldSize] = {};
    char filter[kTextFieldSize] = {};     // normally one letter naming the filter type
    char userName[kTextFieldSize] = {};
    char personalName[kTextFieldSize] = {};
};

struct StreamQueue {
    StreamQueue* next = nullptr;
    uint32_t port = 0;                    // 1 to 65536
    int32_t telnetNegotiation = 0;
};

// The four resource flags keep this order everywhere: record, file line, check boxes.
// Flags are zero for off and anything else for on.
struct ServerEntry {
    ServerEntry* next = nullptr;
    char name[kTextFieldSize] = {};       // host name or dotted IPv4 address
    int32_t nfsDriveMounts = 0;
    int32_t nfsPrinterMounts = 0;
    int32_t streamPrinting = 0;
    int32_t lprPrinting = 0;
    LprQueue* lprQueues = nullptr;
    StreamQueue* streamQueues = nullptr;
    int32_t defaultStreamQueue = 0;       // port 9100 with telnet negotiation
};

// The first entry of the list; null is the empty list.
using ServerList = ServerEntry*;

// Release the chain from `first` to its end (a server with both of its queue lists).
// A null start does nothing. Always ProfileOk.
ProfileResult FreeServerList(ServerEntry* first);
ProfileResult FreeStreamQueues(StreamQueue* first);
ProfileResult FreeLprQueues(LprQueue* first);

// Deep-copy `source` alone, or with `wholeChain` the chain from `source` to its end, and put the
// copies, in source order, in front of `destination`. The copies share no record with the source.
// A null source copies nothing and leaves `destination` as it was. ProfileFailed when memory runs
// out; `destination` is then unchanged and nothing leaks.
[[nodiscard]] ProfileResult CopyServerEntries(const ServerEntry* source, ServerList& destination, bool wholeChain);
[[nodiscard]] ProfileResult CopyStreamQueues(const StreamQueue* source, StreamQueue*& destination, bool wholeChain);
[[nodiscard]] ProfileResult CopyLprQueues(const LprQueue* source, LprQueue*& destination, bool wholeChain);

// Unlink `entry` (found by identity, not by name) from `list`, release it with its queues and set
// `entry` to null. ProfileFailed, with nothing changed, when the list is empty or `entry` is not in it.
[[nodiscard]] ProfileResult RemoveServerEntry(ServerEntry*& entry, ServerList& list);
