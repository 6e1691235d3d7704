#pragma once
// Record builders and environment guards for the configuration store's tests.
#include "config/server_records.h"

#include <string>
#include <vector>

// Owns a server list for the length of a test, so every record is released through FreeServerList.
class OwnedList {
public:
    OwnedList() = default;
    ~OwnedList() { FreeServerList(head); }
    OwnedList(const OwnedList&) = delete;
    OwnedList& operator=(const OwnedList&) = delete;

    // Appends (tests build lists in reading order) and returns the new entry.
    ServerEntry* Add(const std::string& name, int32_t drive, int32_t printer, int32_t stream, int32_t lpr);
    std::vector<std::string> Names() const;

    ServerList head = nullptr;
};

void AppendStream(ServerEntry& entry, uint32_t port, int32_t telnet);
void AppendLpr(ServerEntry& entry, const char* queue, const char* filter, const char* user, const char* personal);

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
