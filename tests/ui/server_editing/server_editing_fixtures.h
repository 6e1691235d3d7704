// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once
// Records and control readings shared by the server editing tests.
#include <cstdint>
#include <string>
#include <vector>

#include "config/server_records.h"
#include "tests/support/server_records_builders.h"
#include "ui/base/dialog.h"

// One entry owned for the length of a test, released with its queues through FreeServerList.
class OwnedEntry {
public:
    OwnedEntry();   // as the main window's Add makes it: drive and printer mounts, default queue
    ~OwnedEntry() { FreeServerList(entry); }
    OwnedEntry(const OwnedEntry&) = delete;
    OwnedEntry& operator=(const OwnedEntry&) = delete;

    ServerEntry* operator->() const { return entry; }
    ServerEntry& operator*() const { return *entry; }

    ServerEntry* entry;
};

void SetName(ServerEntry& entry, const std::string& name);

std::vector<uint32_t> Ports(const ServerEntry& entry);
std::vector<std::string> QueueNames(const ServerEntry& entry);

// A control's state in the running dialog.
std::vector<std::string> RowTexts(CDialog& dialog, int listId);
bool Enabled(CDialog& dialog, int id);
bool Visible(CDialog& dialog, int id);
std::string Text(CDialog& dialog, int id);
int Checked(CDialog& dialog, int id);
int Selection(CDialog& dialog, int id);
