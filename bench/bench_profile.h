#pragma once
// The setting the server-list benchmarks share: a private system directory holding a kqnet.ini of a
// given size, and the list that produced it.
#include "config/server_records.h"

#include <string>

// Points NORVANE_SYSTEM_DIR at a fresh temporary folder for the whole run.
class BenchSystemDir {
public:
    static BenchSystemDir& Instance();
    const std::string& path() const { return m_path; }
    std::string iniPath() const { return m_path + "/kqnet.ini"; }

    BenchSystemDir(const BenchSystemDir&) = delete;
    BenchSystemDir& operator=(const BenchSystemDir&) = delete;

private:
    BenchSystemDir();
    ~BenchSystemDir();
    std::string m_path;
};

// `servers` servers, each with its four resources on, two stream and two LPR queues.
ServerList BuildServerList(int servers);

// Replaces kqnet.ini by the saved form of `list`; false when the save failed.
[[nodiscard]] bool WriteFreshProfile(const ServerEntry* list);

// Gives the file a new modification time, so the next read parses it afresh as after a restart.
void TouchProfile();
