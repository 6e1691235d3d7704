// SPDX-License-Identifier: GPL-2.0-or-later
// Something other than a readable file where kqnet.ini or its lock file should be, or a link that
// another user planted: the load shows an empty list and a save is refused, naming the file and the
// reason, leaving whatever is there as it was. A save over a file it cannot read would replace that
// file with only the saved keys; one through a planted link would write wherever the link points.
#include "config/server_file.h"
#include "tests/reliability/child_process.h"
#include "tests/reliability/sample_configs.h"
#include "tests/support/temp_system_dir.h"

#include <gtest/gtest.h>

#include <functional>
#include <sys/stat.h>
#include <unistd.h>

namespace {

constexpr uid_t kNobody = 65534;

struct UnreadableCase {
    const char* name;
    // Puts the thing in place; returns how to tell afterwards that it is unchanged.
    std::function<std::function<bool()>(const TempSystemDir&)> make;
    // The file the refusal names, in the system directory, and why.
    const char* refused = "kqnet.ini";
    FileProblem problem = FileProblem::SystemError;
    bool needsRoot = false;  // to plant a link of another user
};

// Loads, then saves one server. 0 when the load gave an empty list and the save was refused.
int LoadEmptyAndSaveRefused(SaveFailure* why = nullptr)
{
    ServerList list = nullptr;
    const bool loadedEmpty = LoadServerList(list) == ProfileOk && list == nullptr;
    FreeServerList(list);
    OwnedList one{BuildSampleConfig(0, 1)};
    const bool refused = SaveServerList(one.head, why) == ProfileFailed;
    return loadedEmpty ? (refused ? 0 : 2) : 1;
}

// A symbolic link at `name` in `dir` to `target`, belonging to nobody.
void PlantLink(const TempSystemDir& dir, const std::string& target, const char* name = "kqnet.ini")
{
    symlink(target.c_str(), dir.file(name).c_str());
    EXPECT_EQ(lchown(dir.file(name).c_str(), kNobody, kNobody), 0);
}

bool IsMissing(const std::string& path)
{
    struct stat st {};
    return lstat(path.c_str(), &st) != 0;
}

bool IsDirectory(const std::string& path)
{
    struct stat st {};
    return lstat(path.c_str(), &st) == 0 && S_ISDIR(st.st_mode);
}

std::string LinkTarget(const std::string& path)
{
    char target[256] = {};
    return readlink(path.c_str(), target, sizeof target - 1) > 0 ? target : "";
}

class UnreadableFile : public ::testing::TestWithParam<UnreadableCase> {};

TEST_P(UnreadableFile, LoadsAsEmptyAndRefusesToSave)
{
    if (GetParam().needsRoot && geteuid() != 0)
        GTEST_SKIP() << "planting a link of another user needs root";
    TempSystemDir dir;
    const std::function<bool()> unchanged = GetParam().make(dir);
    SaveFailure why;
    EXPECT_EQ(LoadEmptyAndSaveRefused(&why), 0);
    EXPECT_TRUE(unchanged());
    EXPECT_EQ(CountTemporaries(dir.path()), 0);
    EXPECT_EQ(why.problem, SaveProblem::File);
    EXPECT_EQ(why.file.problem, GetParam().problem);
    EXPECT_EQ(why.file.path, dir.file(GetParam().refused));
}

INSTANTIATE_TEST_SUITE_P(
    Kinds, UnreadableFile,
    ::testing::Values(
        UnreadableCase{"Directory",
                       [](const TempSystemDir& dir) -> std::function<bool()> {
                           mkdir(dir.iniPath().c_str(), 0755);
                           WriteFileBytes(dir.iniPath() + "/inside", "x");
                           return [path = dir.iniPath()] { return IsDirectory(path) && ReadFileBytes(path + "/inside") == "x"; };
                       },
                       "kqnet.ini", FileProblem::SystemError},
        UnreadableCase{"SymbolicLinkLoop",
                       [](const TempSystemDir& dir) -> std::function<bool()> {
                           symlink("loop.ini", dir.iniPath().c_str());
                           symlink("kqnet.ini", dir.file("loop.ini").c_str());
                           return [&dir] { return LinkTarget(dir.iniPath()) == "loop.ini" && LinkTarget(dir.file("loop.ini")) == "kqnet.ini"; };
                       }},
        UnreadableCase{"NamedPipe",
                       [](const TempSystemDir& dir) -> std::function<bool()> {
                           mkfifo(dir.iniPath().c_str(), 0644);
                           return [path = dir.iniPath()] {
                               struct stat st {};
                               return lstat(path.c_str(), &st) == 0 && S_ISFIFO(st.st_mode);
                           };
                       },
                       "kqnet.ini", FileProblem::NotRegularFile},
        UnreadableCase{"LinkToADevice",
                       [](const TempSystemDir& dir) -> std::function<bool()> {
                           symlink("/dev/zero", dir.iniPath().c_str());
                           return [&dir] {
                               struct stat st {};
                               return LinkTarget(dir.iniPath()) == "/dev/zero" && stat("/dev/zero", &st) == 0 && S_ISCHR(st.st_mode);
                           };
                       },
                       "kqnet.ini", FileProblem::NotRegularFile},
        UnreadableCase{"LinkOfAnotherUser",
                       [](const TempSystemDir& dir) -> std::function<bool()> {
                           const std::string bytes = "[ServerList]\nServer1=alpha,1,0,0,0\nNumServers=1\n";
                           WriteFileBytes(dir.file("elsewhere.ini"), bytes);
                           PlantLink(dir, dir.file("elsewhere.ini"));
                           return [&dir, bytes] { return ReadFileBytes(dir.file("elsewhere.ini")) == bytes; };
                       },
                       "kqnet.ini", FileProblem::UntrustedLink, true},
        UnreadableCase{"DanglingLinkOfAnotherUser",
                       [](const TempSystemDir& dir) -> std::function<bool()> {
                           PlantLink(dir, dir.file("created-by-root.ini"));
                           return [&dir] { return IsMissing(dir.file("created-by-root.ini")); };
                       },
                       "kqnet.ini", FileProblem::UntrustedLink, true},
        UnreadableCase{"LockFileALink",
                       [](const TempSystemDir& dir) -> std::function<bool()> {
                           WriteFileBytes(dir.file("victim"), "kept");
                           symlink("victim", dir.file(".kqnet.ini.lock").c_str());
                           return [&dir] { return ReadFileBytes(dir.file("victim")) == "kept" && IsMissing(dir.iniPath()); };
                       },
                       ".kqnet.ini.lock", FileProblem::NotRegularFile},
        UnreadableCase{"LockFileANamedPipe",
                       [](const TempSystemDir& dir) -> std::function<bool()> {
                           mkfifo(dir.file(".kqnet.ini.lock").c_str(), 0666);
                           return [&dir] { return IsMissing(dir.iniPath()); };
                       },
                       ".kqnet.ini.lock", FileProblem::NotRegularFile}),
    [](const ::testing::TestParamInfo<UnreadableCase>& info) { return std::string(info.param.name); });

TEST(UnreadableFile, AFileWithoutReadPermissionLoadsAsEmptyAndIsNotReplaced)
{
    TempSystemDir dir;
    const std::string bytes = "[ServerList]\nServer1=alpha,1,0,0,0\nNumServers=1\n";
    WriteFileBytes(dir.iniPath(), bytes);
    // Writable for everyone, as is the folder: only the unreadable content may stop the save.
    chmod(dir.iniPath().c_str(), 0222);
    chmod(dir.path().c_str(), 0777);
    // Root reads any file, so the check runs as an unprivileged user where the tests run as root.
    const pid_t child = StartChild([&dir] {
        if (geteuid() == 0 && (setgid(65534) != 0 || setuid(65534) != 0))
            return 3;
        if (access(dir.iniPath().c_str(), R_OK) == 0 || access(dir.iniPath().c_str(), W_OK) != 0)
            return 4;
        return LoadEmptyAndSaveRefused();
    });
    EXPECT_EQ(WaitChild(child, std::chrono::steady_clock::now() + std::chrono::seconds(30)), 0);
    EXPECT_EQ(ReadFileBytes(dir.iniPath()), bytes);
    EXPECT_EQ(CountTemporaries(dir.path()), 0);
}

} // namespace
