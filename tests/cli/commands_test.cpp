// SPDX-License-Identifier: GPL-2.0-or-later
// norvanectl's commands as a user runs them: what each prints, its exit status, and what it does to
// kqnet.ini.
#include "tests/cli/cli_fixture.h"

#include "cli/command_line.h"
#include "tests/support/test_language.h"

#include <filesystem>
#include <optional>

namespace {

struct CommandCase {
    const char* description;
    std::vector<std::string> arguments;
    int status;
    const char* out;   // what standard output holds ("" for nothing in particular)
    const char* err;   // what standard error holds; nullptr: it stays empty
    bool writes;       // whether kqnet.ini changes
    const char* language = "";   // of the catalogs, for LANGUAGE; "" for English
};

// Each case starts from the worked example: alpha (drive mounts, stream printing on two queues) and
// beta (printer mounts, LPR printing on one queue).
const CommandCase kCases[] = {
    {"help", {"--help"}, 0, "Usage: norvanectl COMMAND", nullptr, false},
    {"version", {"--version"}, 0, "norvanectl 0.1.0", nullptr, false},
    {"no command", {}, 2, "", "norvanectl: no command given; see 'norvanectl --help'", false},
    {"unknown command", {"list"}, 2, "", "norvanectl: 'list' is not a command", false},
    {"group without its command", {"server"}, 2, "", "norvanectl: 'server' needs add | change | remove", false},
    {"unknown option", {"show", "--yaml"}, 2, "", "norvanectl: 'show' has no option --yaml", false},
    {"missing argument", {"server", "add"}, 2, "", "norvanectl: 'server add' needs NAME", false},
    {"extra argument", {"server", "remove", "alpha", "beta"}, 2, "", "takes no argument 'beta'", false},
    {"option without its value", {"apply", "-", "--if-match"}, 2, "", "option --if-match needs a value", false},
    {"a flag with a value", {"show", "--json=yes"}, 2, "", "option --json takes no value", false},
    {"an option twice", {"server", "add", "g", "--lpr", "--lpr"}, 2, "", "option --lpr is given twice", false},
    {"both sides of a flag",
     {"server", "change", "alpha", "--lpr", "--no-lpr"}, 2, "", "options --lpr and --no-lpr cannot go together", false},
    {"help wins over the rest", {"server", "add", "--bogus", "--help"}, 0, "Usage: norvanectl server add NAME", nullptr,
     false},

    {"add", {"server", "add", "gamma", "--drive-mounts", "--lpr"}, 0, "kqnet.ini: written", nullptr, true},
    {"add: the name rule", {"server", "add", "file,server"}, 3, "",
     "norvanectl: The server name cannot contain a comma.", false},
    {"add: a name that differs only in case", {"server", "add", "ALPHA"}, 3, "",
     "norvanectl: The server name is already in the Servers and Printers list.", false},
    {"add: an empty name", {"server", "add", ""}, 3, "", "norvanectl: The server name cannot be empty.", false},
    {"add: any character", {"server", "add", "\xC5\x81\xC3\xB3" "d\xC5\xBA"}, 0, "kqnet.ini: written", nullptr, true},
    {"add: not UTF-8", {"server", "add", "m\xFCller"}, 2, "", "NAME is not UTF-8 text", false},
    {"change", {"server", "change", "Beta", "--stream"}, 0, "kqnet.ini: written", nullptr, true},
    {"change to what it is", {"server", "change", "beta", "--lpr", "--printer-mounts"}, 0, "kqnet.ini: nothing to change",
     nullptr, false},
    {"change: no such server", {"server", "change", "delta", "--lpr"}, 2, "", "norvanectl: there is no server 'delta'",
     false},
    {"rename onto another's name", {"server", "change", "beta", "--name", "Alpha"}, 3, "",
     "The server name is already in the Servers and Printers list.", false},
    {"remove", {"server", "remove", "alpha"}, 0, "written", nullptr, true},
    {"stream queue", {"stream-queue", "add", "alpha", "631", "--telnet"}, 0, "written", nullptr, true},
    {"stream queue: the port rule", {"stream-queue", "add", "alpha", "65537"}, 3, "",
     "norvanectl: The valid range of port numbers is from 1 to 65536", false},
    {"stream queue: printing off", {"stream-queue", "add", "beta"}, 2, "",
     "stream printing is off for beta; turn it on with 'norvanectl server change beta --stream'", false},
    {"stream queue removed", {"stream-queue", "remove", "alpha", "515"}, 0, "written", nullptr, true},
    {"stream queue: none on the port", {"stream-queue", "remove", "alpha", "631"}, 2, "",
     "alpha has no stream queue on port 631", false},
    {"LPR queue", {"lpr-queue", "add", "beta", "raw", "--filter", "binary"}, 0, "written", nullptr, true},
    {"LPR queue: the field rule", {"lpr-queue", "add", "beta", "raw", "--user", "a,b"}, 3, "",
     "norvanectl: The user name cannot contain a comma.", false},
    {"LPR queue removed", {"lpr-queue", "remove", "beta", "lp"}, 0, "written", nullptr, true},
    {"LPR queue: no such", {"lpr-queue", "remove", "beta", "raw"}, 2, "", "beta has no LPR queue 'raw'", false},
    {"user name", {"option", "set", "user-name", "guest"}, 0, "written", nullptr, true},
    {"user name: the rule", {"option", "set", "user-name", "guest "}, 3, "",
     "norvanectl: The default user name cannot start or end with a blank.", false},
    {"user name: too long for the dialogs", {"option", "set", "user-name", std::string(32, 'u')}, 3, "",
     "The default user name cannot be longer than 31 bytes.", false},
    {"warnings", {"option", "set", "warnings", "off"}, 0, "written", nullptr, true},
    {"warnings: neither on nor off", {"option", "set", "warnings", "no"}, 2, "", "'no' is neither on nor off", false},
    {"protection", {"option", "set", "protection", "0640"}, 0, "written", nullptr, true},
    {"protection: not a mask", {"option", "set", "protection", "0800"}, 2, "",
     "'0800' is neither parent nor an octal mask from 000 to 777", false},
    {"no such option", {"option", "set", "colour", "blue"}, 2, "", "'colour' is no option", false},
    {"a wrong version", {"server", "remove", "alpha", "--if-match", "0123"}, 4, "", "is no longer version 0123", false},

    {"check: the worked example", {"check"}, 0, "kqnet.ini: no hazards found", nullptr, false},
    {"check: a missing file", {"check", "/nonexistent/kqnet.ini"}, 4, "",
     "norvanectl: cannot read /nonexistent/kqnet.ini: No such file or directory", false},
    {"apply: a missing document", {"apply", "/nonexistent/doc.json"}, 4, "",
     "norvanectl: cannot read /nonexistent/doc.json: No such file or directory", false},

    // In the user's language: its own texts, the dialogs' rules, and its help.
    {"German: written", {"server", "add", "gamma"}, 0, "kqnet.ini: geschrieben", nullptr, true, "de"},
    {"German: the name rule", {"server", "add", "file,server"}, 3, "",
     "norvanectl: Der Servername darf kein Komma enthalten.", false, "de"},
    {"German: no such server", {"server", "remove", "delta"}, 2, "", "norvanectl: es gibt keinen Server 'delta'", false,
     "de"},
    {"German: help", {"server", "add", "--help"}, 0, "Einen Server hinzufügen", nullptr, false, "de"},
};

class CommandsTest : public CliTest, public ::testing::WithParamInterface<CommandCase> {};

TEST_P(CommandsTest, PrintsEndsAndWritesAsDocumented)
{
    const CommandCase& c = GetParam();
    const std::optional<ScopedLanguage> language =
        *c.language ? std::optional<ScopedLanguage>(std::in_place, c.language) : std::nullopt;
    SetIni(CliGolden("alpha_beta.ini"));
    const CliRun run = RunCli(c.arguments);
    EXPECT_EQ(run.status, c.status) << run.err;
    EXPECT_NE(run.out.find(c.out), std::string::npos) << run.out;
    if (c.err) {
        EXPECT_NE(run.err.find(c.err), std::string::npos) << run.err;
        EXPECT_TRUE(run.err.starts_with("norvanectl: ")) << run.err;
        EXPECT_EQ(run.err.find('\n'), run.err.size() - 1) << "one line: " << run.err;
    } else {
        EXPECT_EQ(run.err, "");
    }
    EXPECT_EQ(Ini() != CliGolden("alpha_beta.ini"), c.writes) << Ini();
}

INSTANTIATE_TEST_SUITE_P(Norvanectl, CommandsTest, ::testing::ValuesIn(kCases),
                         [](const ::testing::TestParamInfo<CommandCase>& info) {
                             std::string name = std::to_string(info.index) + "_" + info.param.description;
                             for (char& c : name)
                                 c = std::isalnum(static_cast<unsigned char>(c)) ? c : '_';
                             return name;
                         });

TEST_F(CliTest, EveryCommandHasItsHelp)
{
    for (const CommandSpec& command : Commands()) {
        std::vector<std::string> words;
        for (size_t start = 0; start <= command.words.size();) {
            const size_t blank = std::min(command.words.find(' ', start), command.words.size());
            words.emplace_back(command.words.substr(start, blank - start));
            start = blank + 1;
        }
        words.emplace_back("--help");
        const CliRun run = RunCli(words);
        EXPECT_EQ(run.status, 0) << command.words;
        EXPECT_TRUE(run.out.starts_with("Usage: norvanectl " + std::string(command.words))) << run.out;
        for (const OptionSpec& option : command.options)
            EXPECT_NE(run.out.find(std::string(option.name)), std::string::npos) << command.words << option.name;
    }
}

TEST_F(CliTest, ShowPrintsTheWorkedExampleAsTablesAndAsJson)
{
    SetIni(CliGolden("alpha_beta.ini"));
    const CliRun table = RunCli({"show"});
    EXPECT_EQ(table.status, 0);
    EXPECT_EQ(table.out, CliGolden("alpha_beta.txt"));
    const CliRun json = RunCli({"show", "--json"});
    EXPECT_EQ(json.status, 0);
    EXPECT_EQ(json.out, CliGolden("alpha_beta.json"));
}

// The worked example's document without its options.
std::string ServersOnly(const std::string& document)
{
    return document.substr(0, document.find(",\n  \"options\"")) + "\n}\n";
}

TEST_F(CliTest, ApplyWritesTheDocumentOnceAndThenNothing)
{
    // Exactly the file the store writes for the servers.
    const std::string servers = ServersOnly(CliGolden("alpha_beta.json"));
    CliRun run = RunCli({"apply", "--check", "-"}, servers);
    EXPECT_EQ(run.status, 1);
    EXPECT_EQ(run.out, m_dir.iniPath() + ": would change\n");
    EXPECT_FALSE(std::filesystem::exists(m_dir.iniPath()));

    run = RunCli({"apply", "-"}, servers);
    EXPECT_EQ(run.status, 0) << run.err;
    EXPECT_EQ(run.out, m_dir.iniPath() + ": written\n");
    EXPECT_EQ(Ini(), CliGolden("alpha_beta.ini"));

    run = RunCli({"apply", "-"}, servers);
    EXPECT_EQ(run.status, 0);
    EXPECT_EQ(run.out, m_dir.iniPath() + ": nothing to change\n");
    run = RunCli({"apply", "--check", "--json", "-"}, servers);
    EXPECT_EQ(run.status, 0);
    EXPECT_EQ(run.out, "{\n  \"file\": \"" + m_dir.iniPath() + "\",\n  \"changed\": false,\n  \"written\": false\n}\n");
    EXPECT_EQ(Ini(), CliGolden("alpha_beta.ini"));
}

TEST_F(CliTest, ApplyDiffShowsTheChangeToTheFile)
{
    SetIni(CliGolden("alpha_beta.ini"));
    std::string document = ServersOnly(CliGolden("alpha_beta.json"));
    document.replace(document.find("\"nfsPrinterMounts\": true"), 24, "\"nfsPrinterMounts\": false");
    const std::string path = m_dir.iniPath();
    const std::string diff = "--- " + path + "\n+++ " + path + "\n"
        "@@ -1,6 +1,6 @@\n"
        " [ServerList]\n"
        " Server1=alpha,1,0,1,0\n"
        "-Server2=beta,0,1,0,1\n"
        "+Server2=beta,0,0,0,1\n"
        " NumServers=2\n"
        " \n"
        " [StreamQueues]\n";
    const CliRun check = RunCli({"apply", "--check", "--diff", "-"}, document);
    EXPECT_EQ(check.status, 1) << check.err;
    EXPECT_EQ(check.out, diff + path + ": would change\n");
    EXPECT_EQ(Ini(), CliGolden("alpha_beta.ini"));

    const CliRun apply = RunCli({"apply", "--diff", "-"}, document);
    EXPECT_EQ(apply.status, 0);
    EXPECT_EQ(apply.out, diff + path + ": written\n");
}

// UTF-8 passes as it is. A name in another encoding shows its stray byte as U+FFFD; a document that
// gives it back leaves the file's bytes, and only a name edited in the document is written anew.
TEST_F(CliTest, TextsAreUtf8AndBytesThatAreNotComeBackUnchanged)
{
    const std::string lodz = "\xC5\x81\xC3\xB3" "d\xC5\xBA";
    SetIni("[ServerList]\nServer1=m\xFCller,1,0,0,0\nServer2=" + lodz + ",1,0,0,0\nNumServers=2\n");
    const std::string shown = RunCli({"show", "--json"}).out;
    EXPECT_NE(shown.find("\"name\": \"m\xEF\xBF\xBDller\""), std::string::npos) << shown;
    EXPECT_NE(shown.find("\"name\": \"" + lodz + "\""), std::string::npos) << shown;

    CliRun run = RunCli({"apply", "-"}, shown);
    EXPECT_EQ(run.status, 0) << run.err;
    EXPECT_NE(Ini().find("Server1=m\xFCller,1,0,0,0\nServer2=" + lodz + ","), std::string::npos) << Ini();
    EXPECT_EQ(Ini().find("\xEF\xBF\xBD"), std::string::npos) << Ini();
    run = RunCli({"apply", "-"}, shown);
    EXPECT_EQ(run.out, m_dir.iniPath() + ": nothing to change\n");

    std::string edited = shown;
    edited.replace(edited.find("m\xEF\xBF\xBDller"), 8, "m\xC3\xBCller");
    run = RunCli({"apply", "-"}, edited);
    EXPECT_EQ(run.status, 0) << run.err;
    EXPECT_NE(Ini().find("Server1=m\xC3\xBCller,1,0,0,0\n"), std::string::npos) << Ini();
}

TEST_F(CliTest, IfMatchHoldsOnlyForTheVersionShown)
{
    SetIni(CliGolden("alpha_beta.ini"));
    const std::string shown = RunCli({"show", "--json"}).out;
    const std::string version = shown.substr(shown.find("\"version\": \"") + 12, 64);
    EXPECT_EQ(RunCli({"server", "add", "gamma", "--if-match", version}).status, 0);
    const std::string after = Ini();
    const CliRun stale = RunCli({"server", "add", "delta", "--if-match", version});
    EXPECT_EQ(stale.status, 4);
    EXPECT_NE(stale.err.find(m_dir.iniPath() + " is no longer version " + version), std::string::npos) << stale.err;
    EXPECT_EQ(Ini(), after);
}

TEST_F(CliTest, DocumentsOfTheWrongShapeOrRefusedByARuleChangeNothing)
{
    SetIni(CliGolden("alpha_beta.ini"));
    const struct {
        const char* document;
        int status;
        const char* err;
    } cases[] = {
        {"[1]", 2, "norvanectl: standard input must be an object"},
        {"{\"servers\": [", 2, "standard input is not a JSON document"},
        {"{\"server\": []}", 2, "standard input has no setting 'server'"},
        {"{\"servers\": [{\"nfsDriveMounts\": true}]}", 2, "servers[0] lacks 'name'"},
        {"{\"servers\": [{\"name\": \"a\", \"lprPrinting\": 1}]}", 2, "servers[0].lprPrinting must be true or false"},
        {"{\"servers\": [{\"name\": \"a\", \"lprQueues\": [{\"queueName\": \"q\"}]}]}", 2,
         "servers[0] has LPR queues, but its LPR printing is off"},
        {"{\"servers\": [{\"name\": \"a\", \"streamPrinting\": true, \"streamQueues\": [{\"port\": 0}]}]}", 3,
         "servers[0].streamQueues[0].port: The valid range of port numbers is from 1 to 65536"},
        {"{\"servers\": [{\"name\": \"a,b\"}]}", 3, "servers[0]: The server name cannot contain a comma."},
        {"{\"servers\": [{\"name\": \"a\"}, {\"name\": \"A\"}]}", 3, "servers[0]: The server name is already"},
        {"{\"options\": {\"fileProtection\": \"rw\"}}", 2, "'rw' is neither parent nor an octal mask"},
        {"{\"options\": {\"defaultUserName\": \"\\u0007\"}}", 3,
         "options.defaultUserName: The default user name cannot contain tabs, line breaks or other control characters."},
    };
    for (const auto& c : cases) {
        const CliRun run = RunCli({"apply", "-"}, c.document);
        EXPECT_EQ(run.status, c.status) << c.document;
        EXPECT_NE(run.err.find(c.err), std::string::npos) << run.err;
        EXPECT_EQ(Ini(), CliGolden("alpha_beta.ini"));
    }
}

TEST_F(CliTest, AFileThatCannotBeReadIsNamedWithItsReason)
{
    // A folder where the file should be: not even root can read it.
    std::filesystem::create_directory(m_dir.iniPath());
    for (const std::vector<std::string>& arguments :
         {std::vector<std::string>{"show"}, {"check"}, {"server", "add", "gamma"}, {"option", "set", "warnings", "on"}}) {
        const CliRun run = RunCli(arguments);
        EXPECT_EQ(run.status, 4) << arguments[0];
        EXPECT_NE(run.err.find(m_dir.iniPath() + ": Is a directory"), std::string::npos) << run.err;
    }
}

} // namespace
