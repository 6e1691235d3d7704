// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once
// Server lists built by hand for tests, released through FreeServerList whatever the test does.
#include <cstdint>
#include <string>
#include <vector>

#include "config/server_records.h"

// Owns a server list for the length of a test.
class OwnedList {
public:
    OwnedList() = default;
    explicit OwnedList(ServerList list) : head(list) {}
    ~OwnedList() { FreeServerList(head); }
    OwnedList(const OwnedList&) = delete;
    OwnedList& operator=(const OwnedList&) = delete;

    // Appends (tests build lists in reading order) and returns the new entry.
    ServerEntry* Add(const std::string& name, int32_t drive, int32_t printer, int32_t stream, int32_t lpr);
    std::vector<std::string> Names() const;

    ServerList head = nullptr;
};

// Append, so that a test lists queues in the order it expects them. Texts are cut to a field.
StreamQueue* AppendStream(ServerEntry& entry, uint32_t port, int32_t telnet);
LprQueue* AppendLpr(ServerEntry& entry, const std::string& queue, const std::string& filter = "v",
                    const std::string& user = "", const std::string& personal = "");
// A text into a record's field, cut to its capacity.
void SetField(char (&field)[kTextFieldSize], const std::string& text);
