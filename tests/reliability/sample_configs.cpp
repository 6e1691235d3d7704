// SPDX-License-Identifier: GPL-2.0-or-later
#include "tests/reliability/sample_configs.h"

#include "config/server_file.h"

#include <cstdio>
#include <ctime>
#include <cstdlib>
#include <string_view>

namespace {

ServerEntry* BuildServer(int variant, int i)
{
    auto* entry = new ServerEntry{};
    char name[32];
    std::snprintf(name, sizeof name, "host%05d", i);
    SetField(entry->name, name);
    entry->nfsDriveMounts = (i + variant) % 2;
    entry->nfsPrinterMounts = (i + variant + 1) % 3 != 0;
    entry->streamPrinting = i % 3 != 0;
    entry->lprPrinting = i % 2 == 0;
    // What a load gives back: no queues for a method that is off, and the default queue for a server
    // that does not stream.
    entry->defaultStreamQueue = entry->streamPrinting ? (i + variant) % 2 : 1;
    for (int k = 0; entry->streamPrinting && k <= i % 3; ++k)
        AppendStream(*entry, variant == 0 ? 9100u + static_cast<uint32_t>(k) : 515u + static_cast<uint32_t>(i % 100 + k),
                     (k + variant) % 2);
    for (int k = 0; entry->lprPrinting && k <= i % 4; ++k)
        AppendLpr(*entry, (variant == 0 ? "lp" : "raw") + std::to_string(k), variant == 0 ? "f" : "l",
                  (variant == 0 ? "userA" : "userB") + std::to_string(i), variant == 0 ? "Lab A" : "Print room B");
    return entry;
}

template <typename Record, typename Same>
std::string CompareQueues(const char* what, const Record* a, const Record* b, Same same)
{
    for (int k = 1; a || b; ++k, a = a->next, b = b->next) {
        if (!a || !b)
            return std::string(what) + " queue count differs at " + std::to_string(k);
        if (!same(*a, *b))
            return std::string(what) + " queue " + std::to_string(k) + " differs";
    }
    return {};
}

} // namespace

ServerList BuildSampleConfig(int variant, int servers)
{
    ServerList list = nullptr;
    ServerList* tail = &list;
    for (int n = 0; n < servers; ++n, tail = &(*tail)->next)
        *tail = BuildServer(variant, variant == 0 ? n : servers - 1 - n);
    return list;
}

std::string DescribeDifference(const ServerEntry* expected, const ServerEntry* actual)
{
    const auto sameStream = [](const StreamQueue& a, const StreamQueue& b) {
        return a.port == b.port && a.telnetNegotiation == b.telnetNegotiation;
    };
    const auto sameLpr = [](const LprQueue& a, const LprQueue& b) {
        return std::string_view(a.queueName) == b.queueName && std::string_view(a.filter) == b.filter
            && std::string_view(a.userName) == b.userName && std::string_view(a.personalName) == b.personalName;
    };
    for (int n = 1; expected || actual; ++n, expected = expected->next, actual = actual->next) {
        const std::string where = "server " + std::to_string(n) + ": ";
        if (!expected || !actual)
            return where + (expected ? "missing" : "extra");
        if (std::string_view(expected->name) != actual->name)
            return where + "name " + expected->name + " became " + actual->name;
        if (expected->nfsDriveMounts != actual->nfsDriveMounts || expected->nfsPrinterMounts != actual->nfsPrinterMounts
            || expected->streamPrinting != actual->streamPrinting || expected->lprPrinting != actual->lprPrinting
            || expected->defaultStreamQueue != actual->defaultStreamQueue)
            return where + expected->name + " flags differ";
        std::string queues = CompareQueues("stream", expected->streamQueues, actual->streamQueues, sameStream);
        if (queues.empty())
            queues = CompareQueues("LPR", expected->lprQueues, actual->lprQueues, sameLpr);
        if (!queues.empty())
            return where + expected->name + " " + queues;
    }
    return {};
}

ServerList LoadNow()
{
    ServerList list = nullptr;
    if (LoadServerList(list) != ProfileOk) {
        FreeServerList(list);
        return nullptr;
    }
    return list;
}

int EnvCount(const char* name, int fallback)
{
    const char* text = std::getenv(name);
    if (!text || !*text)
        return fallback;
    const long value = std::strtol(text, nullptr, 10);
    return value > 0 ? static_cast<int>(value) : fallback;
}

double ThreadMs()
{
    timespec now {};
    clock_gettime(CLOCK_THREAD_CPUTIME_ID, &now);
    return static_cast<double>(now.tv_sec) * 1e3 + static_cast<double>(now.tv_nsec) / 1e6;
}

void ReportFigure(const char* name, int64_t value)
{
    std::printf("[figure] %s=%lld\n", name, static_cast<long long>(value));
    std::fflush(stdout);
}
