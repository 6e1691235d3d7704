// SPDX-License-Identifier: GPL-2.0-or-later
#include "platform/sockets.h"

#include <gtest/gtest.h>

#include <array>
#include <cstring>
#include <string>

namespace {

std::array<uint8_t, 4> BytesOf(uint32_t address)
{
    std::array<uint8_t, 4> bytes{};
    std::memcpy(bytes.data(), &address, 4);
    return bytes;
}

TEST(SocketsTest, InetAddrAcceptsThePlatformsForms)
{
    struct Case {
        const char* text;
        std::array<uint8_t, 4> bytes;  // in memory: network byte order
    };
    const Case cases[] = {
        {"127.0.0.1", {127, 0, 0, 1}},
        {"10.1.2", {10, 1, 0, 2}},          // last part 16 bits
        {"10.65538", {10, 1, 0, 2}},        // last part 24 bits
        {"167837698", {10, 1, 0, 2}},       // one 32-bit number
        {"0x7f.0.0.01", {127, 0, 0, 1}},    // hex and octal parts
        {"012.0x10.0X10.010", {10, 16, 16, 8}},
        {"0.0.0.0", {0, 0, 0, 0}},
    };
    for (const Case& c : cases)
        EXPECT_EQ(BytesOf(InetAddr(c.text)), c.bytes) << c.text;
}

TEST(SocketsTest, InetAddrRejectsEverythingElse)
{
    for (const char* text : {"", " ", "server1", "1.2.3.256", "1.2.3.4.5", "1..2.3", "08.1.1.1", "0x100000000",
                             "1.2.65536", "-1.2.3.4", "255.255.255.255"})
        EXPECT_EQ(InetAddr(text), INADDR_NONE) << '"' << text << '"';
    EXPECT_EQ(InetAddr(nullptr), INADDR_NONE);
}

TEST(SocketsTest, StartReportsVersionAndPairsWithCleanup)
{
    WSADATA data;
    std::memset(&data, 0x55, sizeof data);
    ASSERT_EQ(WSAStartup(0x0101, &data), 0);
    EXPECT_EQ(data.wVersion, 0x0101);
    EXPECT_EQ(data.wHighVersion, MakeSocketsVersion(2, 2));
    EXPECT_LT(std::strlen(data.szDescription), sizeof data.szDescription);
    EXPECT_LT(std::strlen(data.szSystemStatus), sizeof data.szSystemStatus);

    ASSERT_EQ(WSAStartup(MakeSocketsVersion(3, 0), &data), 0);
    EXPECT_EQ(data.wVersion, MakeSocketsVersion(2, 2)) << "a newer version than offered gets the highest";

    EXPECT_EQ(WSACleanup(), 0);
    EXPECT_EQ(WSACleanup(), 0);
    EXPECT_EQ(WSACleanup(), SOCKET_ERROR) << "more clean-ups than starts";
}

TEST(SocketsTest, StartRefusesBadRequests)
{
    WSADATA data;
    EXPECT_EQ(WSAStartup(0x0101, nullptr), WSAEFAULT);
    EXPECT_EQ(WSAStartup(MakeSocketsVersion(0, 9), &data), WSAVERNOTSUPPORTED);
    EXPECT_EQ(WSACleanup(), SOCKET_ERROR) << "refused starts need no clean-up";
}

} // namespace
