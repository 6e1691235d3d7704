// SPDX-License-Identifier: GPL-2.0-or-later
#include "platform/registry_file.h"

#include "platform/registry.h"

#include <gtest/gtest.h>

#include <random>
#include <string>

namespace {

// The string a key's value holds, "<missing>" when the key or value is absent.
std::string StringOf(const RegistryKeys& keys, const std::string& key, const std::string& name)
{
    const auto found = keys.find(key);
    if (found == keys.end())
        return "<missing>";
    const RegistryValue* value = FindRegistryValue(found->second, name);
    return value ? value->data : "<missing>";
}

RegistryKeys Parse(const std::string& text)
{
    auto keys = ParseRegistryText(text);
    EXPECT_TRUE(keys.has_value());
    return keys.value_or(RegistryKeys{});
}

TEST(RegistryFileTest, StringEscapesAndLineForms)
{
    const RegistryKeys keys = Parse("REGEDIT4\r\n"
                                    "; a comment\r\n"
                                    "\r\n"
                                    "   [HKEY_LOCAL_MACHINE\\Soft Ware\\Key]   \r\n"
                                    "\"Path\"=\"C:\\\\WINDOWS\\\\SYSTEM\"\r\n"
                                    "\"Quote\"=\"say \\\"hi\\\"\"\r\n"
                                    "\"Spaced\" = \"  a b  \"\r\n"
                                    "\"Empty\"=\"\"\r\n"
                                    "@=\"default\"");
    const std::string key = "HKEY_LOCAL_MACHINE\\SOFT WARE\\KEY";
    EXPECT_EQ(StringOf(keys, key, "Path"), std::string("C:\\WINDOWS\\SYSTEM\0", 18));
    EXPECT_EQ(StringOf(keys, key, "quote"), std::string("say \"hi\"\0", 9));
    EXPECT_EQ(StringOf(keys, key, "Spaced"), std::string("  a b  \0", 8));
    EXPECT_EQ(StringOf(keys, key, "Empty"), std::string("\0", 1));
    EXPECT_EQ(StringOf(keys, key, ""), std::string("default\0", 8));
    EXPECT_NE(FindRegistryKey(keys, "HKEY_LOCAL_MACHINE"), nullptr);
    EXPECT_NE(FindRegistryKey(keys, "HKEY_LOCAL_MACHINE\\SOFT WARE"), nullptr);
    EXPECT_EQ(FindRegistryKey(keys, "HKEY_LOCAL_MACHINE\\SOFT"), nullptr);
}

TEST(RegistryFileTest, MalformedLinesAreSkippedAndTheRestRead)
{
    const char* badLines[] = {
        "\"Bad\"=\"unknown \\n escape\"",
        "\"Bad\"=\"unterminated",
        "\"Bad\"=\"text\" trailing",
        "\"Bad\"",
        "\"Bad\"=",
        "\"Bad\"=word",
        "\"Bad\"=dword:123456789",
        "\"Bad\"=dword:xyz",
        "\"Bad\"=hex:1,,2",
        "\"Bad\"=hex:100",
        "\"Bad\"=hex(:00",
        "\"Bad\"=-",
        "Bad=\"x\"",
        "\"Bad=\"x\"",
        "garbage \x01\xff",
    };
    for (const char* bad : badLines) {
        const RegistryKeys keys =
            Parse(std::string("REGEDIT4\n[HKEY_LOCAL_MACHINE\\Key]\n\"Before\"=\"1\"\n") + bad + "\n\"After\"=\"2\"\n");
        const auto& values = keys.at("HKEY_LOCAL_MACHINE\\KEY");
        EXPECT_EQ(FindRegistryValue(values, "Bad"), nullptr) << bad;
        EXPECT_EQ(StringOf(keys, "HKEY_LOCAL_MACHINE\\KEY", "Before"), std::string("1\0", 2)) << bad;
        EXPECT_EQ(StringOf(keys, "HKEY_LOCAL_MACHINE\\KEY", "After"), std::string("2\0", 2)) << bad;
    }
}

TEST(RegistryFileTest, ValuesAfterABadKeyLineBelongToNoKey)
{
    for (const char* badKey : {"[HKEY_LOCAL_MACHINE\\Key", "[HKEY_LOCAL_MACHINE\\\\Key]", "[-HKEY_LOCAL_MACHINE\\Key]",
                               "[]", "[HKEY_LOCAL_MACHINE\\Key\\]"}) {
        const RegistryKeys keys = Parse(std::string("REGEDIT4\n[HKEY_LOCAL_MACHINE\\Key]\n\"V\"=\"1\"\n") + badKey +
                                        "\n\"V\"=\"2\"\n\"W\"=\"3\"\n");
        EXPECT_EQ(StringOf(keys, "HKEY_LOCAL_MACHINE\\KEY", "V"), std::string("1\0", 2)) << badKey;
        EXPECT_EQ(StringOf(keys, "HKEY_LOCAL_MACHINE\\KEY", "W"), "<missing>") << badKey;
    }
}

TEST(RegistryFileTest, OtherValueKinds)
{
    const RegistryKeys keys = Parse("REGEDIT4\n[HKEY_LOCAL_MACHINE\\Key]\n"
                                    "\"Dword\"=dword:0000001A\n"
                                    "\"Short\"=dword:ff\n"
                                    "\"Binary\"=hex:01, 02,FF\n"
                                    "\"EmptyBinary\"=hex:\n"
                                    "\"Expand\"=hex(2):41,00\n"
                                    "\"Wrapped\"=hex:01,02,\\\n"
                                    "  03,04\n"
                                    "\"After\"=\"x\"\n");
    const auto& values = keys.at("HKEY_LOCAL_MACHINE\\KEY");
    const auto expect = [&](const char* name, uint32_t type, const std::string& data) {
        const RegistryValue* value = FindRegistryValue(values, name);
        ASSERT_NE(value, nullptr) << name;
        EXPECT_EQ(value->type, type) << name;
        EXPECT_EQ(value->data, data) << name;
    };
    expect("Dword", REG_DWORD, std::string("\x1a\0\0\0", 4));
    expect("Short", REG_DWORD, std::string("\xff\0\0\0", 4));
    expect("Binary", REG_BINARY, "\x01\x02\xff");
    expect("EmptyBinary", REG_BINARY, "");
    expect("Expand", 2, std::string("A\0", 2));
    expect("Wrapped", REG_BINARY, "\x01\x02\x03\x04");
    expect("After", REG_SZ, std::string("x\0", 2));
}

TEST(RegistryFileTest, RepeatedKeysMergeAndRepeatedValuesKeepTheLast)
{
    const RegistryKeys keys = Parse("REGEDIT4\n[HKEY_LOCAL_MACHINE\\Key]\n\"A\"=\"1\"\n\"B\"=\"1\"\n"
                                    "[hkey_local_machine\\KEY]\n\"a\"=\"2\"\n\"C\"=\"3\"\n");
    const auto& values = keys.at("HKEY_LOCAL_MACHINE\\KEY");
    ASSERT_EQ(values.size(), 3u);
    EXPECT_EQ(values[0].name, "A") << "keeps its first place";
    EXPECT_EQ(values[0].data, std::string("2\0", 2));
    EXPECT_EQ(values[1].name, "B");
    EXPECT_EQ(values[2].name, "C");
}

TEST(RegistryFileTest, RequiresTheHeaderLine)
{
    for (const char* text : {"", "REGEDIT5\n[HKEY_LOCAL_MACHINE\\Key]\n", "\n REGEDIT4\n", "Windows Registry Editor\n"})
        EXPECT_FALSE(ParseRegistryText(text).has_value()) << text;
    EXPECT_TRUE(ParseRegistryText("REGEDIT4").has_value());
    EXPECT_TRUE(ParseRegistryText("REGEDIT4 \r\n").has_value());
}

TEST(RegistryFileTest, ArbitraryBytesNeverBreakTheReader)
{
    const std::string valid = "REGEDIT4\n[HKEY_LOCAL_MACHINE\\Key]\n\"V\"=\"a\\\\b\"\n\"D\"=dword:1\n"
                              "\"H\"=hex(7):01,\\\n02\n@=\"x\"\n[HKEY_LOCAL_MACHINE\\Key\\Sub]\n";
    std::mt19937 random(20240229);
    for (int round = 0; round < 2000; ++round) {
        std::string text = valid;
        const int changes = 1 + static_cast<int>(random() % 8);
        for (int i = 0; i < changes; ++i)
            text[9 + random() % (text.size() - 9)] = static_cast<char>(random() % 256);
        const auto keys = ParseRegistryText(text);
        ASSERT_TRUE(keys.has_value());
        for (const auto& [path, values] : *keys)
            EXPECT_TRUE(RegistryPathKey(path).has_value()) << path;
    }
}

} // namespace
