// SPDX-License-Identifier: GPL-2.0-or-later
// The files norvanectl writes are the files the dialogs write for the same configuration, byte for
// byte; and a change norvanectl makes while a Norvane window is open is kept by the window's save.
#include "tests/cli/cli_fixture.h"

#include "config/server_file.h"
#include "res/resource_ids.h"
#include "tests/support/fake_resolver.h"
#include "tests/support/scripted_host.h"
#include "ui/global_options_dialog.h"
#include "ui/server_list_dialog.h"

#include <memory>

namespace {

using Script = std::vector<ScriptAction>;

// The configuration of the fleet the Ansible test applies, as a document.
constexpr const char* kFleetDocument = R"({
  "servers": [
    {"name": "fileserver", "nfsDriveMounts": true, "lprPrinting": true,
     "lprQueues": [{"queueName": "lp", "filter": "f", "userName": "admin", "personalName": "Print Room"}]},
    {"name": "printserver", "nfsPrinterMounts": true, "streamPrinting": true,
     "streamQueues": [{"port": 9100, "telnetNegotiation": true}, {"port": 515}]}
  ],
  "options": {"defaultUserName": "admin", "networkWarnings": false, "restoreConnections": true,
              "fileProtection": "0640"}
})";

// Runs the main window on a system directory of its own holding `ini`, its dialogs playing
// `scripts` in the order they open, and answers the file the window leaves.
std::string FileTheDialogsWrite(const std::string& ini, const std::vector<Script>& scripts, int answer = 0)
{
    TempSystemDir dir;
    if (!ini.empty())
        WriteFileBytes(dir.iniPath(), ini);
    FakeResolver resolver;
    for (const char* name : {"fileserver", "printserver", "gamma", "files"})
        resolver.AddHostName(name);
    ScriptedHost host;
    for (const Script& script : scripts)
        host.Script(script);
    if (answer)
        host.AnswerNext(answer);
    ServerListDialog window;
    EXPECT_EQ(window.DoModal(), IDOK);
    return ReadFileBytes(dir.iniPath());
}

std::string FileNorvanectlWrites(const std::string& ini, const std::vector<std::string>& arguments,
                                 const std::string& input = "")
{
    TempSystemDir dir;
    if (!ini.empty())
        WriteFileBytes(dir.iniPath(), ini);
    const CliRun run = RunCli(arguments, input);
    EXPECT_EQ(run.status, 0) << run.err;
    return ReadFileBytes(dir.iniPath());
}

TEST(DialogsAndNorvanectl, WriteTheSameFileForTheSameConfiguration)
{
    // The options first, then two servers, each new one at the head of the list.
    const std::string dialogs = FileTheDialogsWrite(
        "", {
                {Click(IDC_MAIN_OPTIONS), Click(IDC_MAIN_ADD), Click(IDC_MAIN_ADD), Click(IDOK)},
                {Type(IDC_OPTIONS_USER_NAME, "admin"), Click(IDC_OPTIONS_WARNINGS), Click(IDC_OPTIONS_SPECIFIED_MASK),
                 Click(IDC_OPTIONS_OWNER_EXECUTE), Click(IDC_OPTIONS_GROUP_EXECUTE), Click(IDOK)},
                {Type(IDC_SERVER_NAME, "printserver"), Click(IDC_SERVER_NFS_DRIVES), Click(IDC_SERVER_STREAM_PRINTING),
                 Click(IDC_SERVER_STREAM_ADD), Click(IDC_SERVER_STREAM_ADD), Click(IDOK)},
                {Type(IDC_STREAM_PORT, "515"), Click(IDC_STREAM_TELNET), Click(IDOK)},
                {Click(IDOK)},
                {Type(IDC_SERVER_NAME, "fileserver"), Click(IDC_SERVER_NFS_PRINTERS), Click(IDC_SERVER_LPR_PRINTING),
                 Click(IDC_SERVER_LPR_ADD), Click(IDOK)},
                {Type(IDC_LPR_QUEUE_NAME, "lp"), Select(IDC_LPR_FILTER_TYPE, 2),
                 Type(IDC_LPR_PERSONAL_NAME, "Print Room"), Click(IDOK)},
            });
    EXPECT_EQ(dialogs, CliGolden("fleet.ini"));
    EXPECT_EQ(FileNorvanectlWrites("", {"apply", "-"}, kFleetDocument), dialogs);
}

struct EverydayCase {
    std::vector<std::string> arguments;
    std::vector<Script> scripts;   // the window's, then its dialogs' in the order they open
    int answer = 0;                // to the one question the window asks
};

// Modify of the server in row `row` of the window (fileserver 0, printserver 1).
Script Modify(int row)
{
    return {Select(IDC_MAIN_SERVER_LIST, row), Click(IDC_MAIN_MODIFY), Click(IDOK)};
}

