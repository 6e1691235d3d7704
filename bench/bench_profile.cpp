// SPDX-License-Identifier: GPL-2.0-or-later
#include "bench/bench_profile.h"

#include "config/server_file.h"

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <fcntl.h>
#include <filesystem>
#include <stdexcept>
#include <sys/stat.h>

BenchSystemDir& BenchSystemDir::Instance()
{
    static BenchSystemDir dir;
    return dir;
}

BenchSystemDir::BenchSystemDir()
{
    std::string pattern = (std::filesystem::temp_directory_path() / "norvane-bench-XXXXXX").string();
    if (!mkdtemp(pattern.data()))
        throw std::runtime_error("cannot create a temporary system directory");
    m_path = pattern;
    setenv("NORVANE_SYSTEM_DIR", m_path.c_str(), 1);
}

BenchSystemDir::~BenchSystemDir()
{
    std::error_code ignored;
    std::filesystem::remove_all(m_path, ignored);
}

namespace {

template <typename Record>
Record* Prepend(Record*& head)
{
    auto* record = new Record{};
    record->next = head;
    head = record;
    return record;
}

void SetText(char (&field)[kTextFieldSize], const char* text)
{
    std::snprintf(field, sizeof field, "%s", text);
}

} // namespace

ServerList BuildServerList(int servers)
{
    // Built back to front, since records go in front of a list.
    ServerList list = nullptr;
    for (int n = servers; n >= 1; --n) {
        ServerEntry* entry = Prepend(list);
        // A step prime to every size used walks all the numbers once, out of order.
        std::snprintf(entry->name, sizeof entry->name, "nfs-host-%05d", 1 + static_cast<int>((n * 7919L) % servers));
        entry->nfsDriveMounts = entry->nfsPrinterMounts = entry->streamPrinting = entry->lprPrinting = 1;
        entry->defaultStreamQueue = 1;
        for (uint32_t port : {9101u, 9100u}) {
            StreamQueue* queue = Prepend(entry->streamQueues);
            queue->port = port;
            queue->telnetNegotiation = port == 9100;
        }
        for (const char* queueName : {"raw", "lp"}) {
            LprQueue* queue = Prepend(entry->lprQueues);
            SetText(queue->queueName, queueName);
            SetText(queue->filter, "f");
            SetText(queue->userName, "guest");
            SetText(queue->personalName, "Print Room");
        }
    }
    return list;
}

bool WriteProgramFiles(const std::string& directory, int servers)
{
    setenv("NORVANE_SYSTEM_DIR", directory.c_str(), 1);
    FILE* registry = std::fopen((directory + "/registry.reg").c_str(), "w");
    if (!registry)
        return false;
    std::fputs("REGEDIT4\r\n\r\n[HKEY_LOCAL_MACHINE\\System\\CurrentControlSet\\Services\\VxD\\KQNET95]\r\n"
               "\"StaticVxD\"=\"VKQNFS.VXD\"\r\n",
               registry);
    const bool written = std::fclose(registry) == 0;
    std::filesystem::remove(directory + "/kqnet.ini");
    ServerList list = BuildServerList(servers);
    const bool saved = SaveServerList(list) == ProfileOk;
    FreeServerList(list);
    return written && saved;
}

bool WriteFreshProfile(const ServerEntry* list)
{
    std::filesystem::remove(BenchSystemDir::Instance().iniPath());
    return SaveServerList(list) == ProfileOk;
}

bool WriteServers(int servers)
{
    ListGuard source{BuildServerList(servers)};
    return WriteFreshProfile(source.head);
}

bool WriteServersOrSkip(benchmark::State& state)
{
    if (WriteServers(static_cast<int>(state.range(0))))
        return true;
    state.SkipWithError("cannot write the profile");
    return false;
}

void TouchProfile()
{
    static long nanoseconds = 0;
    nanoseconds = (nanoseconds + 1) % 1000000000;
    const timespec times[2] = {{0, UTIME_OMIT}, {1700000000, nanoseconds}};
    utimensat(AT_FDCWD, BenchSystemDir::Instance().iniPath().c_str(), times, 0);
}
