// SPDX-License-Identifier: GPL-2.0-or-later
#include "platform/last_error.h"
#include "platform/profile.h"
#include "tests/support/temp_system_dir.h"

#include <cerrno>
#include <dirent.h>
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

struct WriteCase {
    const char* name;
    std::string before;
    const char* section;
    const char* key;
    const char* value;
    std::string after;
};

class ProfileWriteBytes : public ::testing::TestWithParam<WriteCase> {};

TEST_P(ProfileWriteBytes, ChangesOnlyWhatTheWriteNeeds)
{
    const WriteCase& c = GetParam();
    TempSystemDir dir;
    WriteFileBytes(dir.iniPath(), c.before);
    ASSERT_NE(WritePrivateProfileStringA(c.section, c.key, c.value, dir.iniPath().c_str()), 0) << c.name;
    EXPECT_EQ(ReadFileBytes(dir.iniPath()), c.after) << c.name;
}

const WriteCase kWriteCases[] = {
    {"replace keeps place, spacing and spelling", "; head\r\n[Sec]\r\n  KeY = old  \r\nz=1\r\n", "sec", "key", "new",
     "; head\r\n[Sec]\r\n  KeY = new  \r\nz=1\r\n"},
    {"replace an empty value", "[s]\nk=\nj=1\n", "s", "k", "v", "[s]\nk=v\nj=1\n"},
    {"replace quoted value whole", "[s]\nk=\"a\"\n", "s", "k", "b", "[s]\nk=b\n"},
    {"new key after the last non-blank line", "[a]\r\nx=1\r\n; note\r\n\r\n\r\n[b]\r\ny=2\r\n", "a", "k", "v",
     "[a]\r\nx=1\r\n; note\r\nk=v\r\n\r\n\r\n[b]\r\ny=2\r\n"},
    {"new key in a section with only a header", "[a]\n[b]\n", "a", "k", "v", "[a]\nk=v\n[b]\n"},
    {"new section after one blank line", "[a]\r\nx=1\r\n", "b", "k", "v", "[a]\r\nx=1\r\n\r\n[b]\r\nk=v\r\n"},
    {"new section after an existing blank line", "[a]\nx=1\n\n", "b", "k", "v", "[a]\nx=1\n\n[b]\nk=v\n"},
    {"empty file gets no blank line", "", "b", "k", "v", "[b]\r\nk=v\r\n"},
    {"LF file keeps LF", "[a]\nx=1\n", "a", "k", "v", "[a]\nx=1\nk=v\n"},
    {"last line without newline is ended", "[a]\r\nx=1", "a", "k", "v", "[a]\r\nx=1\r\nk=v\r\n"},
    {"last line without newline before a new section", "[a]\nx=1", "b", "k", "v", "[a]\nx=1\n\n[b]\nk=v\n"},
    {"BOM kept", "\xEF\xBB\xBF[a]\nx=1\n", "a", "x", "2", "\xEF\xBB\xBF[a]\nx=2\n"},
    {"first of two same-name sections", "[a]\nx=1\n[b]\n[A]\ny=2\n", "a", "y", "3", "[a]\nx=1\ny=3\n[b]\n[A]\ny=2\n"},
    {"names written trimmed", "", "  s  ", " k\t", " v", "[s]\r\nk= v\r\n"},
    {"lines before the first header kept", "orphan=1\nnoise\n", "s", "k", "v", "orphan=1\nnoise\n\n[s]\nk=v\n"},
    {"bytes after a NUL kept", std::string("[s]\nk=1\0tail\n", 13), "s", "k", "2", std::string("[s]\nk=2\0tail\n", 13)},
};

INSTANTIATE_TEST_SUITE_P(Bytes, ProfileWriteBytes, ::testing::ValuesIn(kWriteCases));

