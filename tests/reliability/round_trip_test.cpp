// SPDX-License-Identifier: GPL-2.0-or-later
// What the loader makes of damaged or hand-edited lines survives a save and a second load unchanged:
// values that readers would trim or unquote are stored so that they read back as they were.
#include "config/server_file.h"
#include "tests/reliability/sample_configs.h"
#include "tests/support/temp_system_dir.h"

#include <gtest/gtest.h>

namespace {

struct RoundTripCase {
    const char* name;
    std::string lprLine;           // betaQueue1 as found in the file
    std::string fields;            // the four fields loaded, joined by '|'
    std::string savedLine;         // the line a save writes for them
};

void PrintTo(const RoundTripCase& c, std::ostream* out)
{
    *out << c.name;
}

std::string Fields(const LprQueue& queue)
{
    return std::string(queue.queueName) + "|" + queue.filter + "|" + queue.userName + "|" + queue.personalName;
}

class DamagedLineRoundTrip : public ::testing::TestWithParam<RoundTripCase> {};

TEST_P(DamagedLineRoundTrip, SavesAndLoadsBackTheSameFields)
{
    const RoundTripCase& c = GetParam();
    TempSystemDir dir;
    WriteFileBytes(dir.iniPath(), "[ServerList]\nServer1=beta,0,1,0,1\nNumServers=1\n[LPRQueues]\nbetaQueue1=" + c.lprLine
                                      + "\nbetaNumQueues=1\n");
    OwnedList first{LoadNow()};
    ASSERT_NE(first.head, nullptr);
    ASSERT_NE(first.head->lprQueues, nullptr);
    EXPECT_EQ(Fields(*first.head->lprQueues), c.fields);

    ASSERT_EQ(SaveServerList(first.head), ProfileOk);
    EXPECT_NE(ReadFileBytes(dir.iniPath()).find("\nbetaQueue1=" + c.savedLine + "\n"), std::string::npos);
    OwnedList second{LoadNow()};
    EXPECT_EQ(DescribeDifference(first.head, second.head), "");
}

INSTANTIATE_TEST_SUITE_P(
    Lines, DamagedLineRoundTrip,
    ::testing::Values(RoundTripCase{"ThreeFields", "lp,f,guest", " | | | ", "\" , , , \""},
                      RoundTripCase{"FiveFields", "lp,f,guest,Lab,x", " | | | ", "\" , , , \""},
                      RoundTripCase{"DoubleQuoted", "\"\"lp,f,guest,Lab\"\"", "\"lp|f|guest|Lab\"", "\"\"lp,f,guest,Lab\"\""},
                      RoundTripCase{"SingleQuotesInside", "\"'lp,f,guest,Lab'\"", "'lp|f|guest|Lab'", "\"'lp,f,guest,Lab'\""},
                      RoundTripCase{"QuoteAtOneEndOnly", "\"lp,f,guest,Lab", "\"lp|f|guest|Lab", "\"lp,f,guest,Lab"},
                      RoundTripCase{"Ordinary", "lp,f,guest,Lab", "lp|f|guest|Lab", "lp,f,guest,Lab"}),
    [](const ::testing::TestParamInfo<RoundTripCase>& info) { return std::string(info.param.name); });

} // namespace
