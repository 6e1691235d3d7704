// SPDX-License-Identifier: GPL-2.0-or-later
#include "platform/resolver.h"

#include "platform/sockets.h"
#include "tests/support/fake_resolver.h"

#include <gtest/gtest.h>

namespace {

// Only localhost and 127.0.0.1: the tests must not depend on any other name or on a network.
TEST(ResolverTest, SystemResolverFindsLocalhostBothWays)
{
    Resolver& system = CurrentResolver();
    EXPECT_TRUE(system.HasHostByName("localhost"));
    EXPECT_TRUE(system.HasHostByName("127.0.0.1"));
    EXPECT_TRUE(system.HasHostByAddress(InetAddr("127.0.0.1")));
    EXPECT_FALSE(system.HasHostByName(""));
    EXPECT_FALSE(system.HasHostByName(nullptr));
}

TEST(ResolverTest, FakeAnswersFromItsOwnHostsWhileInstalled)
{
    Resolver& system = CurrentResolver();
    {
        FakeResolver fake;
        fake.AddHostName("server1");
        fake.AddHostAddress("10.0.0.7");
        Resolver& current = CurrentResolver();
        ASSERT_EQ(&current, &fake);
        EXPECT_TRUE(current.HasHostByName("SERVER1"));
        EXPECT_FALSE(current.HasHostByName("localhost")) << "the fake knows only what it was given";
        EXPECT_TRUE(current.HasHostByAddress(InetAddr("10.0.0.7")));
        EXPECT_FALSE(current.HasHostByAddress(InetAddr("10.0.0.8")));

        EXPECT_EQ(fake.nameLookups(), (std::vector<std::string>{"SERVER1", "localhost"}));
        EXPECT_EQ(fake.addressLookups(), (std::vector<uint32_t>{InetAddr("10.0.0.7"), InetAddr("10.0.0.8")}));

        FakeResolver inner;
        EXPECT_EQ(&CurrentResolver(), &inner);
    }
    EXPECT_EQ(&CurrentResolver(), &system) << "each fake puts back what it replaced";
}

} // namespace
