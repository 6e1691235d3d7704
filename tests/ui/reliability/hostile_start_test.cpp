// SPDX-License-Identifier: GPL-2.0-or-later
// The main window opening on a damaged or strange kqnet.ini: it lists what can be read, and closing
// it without saving leaves the file as it was. Pressing OK where the file or its lock file cannot
// be written tells the user which file it was and why, and the window stays open.
#include "res/resource_ids.h"
#include "platform/profile_file.h"
#include "tests/reliability/hostile_files.h"
#include "tests/support/scripted_host.h"
#include "tests/support/temp_system_dir.h"
#include "ui/server_list_dialog.h"

#include <gtest/gtest.h>

#include <fcntl.h>
#include <functional>
#include <memory>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

struct StartCase {
    const char* name;
    std::function<void(const TempSystemDir&)> make;
    std::vector<std::string> rows;
};

void PrintTo(const StartCase& c, std::ostream* out)
{
    *out << c.name;
}

const std::vector<std::string> kBoth{"alpha", "beta"};

void Write(const TempSystemDir& dir, const std::string& bytes)
{
    WriteFileBytes(dir.iniPath(), bytes);
}

// What is at the path: its kind, and its bytes when it is a regular file.
std::string Snapshot(const std::string& path)
{
    struct stat st {};
    if (lstat(path.c_str(), &st) != 0)
        return "missing";
    return S_ISREG(st.st_mode) ? ReadFileBytes(path) : "mode " + std::to_string(st.st_mode & S_IFMT);
}

class HostileStart : public ::testing::TestWithParam<StartCase> {};

TEST_P(HostileStart, ListsWhatCanBeReadAndCancelLeavesTheFile)
{
    TempSystemDir dir;
    ScriptedHost host;
    GetParam().make(dir);
    const std::string before = Snapshot(dir.iniPath());
    std::vector<std::string> rows;
    host.Script({
        Inspect([&rows](CDialog& dialog) {
            for (const ListRow& row : dialog.GetDlgItem(IDC_MAIN_SERVER_LIST)->rows())
                rows.push_back(row.text);
        }),
        Escape(),
    });
    ServerListDialog dialog;
    EXPECT_EQ(dialog.DoModal(), IDCANCEL);
    EXPECT_EQ(rows, GetParam().rows);
    EXPECT_EQ(Snapshot(dir.iniPath()), before);
}

INSTANTIATE_TEST_SUITE_P(
    Kinds, HostileStart,
    ::testing::Values(
        StartCase{"BinaryNoise", [](const TempSystemDir& d) { Write(d, BinaryNoise(1 << 20) + ValidServerBlock()); }, kBoth},
        StartCase{"NulBytes", [](const TempSystemDir& d) { Write(d, BlockWithNuls()); }, kBoth},
        StartCase{"LongLines", [](const TempSystemDir& d) { Write(d, LongLines(10 << 20) + ValidServerBlock("\r")); }, kBoth},
        StartCase{"ByteOrderMark", [](const TempSystemDir& d) { Write(d, "\xEF\xBB\xBF" + ValidServerBlock("\r\n")); }, kBoth},
        StartCase{"Directory", [](const TempSystemDir& d) { mkdir(d.iniPath().c_str(), 0755); }, {}},
        StartCase{"SymbolicLinkLoop",
                  [](const TempSystemDir& d) {
                      symlink("kqnet.ini", d.iniPath().c_str());
                  },
                  {}}),
    [](const ::testing::TestParamInfo<StartCase>& info) { return std::string(info.param.name); });

struct RefusalCase {
    const char* name;
    // Puts the obstacle in place; what it returns stays alive until the window has closed.
    std::function<std::shared_ptr<void>(const TempSystemDir&)> make;
    const char* file;    // in the system directory
    std::function<std::string()> reason;
};

void PrintTo(const RefusalCase& c, std::ostream* out)
{
    *out << c.name;
}

class SaveRefusal : public ::testing::TestWithParam<RefusalCase> {};

TEST_P(SaveRefusal, NamesTheFileAndTheReasonAndTheWindowStaysOpen)
{
    TempSystemDir dir;
    ScriptedHost host;
    const std::shared_ptr<void> obstacle = GetParam().make(dir);
    bool open = false;
    host.AnswerNext(IDOK);
    host.Script({Click(IDOK), Inspect([&open](CDialog& dialog) { open = !dialog.IsEnded(); }), Escape()});
    ServerListDialog dialog;
    EXPECT_EQ(dialog.DoModal(), IDCANCEL);
    EXPECT_TRUE(open);
    ASSERT_EQ(host.messageBoxes().size(), 1u);
    const std::string& text = host.messageBoxes()[0].text;
    EXPECT_NE(text.find(dir.file(GetParam().file) + ":\r\n" + GetParam().reason() + "."), std::string::npos) << text;
}

INSTANTIATE_TEST_SUITE_P(
    Kinds, SaveRefusal,
    ::testing::Values(
        RefusalCase{"NamedPipe",
                    [](const TempSystemDir& d) {
                        mkfifo(d.iniPath().c_str(), 0644);
                        return std::shared_ptr<void>();
                    },
                    "kqnet.ini", [] { return std::string("not a regular file"); }},
        RefusalCase{"LockFileALink",
                    [](const TempSystemDir& d) {
                        symlink("elsewhere", d.file(".kqnet.ini.lock").c_str());
                        return std::shared_ptr<void>();
                    },
                    ".kqnet.ini.lock", [] { return std::string("not a regular file"); }},
        RefusalCase{"LockHeldByAnotherProgram",
                    [](const TempSystemDir& d) {
                        // Another open of the lock file holds it, as another program would.
                        const int fd = open(d.file(".kqnet.ini.lock").c_str(), O_RDWR | O_CREAT, 0644);
                        EXPECT_EQ(flock(fd, LOCK_EX), 0);
                        SetLockPatienceForTesting(std::chrono::milliseconds(300));
                        return std::shared_ptr<void>(nullptr, [fd](void*) {
                            SetLockPatienceForTesting({});
                            close(fd);
                        });
                    },
                    "kqnet.ini",
                    [] { return "another program is writing kqnet.ini (process " + std::to_string(getpid()) + ")"; }}),
    [](const ::testing::TestParamInfo<RefusalCase>& info) { return std::string(info.param.name); });

} // namespace