TEST(ProfileWrite, CreatesAMissingFileWithCrlfAndMode0666LessTheUmask)
{
    for (const mode_t mask : {mode_t{022}, mode_t{007}}) {
        TempSystemDir dir;
        const mode_t previous = umask(mask);
        const int32_t written = WritePrivateProfileStringA("s", "k", "v", dir.iniPath().c_str());
        umask(previous);
        ASSERT_NE(written, 0);
        EXPECT_EQ(ReadFileBytes(dir.iniPath()), "[s]\r\nk=v\r\n");
        struct stat st {};
        stat(dir.iniPath().c_str(), &st);
        EXPECT_EQ(st.st_mode & 07777, 0666u & ~mask);
    }
}

TEST(ProfileWrite, WritingTheSameValueLeavesTheFileUntouched)
{
    TempSystemDir dir;
    WriteFileBytes(dir.iniPath(), "[s]\nk=v\n");
    struct stat before {};
    stat(dir.iniPath().c_str(), &before);
    ASSERT_NE(WritePrivateProfileStringA("S", "K", "v", dir.iniPath().c_str()), 0);
    struct stat after {};
    stat(dir.iniPath().c_str(), &after);
    EXPECT_EQ(before.st_ino, after.st_ino);
}

TEST(ProfileWrite, AWrittenValueReadsBackAsAFreshReaderSeesIt)
{
    TempSystemDir dir;
    const std::string path = dir.iniPath();
    char buffer[32];
    for (const char* key : {"new", "old"}) {
        WriteFileBytes(path, "[s]\nold=x\n");
        ASSERT_NE(WritePrivateProfileStringA("s", key, "  v \t", path.c_str()), 0);
        GetPrivateProfileStringA("s", key, "", buffer, sizeof buffer, path.c_str());
        EXPECT_STREQ(buffer, "v") << key << ": the copy kept in memory trims like a parse of the file";
        const std::string written = ReadFileBytes(path);
        ASSERT_NE(WritePrivateProfileStringA("s", key, "  v \t", path.c_str()), 0);
        ASSERT_NE(WritePrivateProfileStringA("s", key, "v", path.c_str()), 0);
        EXPECT_EQ(ReadFileBytes(path), written) << key << ": writing what readers already see changes nothing";
    }
}

TEST(ProfileWrite, KeepsPermissionsFollowsLinksAndLeavesNoTemporaryFile)
{
    TempSystemDir dir;
    const std::string real = dir.file("real.ini");
    WriteFileBytes(real, "[s]\nk=1\n");
    chmod(real.c_str(), 0600);
    symlink("real.ini", dir.iniPath().c_str());

    ASSERT_NE(WritePrivateProfileStringA("s", "k", "2", dir.iniPath().c_str()), 0);
    struct stat link {};
    lstat(dir.iniPath().c_str(), &link);
    EXPECT_TRUE(S_ISLNK(link.st_mode)) << "the link stays a link";
    EXPECT_EQ(ReadFileBytes(real), "[s]\nk=2\n");
    struct stat st {};
    stat(real.c_str(), &st);
    EXPECT_EQ(st.st_mode & 07777, 0600u);

    DIR* d = opendir(dir.path().c_str());
    while (const dirent* entry = readdir(d))
        EXPECT_EQ(std::string(entry->d_name).find(".tmp"), std::string::npos) << entry->d_name;
    closedir(d);
}

TEST(ProfileWrite, CreatesTheSystemDirectoryButNoOther)
{
    TempSystemDir dir;
    const std::string nested = dir.path() + "/a/b";
    setenv("NORVANE_SYSTEM_DIR", nested.c_str(), 1);
    ASSERT_NE(WritePrivateProfileStringA("s", "k", "v", (nested + "/kqnet.ini").c_str()), 0);
    // Private, as the base directory rules ask, each folder made.
    for (const std::string& made : {dir.path() + "/a", nested}) {
        struct stat st {};
        stat(made.c_str(), &st);
        EXPECT_EQ(st.st_mode & 0777, 0700u) << made;
    }

    EXPECT_EQ(WritePrivateProfileStringA("s", "k", "v", (dir.path() + "/other/kqnet.ini").c_str()), 0);
    EXPECT_EQ(GetLastError(), static_cast<uint32_t>(ENOENT));
}

