// SPDX-License-Identifier: GPL-2.0-or-later
#include "tests/config/config_fixtures.h"

#include <cstdlib>

std::vector<std::string> StreamLines(const ServerEntry& entry)
{
    std::vector<std::string> lines;
    for (const StreamQueue* queue = entry.streamQueues; queue; queue = queue->next)
        lines.push_back(std::to_string(queue->port) + "," + std::to_string(queue->telnetNegotiation));
    return lines;
}

std::vector<std::string> LprLines(const ServerEntry& entry)
{
    std::vector<std::string> lines;
    for (const LprQueue* queue = entry.lprQueues; queue; queue = queue->next)
        lines.push_back(std::string(queue->queueName) + "|" + queue->filter + "|" + queue->userName + "|"
                        + queue->personalName);
    return lines;
}

NoSystemDirectory::NoSystemDirectory()
{
    for (const char* name : {"NORVANE_SYSTEM_DIR", "XDG_CONFIG_HOME", "HOME"}) {
        const char* value = std::getenv(name);
        m_saved.push_back({name, value != nullptr, value ? value : ""});
        unsetenv(name);
    }
}

NoSystemDirectory::~NoSystemDirectory()
{
    for (const Saved& saved : m_saved) {
        if (saved.present)
            setenv(saved.name, saved.value.c_str(), 1);
    }
}

void BuildAlphaBeta(OwnedList& list)
{
    ServerEntry* alpha = list.Add("alpha", 1, 0, 1, 0);
    alpha->defaultStreamQueue = 1;
    AppendStream(*alpha, 515, 0);
    AppendStream(*alpha, 9100, 1);
    ServerEntry* beta = list.Add("beta", 0, 1, 0, 1);
    AppendLpr(*beta, "lp", "f", "guest", "Lab");
}
