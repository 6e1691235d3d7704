// SPDX-License-Identifier: GPL-2.0-or-later
#include "platform/profile.h"
#include "platform/profile_scope.h"
#include "tests/support/temp_system_dir.h"

#include <gtest/gtest.h>
#include <fcntl.h>
#include <sys/stat.h>

namespace {

struct ReadCase {
    const char* name;
    std::string file;
    const char* section;
    const char* key;
    const char* expected; // nullptr: the default ("<default>") comes back
};

class ProfileReadRules : public ::testing::TestWithParam<ReadCase> {};

std::string ReadValue(const std::string& path, const char* section, const char* key, uint32_t size = 260)
{
    char buffer[300] = "untouched";
    GetPrivateProfileStringA(section, key, "<default>", buffer, size, path.c_str());
    return buffer;
}

TEST_P(ProfileReadRules, GivesTheValueTheRulesDescribe)
{
    const ReadCase& c = GetParam();
    TempSystemDir dir;
    WriteFileBytes(dir.iniPath(), c.file);
    EXPECT_EQ(ReadValue(dir.iniPath(), c.section, c.key), c.expected ? c.expected : "<default>") << c.name;
}

const ReadCase kReadCases[] = {
    {"LF endings", "[s]\nk=v\n", "s", "k", "v"},
    {"CRLF endings", "[s]\r\nk=v\r\n", "s", "k", "v"},
    {"lone CR endings", "[s]\rk=v\rj=w", "s", "j", "w"},
    {"last line without newline", "[s]\r\nk=v", "s", "k", "v"},
    {"NUL ends the line's content", std::string("[s]\nk=ab\0cd\nj=1\n", 16), "s", "k", "ab"},
    {"NUL hides a key", std::string("[s]\n\0k=v\n", 9), "s", "k", nullptr},
    {"BOM is not part of the first line", "\xEF\xBB\xBF[s]\nk=v\n", "s", "k", "v"},
    {"header name runs to the last bracket", "[a]b] trailing\nk=v\n", "a]b", "k", "v"},
    {"header name is trimmed", "  [  spaced name  ]  \nk=v\n", "spaced name", "k", "v"},
    {"bracket without closing is no header", "[s]\nk=1\n[t\nk=2\n", "s", "k", "1"},
    {"split at the first equals sign", "[s]\nk=a=b\n", "s", "k", "a=b"},
    {"key and value trimmed of every blank", "[s]\n \t\vk \f= \x1a v v \t\n", "s", "k", "v v"},
    {"comment line is no key", "[s]\n;k=v\n", "s", ";k", nullptr},
    {"hash is not special", "[s]\n#k=v\n", "s", "#k", "v"},
    {"no inline comments", "[s]\nk=v ; not a comment\n", "s", "k", "v ; not a comment"},
    {"line without equals is no key", "[s]\nk\n", "s", "k", nullptr},
    {"keys before the first header have no section", "k=v\n[s]\n", "s", "k", nullptr},
    {"names ignore ASCII case", "[SeCtIoN]\nKeY=v\n", "section", "KEY", "v"},
    {"long names ignore case at every byte", "[s]\nAbCdEfGhIjKlMnOpQrStUvWxYz=v\n", "S", "aBcDeFgHiJkLmNoPqRsTuVwXyZ", "v"},
    {"only ASCII letters fold", "[s]\nx\xC1@[~=v\n", "s", "x\xE1`{^", nullptr},
    {"a long name differing in its last byte", "[s]\nalphaQueue1=v\n", "s", "alphaQueue2", nullptr},
    {"names passed in are trimmed", "[s]\nk=v\n", "  s ", "\tk ", "v"},
    {"inner blanks must match", "[a b]\nk=v\n", "a  b", "k", nullptr},
    {"first section of a name wins", "[s]\nk=1\n[S]\nk=2\nj=3\n", "s", "j", nullptr},
    {"first key of a name wins", "[s]\nk=1\nK=2\n", "s", "k", "1"},
    {"one pair of double quotes removed", "[s]\nk=\"\"v\"\"\n", "s", "k", "\"v\""},
    {"single quotes removed", "[s]\nk=' v '\n", "s", "k", " v "},
    {"unmatched quotes kept", "[s]\nk=\"v'\n", "s", "k", "\"v'"},
    {"lone quote kept", "[s]\nk=\"\n", "s", "k", "\""},
    {"key names are not unquoted", "[s]\n\"k\"=v\n", "s", "k", nullptr},
    {"empty value is not the default", "[s]\nk=\n", "s", "k", ""},
    {"blank value is not the default", "[s]\nk=  \t\n", "s", "k", ""},
    {"missing section gives the default", "[s]\nk=v\n", "t", "k", nullptr},
};

INSTANTIATE_TEST_SUITE_P(Rules, ProfileReadRules, ::testing::ValuesIn(kReadCases));

TEST(ProfileRead, CopiesAtMostSizeMinusOneAndReturnsTheCount)
{
    TempSystemDir dir;
    WriteFileBytes(dir.iniPath(), "[s]\nk=abcdef\nempty=\n");
    char buffer[8] = "xxxxxxx";
    EXPECT_EQ(GetPrivateProfileStringA("s", "k", "", buffer, 4, dir.iniPath().c_str()), 3u);
    EXPECT_STREQ(buffer, "abc");
    EXPECT_EQ(GetPrivateProfileStringA("s", "k", "", buffer, 0, dir.iniPath().c_str()), 0u);
    EXPECT_STREQ(buffer, "abc") << "size 0 writes nothing";
    EXPECT_EQ(GetPrivateProfileStringA("s", "empty", "dflt", buffer, 8, dir.iniPath().c_str()), 0u);
    EXPECT_STREQ(buffer, "");
}

TEST(ProfileRead, DefaultIsUnquotedAndLosesTrailingSpaces)
{
    TempSystemDir dir;
    char buffer[32];
    EXPECT_EQ(GetPrivateProfileStringA("s", "k", "\"quoted\"  ", buffer, 32, dir.iniPath().c_str()), 6u);
    EXPECT_STREQ(buffer, "quoted");
    EXPECT_EQ(GetPrivateProfileStringA("s", "k", "  lead", buffer, 32, dir.iniPath().c_str()), 6u);
    EXPECT_STREQ(buffer, "  lead");
    EXPECT_EQ(GetPrivateProfileStringA("s", "k", nullptr, buffer, 32, dir.iniPath().c_str()), 0u);
    EXPECT_STREQ(buffer, "");
}

TEST(ProfileRead, IntegersAreSignedDecimalPrefixesModulo2To32)
{
    TempSystemDir dir;
    WriteFileBytes(dir.iniPath(), "[s]\nhex=0x10\nneg=-5\nplus=+7\nmixed=12abc\nword=abc\nempty=\n"
                                  "big=4294967297\nquoted=\"42\"\nspaced=- 5\n");
    const auto read = [&](const char* key) { return GetPrivateProfileIntA("s", key, 99, dir.iniPath().c_str()); };
    EXPECT_EQ(read("hex"), 0u);
    EXPECT_EQ(read("neg"), static_cast<uint32_t>(-5));
    EXPECT_EQ(read("plus"), 7u);
    EXPECT_EQ(read("mixed"), 12u);
    EXPECT_EQ(read("word"), 0u);
    EXPECT_EQ(read("empty"), 99u);
    EXPECT_EQ(read("absent"), 99u);
    EXPECT_EQ(read("big"), 1u);
    EXPECT_EQ(read("quoted"), 42u);
    EXPECT_EQ(read("spaced"), 0u);
    EXPECT_EQ(GetPrivateProfileIntA("s", "absent", -1, dir.iniPath().c_str()), 0xFFFFFFFFu);
}

TEST(ProfileRead, NeverCreatesTheFileAndTreatsUnreadableFilesAsEmpty)
{
    TempSystemDir dir;
    char buffer[16];
    EXPECT_EQ(GetPrivateProfileStringA("s", "k", "d", buffer, 16, dir.iniPath().c_str()), 1u);
    struct stat st {};
    EXPECT_NE(stat(dir.iniPath().c_str(), &st), 0);

    mkdir(dir.iniPath().c_str(), 0755); // a directory where the file should be
    EXPECT_EQ(GetPrivateProfileIntA("s", "k", 7, dir.iniPath().c_str()), 7u);
    EXPECT_EQ(GetPrivateProfileStringA("s", "k", "d", buffer, 16, (dir.path() + "/" + std::string(300, 'x')).c_str()), 1u)
        << "a path too long reads as a missing file";
}

TEST(ProfileRead, SeesAChangedFileAndReusesAnUnchangedOne)
{
    TempSystemDir dir;
    WriteFileBytes(dir.iniPath(), "[s]\nk=1\n");
    EXPECT_EQ(GetPrivateProfileIntA("s", "k", 0, dir.iniPath().c_str()), 1u);

    // Same inode, size and modification time: the parsed copy is reused, proving no re-parse.
    struct stat before {};
    stat(dir.iniPath().c_str(), &before);
    FILE* f = fopen(dir.iniPath().c_str(), "r+");
    fseek(f, 6, SEEK_SET);
    fputc('2', f);
    fclose(f);
    const timespec times[2] = {before.st_atim, before.st_mtim};
    utimensat(AT_FDCWD, dir.iniPath().c_str(), times, 0);
    EXPECT_EQ(GetPrivateProfileIntA("s", "k", 0, dir.iniPath().c_str()), 1u);

    // Any change of the identity is seen.
    WriteFileBytes(dir.iniPath(), "[s]\nk=33\n");
    EXPECT_EQ(GetPrivateProfileIntA("s", "k", 0, dir.iniPath().c_str()), 33u);
}

TEST(ProfileRead, ReadsInAnyOrderFindTheFirstKeyOfEachName)
{
    TempSystemDir dir;
    // Reads near one another take a shorter way than the index; it must give the same answers.
    WriteFileBytes(dir.iniPath(), "[s]\nk=1\nj=2\nK=3\nJ=4\ni=5\n[t]\nk=6\n");
    const std::string path = dir.iniPath();
    std::string answers;
    for (const char* key : {"j", "k", "i", "j", "k", "K", "i", "j"})
        answers += ReadValue(path, "s", key);
    answers += ReadValue(path, "t", "k") + ReadValue(path, "s", "k");
    EXPECT_EQ(answers, "21521152" "61");
}

TEST(ProfileKeyNumbers, ListsTheNumbersAReadOfStemAndNumberCanFind)
{
    TempSystemDir dir;
    WriteFileBytes(dir.iniPath(), "[s]\nServer3=a\nserver1=b\nSERVER3=c\nServer007=d\nServer0=e\nServer2147483647=f\n"
                                  "Server2147483648=g\nServerx1=h\n  Server12  =i\nServer5 x=j\nOther4=k\nServer=l\n"
                                  "Server9;=m\n[S]\nServer8=n\n[t]\nServer6=o\n");
    const std::string path = dir.iniPath();
    EXPECT_EQ(ListProfileKeyNumbers("s", "Server", path.c_str()), (std::vector<int32_t>{1, 3, 12, 2147483647}));
    EXPECT_EQ(ListProfileKeyNumbers(" S ", " server", path.c_str()), (std::vector<int32_t>{1, 3, 12, 2147483647}))
        << "names are trimmed and ignore case, as reads do";
    EXPECT_EQ(ListProfileKeyNumbers("s", "Serverx", path.c_str()), (std::vector<int32_t>{1}));
    EXPECT_EQ(ListProfileKeyNumbers("t", "Server", path.c_str()), (std::vector<int32_t>{6}));
    EXPECT_TRUE(ListProfileKeyNumbers("u", "Server", path.c_str()).empty());
    EXPECT_TRUE(ListProfileKeyNumbers("s", "Queue", path.c_str()).empty());
    EXPECT_TRUE(ListProfileKeyNumbers("s", "Server", (dir.path() + "/absent.ini").c_str()).empty());

    // A key added since is listed, in its place.
    ProfileBatch batch(path.c_str());
    ASSERT_NE(WritePrivateProfileStringA("s", "Server2", "p", path.c_str()), 0);
    EXPECT_EQ(ListProfileKeyNumbers("s", "Server", path.c_str()), (std::vector<int32_t>{1, 2, 3, 12, 2147483647}));
}

TEST(SystemDirectory, FollowsTheVariablesInOrderAndRefusesASmallBuffer)
{
    TempSystemDir dir;
    char buffer[300];
    EXPECT_EQ(GetSystemDirectoryA(buffer, sizeof buffer), dir.path().size());
    EXPECT_EQ(std::string(buffer), dir.path());
    EXPECT_EQ(GetSystemDirectoryA(buffer, static_cast<uint32_t>(dir.path().size())), 0u);

    const std::string home = getenv("HOME") ? getenv("HOME") : "";
    const char* xdg = getenv("XDG_CONFIG_HOME");
    const std::string savedXdg = xdg ? xdg : "";
    setenv("NORVANE_SYSTEM_DIR", "", 1);
    setenv("XDG_CONFIG_HOME", "/xdg", 1);
    EXPECT_EQ(GetSystemDirectoryA(buffer, sizeof buffer), 12u);
    EXPECT_STREQ(buffer, "/xdg/norvane");
    setenv("HOME", "/home/u", 1);
    setenv("XDG_CONFIG_HOME", "xdg", 1);
    GetSystemDirectoryA(buffer, sizeof buffer);
    EXPECT_STREQ(buffer, "/home/u/.config/norvane") << "a relative XDG_CONFIG_HOME is ignored";
    unsetenv("XDG_CONFIG_HOME");
    GetSystemDirectoryA(buffer, sizeof buffer);
    EXPECT_STREQ(buffer, "/home/u/.config/norvane");
    unsetenv("HOME");
    EXPECT_EQ(GetSystemDirectoryA(buffer, sizeof buffer), 0u);

    setenv("HOME", home.c_str(), 1);
    if (xdg)
        setenv("XDG_CONFIG_HOME", savedXdg.c_str(), 1);
}

} // namespace
