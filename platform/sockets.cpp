// SPDX-License-Identifier: GPL-2.0-or-later
#include "platform/sockets.h"

#include <arpa/inet.h>
#include <atomic>
#include <cstring>

namespace {

std::atomic<int> g_starts{0};

constexpr uint16_t kHighestVersion = MakeSocketsVersion(2, 2);

// Versions compare by major, then minor; the word has them the other way round.
int VersionOrder(uint16_t version)
{
    return (version & 0xFF) << 8 | version >> 8;
}

} // namespace

int32_t WSAStartup(uint16_t versionRequested, WSADATA* data)
{
    if (!data)
        return WSAEFAULT;
    if ((versionRequested & 0xFF) < 1)
        return WSAVERNOTSUPPORTED;
    std::memset(data, 0, sizeof *data);
    data->wVersion = VersionOrder(versionRequested) < VersionOrder(kHighestVersion) ? versionRequested : kHighestVersion;
    data->wHighVersion = kHighestVersion;
    std::strcpy(data->szDescription, "Norvane sockets on Linux");
    std::strcpy(data->szSystemStatus, "Running");
    data->iMaxSockets = 0xFFFF;
    data->iMaxUdpDg = 0xFFFF;
    ++g_starts;
    return 0;
}

int32_t WSACleanup()
{
    int starts = g_starts.load();
    do {
        if (starts == 0)
            return SOCKET_ERROR;
    } while (!g_starts.compare_exchange_weak(starts, starts - 1));
    return 0;
}

uint32_t InetAddr(const char* text)
{
    if (!text)
        return INADDR_NONE;
    return ::inet_addr(text);
}
