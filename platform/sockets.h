// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once
// The sockets layer's start-up, clean-up and dotted-address parsing, with the platform's names.
// Linux sockets need no start-up; the start count only keeps calls paired as the platform demands.
#include <cstdint>
#include <netinet/in.h>  // INADDR_NONE

struct WSADATA {
    uint16_t wVersion;      // the version the caller will use: the one asked for, at most 2.2
    uint16_t wHighVersion;  // the highest this layer offers: 2.2
    char szDescription[257];
    char szSystemStatus[129];
    uint16_t iMaxSockets;
    uint16_t iMaxUdpDg;
    char* lpVendorInfo;
};

inline constexpr int32_t SOCKET_ERROR = -1;
inline constexpr int32_t WSAEFAULT = 10014;
inline constexpr int32_t WSAVERNOTSUPPORTED = 10092;

// Low byte the major version, high byte the minor, as in 0x0101 for 1.1.
constexpr uint16_t MakeSocketsVersion(uint8_t major, uint8_t minor)
{
    return static_cast<uint16_t>(major | (minor << 8));
}

// 0 on success, to be paired with one WSACleanup. WSAEFAULT when `data` is null,
// WSAVERNOTSUPPORTED for a version below 1.0.
[[nodiscard]] int32_t WSAStartup(uint16_t versionRequested, WSADATA* data);

// 0, or SOCKET_ERROR when no start is left to clean up.
int32_t WSACleanup();

// The address in `text` in network byte order, in any form the platform accepts: a.b.c.d, a.b.c
// (c 16 bits), a.b (b 24 bits) or a (32 bits), each part decimal, octal (leading 0) or hex (0x).
// INADDR_NONE for anything else, for null, and (as on the platform) for "255.255.255.255".
[[nodiscard]] uint32_t InetAddr(const char* text);
