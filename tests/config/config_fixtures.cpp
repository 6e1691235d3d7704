#include "tests/config/config_fixtures.h"

#include <cstdlib>
#include <cstring>

namespace {

template <typename Record>
void AppendRecord(Record*& head, Record* record)
{
    Record** link = &head;
    while (*link)
        link = &(*link)->next;
    *link = record;
}

void SetText(char (&field)[kTextFieldSize], const std::string& text)
{
    std::strncpy(field, text.c_str(), kTextFieldSize - 1);
    field[kTextFieldSize - 1] = '\0';
}

} // namespace

ServerEntry* OwnedList::Add(const std::string& name, int32_t drive, int32_t printer, int32_t stream, int32_t lpr)
{
    auto* entry = new ServerEntry{};
    SetText(entry->name, name);
    entry->nfsDriveMounts = drive;
    entry->nfsPrinterMounts = printer;
    entry->streamPrinting = stream;
    entry->lprPrinting = lpr;
    AppendRecord(head, entry);
    return entry;
}

std::vector<std::string> OwnedList::Names() const
{
    std::vector<std::string> names;
    for (const ServerEntry* entry = head; entry; entry = entry->next)
        names.emplace_back(entry->name);
    return names;
}

void AppendStream(ServerEntry& entry, uint32_t port, int32_t telnet)
{
    auto* queue = new StreamQueue{};
    queue->port = port;
    queue->telnetNegotiation = telnet;
    AppendRecord(entry.streamQueues, queue);
}

void AppendLpr(ServerEntry& entry, const char* queueName, const char* filter, const char* user, const char* personal)
{
    auto* queue = new LprQueue{};
    SetText(queue->queueName, queueName);
    SetText(queue->filter, filter);
    SetText(queue->userName, user);
    SetText(queue->personalName, personal);
    AppendRecord(entry.lprQueues, queue);
}

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