struct Refusal {
    const char* name;
    const char* section;
    const char* key;
    const char* value;
};

class ProfileWriteRefusal : public ::testing::TestWithParam<Refusal> {};

TEST_P(ProfileWriteRefusal, LeavesTheFileUntouched)
{
    const Refusal& r = GetParam();
    TempSystemDir dir;
    const std::string before = "[s]\r\nk=v\r\n";
    WriteFileBytes(dir.iniPath(), before);
    SetLastError(0);
    EXPECT_EQ(WritePrivateProfileStringA(r.section, r.key, r.value, dir.iniPath().c_str()), 0) << r.name;
    EXPECT_EQ(GetLastError(), static_cast<uint32_t>(EINVAL)) << r.name;
    EXPECT_EQ(ReadFileBytes(dir.iniPath()), before) << r.name;
}

const Refusal kRefusals[] = {
    {"section with a closing bracket", "a]b", "k", "v"},
    {"section with a line break", "a\nb", "k", "v"},
    {"empty key", "s", "", "v"},
    {"blank key", "s", "  ", "v"},
    {"key with equals", "s", "a=b", "v"},
    {"key with a line break", "s", "a\rb", "v"},
    {"key starting with a bracket", "s", " [k", "v"},
    {"key starting with a semicolon", "s", ";k", "v"},
    {"value with a line break", "s", "k", "a\nb"},
    {"null section", nullptr, "k", "v"},
    {"null key", "s", nullptr, "v"},
    {"null value", "s", "k", nullptr},
};

INSTANTIATE_TEST_SUITE_P(Text, ProfileWriteRefusal, ::testing::ValuesIn(kRefusals));

TEST(ProfileWrite, RefusesReadOnlyFilesFoldersAndLongPaths)
{
    TempSystemDir dir;
    const std::string before = "[s]\nk=v\n";
    WriteFileBytes(dir.iniPath(), before);

    chmod(dir.iniPath().c_str(), 0444);
    EXPECT_EQ(WritePrivateProfileStringA("s", "k", "w", dir.iniPath().c_str()), 0);
    EXPECT_EQ(GetLastError(), static_cast<uint32_t>(EACCES));
    EXPECT_EQ(ReadFileBytes(dir.iniPath()), before);
    chmod(dir.iniPath().c_str(), 0644);

    chmod(dir.path().c_str(), 0555);
    EXPECT_EQ(WritePrivateProfileStringA("s", "k", "w", dir.iniPath().c_str()), 0);
    EXPECT_EQ(GetLastError(), static_cast<uint32_t>(EACCES));
    chmod(dir.path().c_str(), 0755);
    EXPECT_EQ(ReadFileBytes(dir.iniPath()), before);

    const std::string longPath = dir.path() + "/" + std::string(260 - dir.path().size(), 'x');
    EXPECT_EQ(WritePrivateProfileStringA("s", "k", "w", longPath.c_str()), 0);
    EXPECT_EQ(GetLastError(), static_cast<uint32_t>(ENAMETOOLONG));
}

TEST(ProfileWrite, RefusesAnUnreadableTarget)
{
    TempSystemDir dir;
    mkdir(dir.iniPath().c_str(), 0755);
    EXPECT_EQ(WritePrivateProfileStringA("s", "k", "v", dir.iniPath().c_str()), 0);
    EXPECT_EQ(GetLastError(), static_cast<uint32_t>(EISDIR));

    const std::string loop = dir.file("loop.ini");
    symlink("loop.ini", loop.c_str());
    EXPECT_EQ(WritePrivateProfileStringA("s", "k", "v", loop.c_str()), 0);
    EXPECT_EQ(GetLastError(), static_cast<uint32_t>(ELOOP));
}

} // namespace