TEST(DialogsAndNorvanectl, EachEverydayCommandWritesWhatItsDialogsWrite)
{
    const EverydayCase cases[] = {
        {{"server", "add", "gamma", "--drive-mounts"},
         {{Click(IDC_MAIN_ADD), Click(IDOK)}, {Type(IDC_SERVER_NAME, "gamma"), Click(IDC_SERVER_NFS_PRINTERS), Click(IDOK)}}},
        {{"server", "change", "printserver", "--no-stream", "--lpr"},
         {Modify(1), {Click(IDC_SERVER_STREAM_PRINTING), Click(IDC_SERVER_LPR_PRINTING), Click(IDOK)}}},
        {{"server", "change", "fileserver", "--name", "files"}, {Modify(0), {Type(IDC_SERVER_NAME, "files"), Click(IDOK)}}},
        {{"server", "remove", "fileserver"},
         {{Select(IDC_MAIN_SERVER_LIST, 0), Click(IDC_MAIN_DELETE), Click(IDOK)}},
         IDYES},
        {{"stream-queue", "add", "printserver", "631"},
         {Modify(1), {Click(IDC_SERVER_STREAM_ADD), Click(IDOK)},
          {Type(IDC_STREAM_PORT, "631"), Click(IDC_STREAM_TELNET), Click(IDOK)}}},
        {{"stream-queue", "remove", "printserver", "515"},
         {Modify(1), {Select(IDC_SERVER_STREAM_LIST, 1), Click(IDC_SERVER_STREAM_DELETE), Click(IDOK)}}},
        {{"lpr-queue", "add", "fileserver", "raw", "--filter", "dvi", "--personal-name", "Lab"},
         {Modify(0), {Click(IDC_SERVER_LPR_ADD), Click(IDOK)},
          {Type(IDC_LPR_QUEUE_NAME, "raw"), Select(IDC_LPR_FILTER_TYPE, 1), Type(IDC_LPR_PERSONAL_NAME, "Lab"),
           Click(IDOK)}}},
        {{"lpr-queue", "remove", "fileserver", "lp"},
         {Modify(0), {Select(IDC_SERVER_LPR_LIST, 0), Click(IDC_SERVER_LPR_DELETE), Click(IDOK)}}},
        {{"option", "set", "protection", "parent"},
         {{Click(IDC_MAIN_OPTIONS), Click(IDOK)}, {Click(IDC_OPTIONS_PARENT_MASK), Click(IDOK)}}},
        {{"option", "set", "user-name", "bob"},
         {{Click(IDC_MAIN_OPTIONS), Click(IDOK)}, {Type(IDC_OPTIONS_USER_NAME, "bob"), Click(IDOK)}}},
        {{"option", "set", "warnings", "on"},
         {{Click(IDC_MAIN_OPTIONS), Click(IDOK)}, {Click(IDC_OPTIONS_WARNINGS), Click(IDOK)}}},
    };
    const std::string fleet = CliGolden("fleet.ini");
    for (const EverydayCase& c : cases) {
        const std::string dialogs = FileTheDialogsWrite(fleet, c.scripts, c.answer);
        EXPECT_NE(dialogs, fleet) << c.arguments[0] << " " << c.arguments[1];
        EXPECT_EQ(FileNorvanectlWrites(fleet, c.arguments), dialogs) << c.arguments[0] << " " << c.arguments[1];
    }
}

ScriptAction RunNorvanectl(std::vector<std::string> arguments)
{
    return Inspect([arguments](CDialog&) {
        const CliRun run = RunCli(arguments);
        EXPECT_EQ(run.status, 0) << run.err;
    });
}

TEST_F(CliTest, AWindowKeepsWhatNorvanectlWroteWhileItWasOpenAndNorvanectlWhatTheWindowSaved)
{
    SetIni(CliGolden("fleet.ini"));
    FakeResolver resolver;
    resolver.AddHostName("delta");
    ScriptedHost host;
    host.Script({RunNorvanectl({"server", "add", "gamma", "--drive-mounts"}), Click(IDC_MAIN_ADD), Click(IDC_MAIN_OPTIONS),
                 Click(IDOK)});
    host.Script({Type(IDC_SERVER_NAME, "delta"), Click(IDOK)});
    host.Script({RunNorvanectl({"option", "set", "warnings", "on"}), Type(IDC_OPTIONS_USER_NAME, "carol"), Click(IDOK)});
    {
        ServerListDialog window;
        EXPECT_EQ(window.DoModal(), IDOK);
    }
    EXPECT_NE(Ini().find("\nWarnings=1"), std::string::npos) << Ini();
    EXPECT_NE(Ini().find("\nUserName=carol"), std::string::npos) << Ini();

    ASSERT_EQ(RunCli({"server", "remove", "printserver"}).status, 0);
    ServerList list = nullptr;
    ASSERT_EQ(LoadServerList(list), ProfileOk);
    const OwnedServerList owned(list);
    std::vector<std::string> names;
    for (const ServerEntry* entry = list; entry; entry = entry->next)
        names.emplace_back(entry->name);
    EXPECT_EQ(names, (std::vector<std::string>{"delta", "gamma", "fileserver"}));
}

} // namespace
