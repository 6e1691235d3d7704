// SPDX-License-Identifier: GPL-2.0-or-later
#include "tests/support/server_records_builders.h"

#include <cstring>

namespace {

template <typename Record>
Record* Append(Record*& head, Record* record)
{
    Record** link = &head;
    while (*link)
        link = &(*link)->next;
    *link = record;
    return record;
}

}   // namespace

ServerEntry* OwnedList::Add(const std::string& name, int32_t drive, int32_t printer, int32_t stream, int32_t lpr)
{
    auto* entry = new ServerEntry{};
    SetField(entry->name, name);
    entry->nfsDriveMounts = drive;
    entry->nfsPrinterMounts = printer;
    entry->streamPrinting = stream;
    entry->lprPrinting = lpr;
    return Append(head, entry);
}

std::vector<std::string> OwnedList::Names() const
{
    std::vector<std::string> names;
    for (const ServerEntry* entry = head; entry; entry = entry->next)
        names.emplace_back(entry->name);
    return names;
}

StreamQueue* AppendStream(ServerEntry& entry, uint32_t port, int32_t telnet)
{
    auto* queue = new StreamQueue{};
    queue->port = port;
    queue->telnetNegotiation = telnet;
    return Append(entry.streamQueues, queue);
}

LprQueue* AppendLpr(ServerEntry& entry, const std::string& queue, const std::string& filter, const std::string& user,
                    const std::string& personal)
{
    auto* record = new LprQueue{};
    SetField(record->queueName, queue);
    SetField(record->filter, filter);
    SetField(record->userName, user);
    SetField(record->personalName, personal);
    return Append(entry.lprQueues, record);
}

void SetField(char (&field)[kTextFieldSize], const std::string& text)
{
    std::strncpy(field, text.c_str(), kTextFieldSize - 1);
    field[kTextFieldSize - 1] = '\0';
}
