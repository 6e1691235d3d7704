// A registry file with very many values: read in time that grows with its size, and a value listed
// again, under any case of its name, still replaces the first in its place.
#include "platform/registry_file.h"
#include "tests/reliability/sample_configs.h"

#include <gtest/gtest.h>

#include <chrono>
#include <string>

namespace {

std::string ManyValues(int count)
{
    std::string text = "REGEDIT4\n[HKEY_LOCAL_MACHINE\\Key]\n";
    for (int i = 0; i < count; ++i)
        text += "\"Value" + std::to_string(i) + "\"=\"" + std::to_string(i) + "\"\n";
    return text;
}

double FastestParseMs(const std::string& text)
{
    double best = 1e12;
    for (int run = 0; run < 3; ++run) {
        const auto start = std::chrono::steady_clock::now();
        const auto keys = ParseRegistryText(text);
        best = std::min(best, std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start).count());
        EXPECT_TRUE(keys.has_value());
    }
    return best;
}

TEST(HostileRegistry, ManyValuesInOneKeyParseInLinearTime)
{
    const int values = EnvCount("NORVANE_REGISTRY_VALUES", 20000);
    const double small = FastestParseMs(ManyValues(values / 4));
    const double big = FastestParseMs(ManyValues(values));
    // Quadratic growth gives 16; linear 4.
    EXPECT_LT(big, 10 * small) << small << " ms, then " << big << " ms";
}

TEST(HostileRegistry, AValueListedAgainReplacesTheFirstInItsPlace)
{
    const auto keys = ParseRegistryText("REGEDIT4\n[HKEY_LOCAL_MACHINE\\Key]\n\"a\"=\"1\"\n\"b\"=\"2\"\n"
                                        "[HKEY_LOCAL_MACHINE\\Other]\n\"A\"=\"other\"\n"
                                        "[HKEY_LOCAL_MACHINE\\key]\n\"A\"=dword:00000003\n");
    ASSERT_TRUE(keys.has_value());
    const auto& values = keys->at("HKEY_LOCAL_MACHINE\\KEY");
    ASSERT_EQ(values.size(), 2u);
    EXPECT_EQ(values[0].name, "a");
    EXPECT_EQ(values[0].data, std::string("\3\0\0\0", 4));
    EXPECT_EQ(values[1].data, std::string("2\0", 2));
    EXPECT_EQ(keys->at("HKEY_LOCAL_MACHINE\\OTHER").at(0).data, std::string("other\0", 6));
}

} // namespace
