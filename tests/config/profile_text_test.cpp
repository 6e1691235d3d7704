// SPDX-License-Identifier: GPL-2.0-or-later
#include "config/server_file.h"
#include "tests/config/config_fixtures.h"
#include "tests/support/temp_system_dir.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <cstring>
#include <string>
#include <vector>

namespace {

struct Split {
    int32_t result;
    std::vector<std::string> fields;
};

Split SplitCopy(const std::string& text, int32_t maximum)
{
    std::vector<char> buffer(text.begin(), text.end());
    buffer.push_back('\0');
    std::vector<char*> fields(static_cast<std::size_t>(std::max(maximum, 1)), nullptr);
    Split split{SplitFields(buffer.data(), fields.data(), maximum), {}};
    for (char* field : fields) {
        if (field)
            split.fields.emplace_back(field);
    }
    return split;
}

} // namespace

TEST(SplitFields, CountsFieldsAndStoresThemUpToTheMaximum)
{
    struct Case {
        const char* text;
        int32_t maximum;
        int32_t result;
        std::vector<std::string> fields;
    };
    const Case cases[] = {
        {"", 1, 1, {""}},
        {"a,b", 5, 2, {"a", "b"}},
        {"alpha,1,0,1,0", 5, 5, {"alpha", "1", "0", "1", "0"}},
        {",,", 3, 3, {"", "", ""}},
        {"lp,f,guest,", 4, 4, {"lp", "f", "guest", ""}},
        {"a,b,c", 2, 0, {"a", "b"}},
        {"a,b,c", 0, -1, {}},
        {"a", -3, -1, {}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::string("\"") + c.text + "\" max " + std::to_string(c.maximum));
        const Split split = SplitCopy(c.text, c.maximum);
        EXPECT_EQ(split.result, c.result);
        EXPECT_EQ(split.fields, c.fields);
    }
}

TEST(SplitFields, CutsEveryCommaEvenPastTheMaximum)
{
    TempSystemDir dir;
    char text[] = "a,b,c";
    char* fields[2] = {};
    EXPECT_EQ(SplitFields(text, fields, 2), 0);
    EXPECT_EQ(std::memcmp(text, "a\0b\0c", sizeof text), 0);
}

TEST(SplitFields, RejectsMissingArguments)
{
    TempSystemDir dir;
    char text[] = "a";
    char* fields[1] = {};
    EXPECT_EQ(SplitFields(nullptr, fields, 1), -1);
    EXPECT_EQ(SplitFields(text, nullptr, 1), -1);
}

TEST(GetProfilePath, JoinsTheSystemDirectoryAndTheFileName)
{
    TempSystemDir dir;
    char path[kProfilePathSize];
    ASSERT_TRUE(GetProfilePath(path));
    EXPECT_EQ(std::string(path), dir.iniPath());

    setenv("NORVANE_SYSTEM_DIR", "/", 1);
    ASSERT_TRUE(GetProfilePath(path));
    EXPECT_STREQ(path, "/kqnet.ini");

    setenv("NORVANE_SYSTEM_DIR", (dir.path() + "/").c_str(), 1);
    ASSERT_TRUE(GetProfilePath(path));
    EXPECT_EQ(std::string(path), dir.iniPath());
}

TEST(GetProfilePath, FailsWhenThePathCannotBeFormedOrDoesNotFit)
{
    TempSystemDir dir;
    char path[kProfilePathSize];
    {
        NoSystemDirectory none;
        EXPECT_FALSE(GetProfilePath(path));
        EXPECT_STREQ(path, "");
    }
    // "/" + 240 characters + "/kqnet.ini" is 251: fits. 250 + 10 is 260: one too many.
    setenv("NORVANE_SYSTEM_DIR", ("/" + std::string(240, 'd')).c_str(), 1);
    EXPECT_TRUE(GetProfilePath(path));
    setenv("NORVANE_SYSTEM_DIR", ("/" + std::string(249, 'd')).c_str(), 1);
    EXPECT_FALSE(GetProfilePath(path));
    EXPECT_STREQ(path, "");
}
