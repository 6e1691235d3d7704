// SPDX-License-Identifier: GPL-2.0-or-later
// A registry file with very many values or very deep keys: read in time and memory that grow with
// its size, and a value listed again, under any case of its name, still replaces the first in its
// place. Something else at the registry file's place is not read: start-up neither blocks nor
// crashes, and the component counts as not installed.
#include "platform/registry.h"
#include "platform/registry_file.h"
#include "tests/reliability/child_process.h"
#include "tests/reliability/sample_configs.h"
#include "tests/support/temp_system_dir.h"

#include <gtest/gtest.h>

#include <chrono>
#include <ctime>
#include <functional>
#include <string>
#include <sys/stat.h>
#include <unistd.h>

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
        const double start = ThreadMs();
        const auto keys = ParseRegistryText(text);
        best = std::min(best, ThreadMs() - start);
        EXPECT_TRUE(keys.has_value());
    }
    return best;
}

TEST(HostileRegistry, ManyValuesInOneKeyParseInLinearTime)
{
    const int values = EnvCount("NORVANE_REGISTRY_VALUES", 80000);
    const double small = FastestParseMs(ManyValues(values / 16));
    const double big = FastestParseMs(ManyValues(values));
    // Quadratic growth gives 256; linear 16, up to twice that once the larger file outgrows the
    // processor's caches (a factor of four between the sizes could not tell the two apart).
    EXPECT_LT(big, 80 * small) << small << " ms, then " << big << " ms";
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

TEST(HostileRegistry, DeeplyNestedKeysCostWhatTheirBytesCost)
{
    // One key 10,000 levels deep: storing every ancestor path in full would take 100 MB.
    std::string path = "HKEY_LOCAL_MACHINE";
    for (int level = 0; level < 10000; ++level)
        path += "\\K";
    const std::string text = "REGEDIT4\n[" + path + "]\n\"V\"=\"deep\"\n";
    const auto keys = ParseRegistryText(text);
    ASSERT_TRUE(keys.has_value());
    size_t stored = 0;
    for (const auto& [key, values] : *keys)
        stored += key.size();
    EXPECT_LE(stored, text.size());
    const auto* values = FindRegistryKey(*keys, path);
    ASSERT_NE(values, nullptr);
    EXPECT_EQ(values->at(0).data, std::string("deep\0", 5));
    const auto* ancestor = FindRegistryKey(*keys, path.substr(0, 10000));
    ASSERT_NE(ancestor, nullptr) << "an ancestor is still a key";
    EXPECT_TRUE(ancestor->empty());
}

constexpr const char* kComponentKey = "System\\CurrentControlSet\\Services\\VxD\\KQNET95";
const std::string kRegistry = std::string("REGEDIT4\n[HKEY_LOCAL_MACHINE\\") + kComponentKey + "]\n\"StaticVxD\"=\"VKQNFS.VXD\"\n";

struct NotARegistry {
    const char* name;
    std::function<void(const TempSystemDir&)> make;
    bool needsRoot = false;
};

class NotARegistryFile : public ::testing::TestWithParam<NotARegistry> {};

TEST_P(NotARegistryFile, IsNotReadAndTheComponentCountsAsNotInstalled)
{
    if (GetParam().needsRoot && geteuid() != 0)
        GTEST_SKIP() << "planting a link of another user needs root";
    TempSystemDir dir;
    GetParam().make(dir);
    // In a child with a deadline, so that a read that blocks fails the test instead of hanging it.
    const pid_t child = StartChild([] {
        HKEY key = nullptr;
        const int32_t opened = RegOpenKeyExA(HKEY_LOCAL_MACHINE, kComponentKey, 0, KEY_ALL_ACCESS, &key);
        return opened == ERROR_SUCCESS ? 1 : 0;
    });
    EXPECT_EQ(WaitChild(child, std::chrono::steady_clock::now() + std::chrono::seconds(20)), 0);
}

INSTANTIATE_TEST_SUITE_P(
    Kinds, NotARegistryFile,
    ::testing::Values(
        NotARegistry{"NamedPipe", [](const TempSystemDir& dir) { mkfifo(dir.file("registry.reg").c_str(), 0644); }},
        NotARegistry{"LinkToAnEndlessDevice",
                     [](const TempSystemDir& dir) { symlink("/dev/zero", dir.file("registry.reg").c_str()); }},
        NotARegistry{"LargerThan16Megabytes",
                     [](const TempSystemDir& dir) {
                         WriteFileBytes(dir.file("registry.reg"), kRegistry + std::string(16 << 20, ';') + "\n");
                     }},
        NotARegistry{"LinkOfAnotherUser",
                     [](const TempSystemDir& dir) {
                         WriteFileBytes(dir.file("planted.reg"), kRegistry);
                         symlink("planted.reg", dir.file("registry.reg").c_str());
                         EXPECT_EQ(lchown(dir.file("registry.reg").c_str(), 65534, 65534), 0);
                     },
                     true}),
    [](const ::testing::TestParamInfo<NotARegistry>& info) { return std::string(info.param.name); });

TEST(HostileRegistry, TheSameContentAsARegularFileOfTheUserIsRead)
{
    TempSystemDir dir;
    WriteFileBytes(dir.file("real.reg"), kRegistry + std::string(1 << 20, ';') + "\n");
    symlink("real.reg", dir.file("registry.reg").c_str());
    HKEY key = nullptr;
    ASSERT_EQ(RegOpenKeyExA(HKEY_LOCAL_MACHINE, kComponentKey, 0, KEY_ALL_ACCESS, &key), ERROR_SUCCESS);
    EXPECT_EQ(RegCloseKey(key), ERROR_SUCCESS);
}

} // namespace
