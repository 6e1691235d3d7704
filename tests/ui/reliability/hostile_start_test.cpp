// The main window opening on a damaged or strange kqnet.ini: it lists what can be read, and closing
// it without saving leaves the file as it was.
#include "res/resource_ids.h"
#include "tests/reliability/hostile_files.h"
#include "tests/support/scripted_host.h"
#include "tests/support/temp_system_dir.h"
#include "ui/server_list_dialog.h"

#include <gtest/gtest.h>

#include <functional>
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

} // namespace
