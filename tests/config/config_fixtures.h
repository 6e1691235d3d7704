// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once
// Record builders and environment guards for the configuration store's tests.
#include "config/server_records.h"
#include "tests/support/server_records_builders.h"

#include <string>
#include <vector>

// Every queue as "port,telnet" or "queue|filter|user|personal", in list order.
std::vector<std::string> StreamLines(const ServerEntry& entry);
std::vector<std::string> LprLines(const ServerEntry& entry);

// Removes every source of a system directory for the length of a test, restoring them afterwards.
class NoSystemDirectory {
public:
    NoSystemDirectory();
    ~NoSystemDirectory();
    NoSystemDirectory(const NoSystemDirectory&) = delete;
    NoSystemDirectory& operator=(const NoSystemDirectory&) = delete;

private:
    struct Saved {
        const char* name;
        bool present;
        std::string value;
    };
    std::vector<Saved> m_saved;
};

// The worked two-server list: alpha (drive, streaming on two queues), beta (printer, one LPR queue).
void BuildAlphaBeta(OwnedList& list);
