// SPDX-License-Identifier: GPL-2.0-or-later
// norvanectl check: every hazard of a file of hazards, each on its line, and none in the worked example.
#include "tests/cli/cli_fixture.h"

#include "cli/hazards.h"

namespace {

struct Expected {
    uint32_t line;
    const char* subject;   // the start of the server's name or of the key it concerns
    const char* reason;    // a part of the reason
};

TEST(Hazards, EachHazardOfTheFileIsFoundOnItsLine)
{
    const Expected expected[] = {
        {3, "NumServers", "the count is 15, but these keys are missing: Server6"},
        {5, "Alpha", "alpha (line 4) differs only in capital and small letters: they share their queue keys"},
        {6, "beta ", "The server name cannot start or end with a blank."},
        {7, "gamma", "does not split into five fields"},
        {8, "de,lta", "does not split into five fields"},
        {8, "de,lta", "The server name cannot contain a comma."},
        {10, "lll", "The server name cannot be longer than 241 bytes."},
        {17, "\"q\"", "The server name cannot start or end with a quotation mark."},
        {20, "alphaNumQueues", "the count is 3, but these keys are missing: alphaQueue3"},
        {22, "alphaQueue2", "port 70000 is not from 1 to 65536: it reads as 9100"},
        {24, "epsQueue1", "does not split into two fields (a port and a telnet flag)"},
        {28, "alphaQueue1", "the filter 'x' is no print-file type letter of RFC 1179"},
        {29, "alphaQueue2", "the LPR queue line does not split into four fields: it reads as four blanks"},
        {31, "zetaQueue1", "The personal name cannot end with the quotation mark that starts the queue name."},
        {34, "KnownServers", "needs 1030 bytes, more than 1,023: the network component will not see big5"},
        {34, "KnownServers", "the list is 1259 bytes long; the network component reads 1,023 and does not see "
                             "n048yyyyyyyyyyyyyyyy, n049"},
        {37, "kkk", "the key is 262 bytes long; a key of more than 259 is never read"},
        {38, "Comment", "the value is 300 bytes long; only the first 259 are read"},
        {41, "UserName", "The default user name cannot start or end with a blank."},
        {41, "UserName", "the default user name has 44 bytes; the dialogs show at most 31"},
    };
    const std::vector<Hazard> found = FindHazards(ReadFileBytes(CliTestFile("hazards.ini")));
    ASSERT_EQ(found.size(), std::size(expected));
    for (size_t i = 0; i < found.size(); ++i) {
        EXPECT_EQ(found[i].line, expected[i].line) << found[i].reason;
        EXPECT_TRUE(found[i].server.starts_with(expected[i].subject) || found[i].key.starts_with(expected[i].subject))
            << found[i].server << " / " << found[i].key << " / " << expected[i].subject;
        EXPECT_NE(found[i].reason.find(expected[i].reason), std::string::npos) << found[i].reason;
    }
}

TEST_F(CliTest, CheckReportsEachHazardOnItsLineAndACleanFileAsClean)
{
    const std::string file = CliTestFile("hazards.ini");
    CliRun run = RunCli({"check", file});
    EXPECT_EQ(run.status, 1);
    EXPECT_NE(run.out.find(file + ":6: Server3 (beta ): The server name cannot start or end with a blank.\n"),
              std::string::npos)
        << run.out;
    run = RunCli({"check", "--json", file});
    EXPECT_EQ(run.status, 1);
    EXPECT_NE(run.out.find("{\n      \"line\": 5,\n      \"server\": \"Alpha\",\n      \"key\": null,\n"), std::string::npos)
        << run.out;

    for (const char* clean : {"alpha_beta.ini", "beta_after_removing_alpha.ini"}) {
        SetIni(CliGolden(clean));
        run = RunCli({"check"});
        EXPECT_EQ(run.status, 0) << run.out;
        EXPECT_EQ(run.out, m_dir.iniPath() + ": no hazards found\n");
    }
}

} // namespace
