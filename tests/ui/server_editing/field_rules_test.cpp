// SPDX-License-Identifier: GPL-2.0-or-later
// The rules for what may be typed into the fields that the server list is saved from.
#include <gtest/gtest.h>

#include <string>

#include "config/field_rules.h"
#include "config/filter_types.h"
#include "res/resource_ids.h"
#include "tests/ui/server_editing/server_editing_fixtures.h"

namespace {

TEST(ServerNameRules, EachReasonIsNamed)
{
    struct Case {
        std::string name;
        uint32_t refusal;
    };
    const Case cases[] = {
        {"alpha", 0},
        {"10.0.0.7", 0},
        {"print-server.example", 0},
        {"a b", 0},                  // inner blanks stay inside the keys
        {"a\"b'c", 0},               // so do inner quotes
        {"x]", 0},
        {"a;b[c]", 0},               // only a leading '[' or ';' changes how a line reads
        {"caf\xC3\xA9", 0},
        {std::string(241, 'n'), 0},
        {std::string(242, 'n'), IDS_SERVER_NAME_TOO_LONG},
        {"Lab 2, east wing", IDS_SERVER_NAME_COMMA},
        {"a=b", IDS_SERVER_NAME_EQUALS},
        {"[alpha", IDS_SERVER_NAME_LEADING_MARK},
        {";alpha", IDS_SERVER_NAME_LEADING_MARK},
        {" alpha", IDS_SERVER_NAME_EDGE_BLANK},
        {"alpha ", IDS_SERVER_NAME_EDGE_BLANK},
        {"\"alpha", IDS_SERVER_NAME_EDGE_QUOTE},
        {"alpha'", IDS_SERVER_NAME_EDGE_QUOTE},
        {"al\tpha", IDS_SERVER_NAME_CONTROL},
        {"alpha\n", IDS_SERVER_NAME_CONTROL},
        {"al\rpha", IDS_SERVER_NAME_CONTROL},
        {std::string("al\0pha", 6), IDS_SERVER_NAME_CONTROL},
        {"al\x1a", IDS_SERVER_NAME_CONTROL},
        {"al\x7fpha", IDS_SERVER_NAME_CONTROL},
    };
    for (const Case& c : cases)
        EXPECT_EQ(ServerNameRefusal(c.name, nullptr, nullptr), c.refusal) << "name \"" << c.name << "\"";
}

TEST(ServerNameRules, NameOfAnotherServerIsTakenIgnoringCaseButNotItsOwn)
{
    OwnedEntry alpha;
    SetName(*alpha, "Alpha");
    OwnedEntry beta;
    SetName(*beta, "beta");
    alpha->next = beta.entry;

    EXPECT_EQ(ServerNameRefusal("ALPHA", alpha.entry, nullptr), IDS_SERVER_NAME_TAKEN);
    EXPECT_EQ(ServerNameRefusal("beta", alpha.entry, nullptr), IDS_SERVER_NAME_TAKEN) << "the second server counts";
    EXPECT_EQ(ServerNameRefusal("alpha", alpha.entry, alpha.entry), 0u) << "a server keeps its own name";
    EXPECT_EQ(ServerNameRefusal("Beta", alpha.entry, alpha.entry), IDS_SERVER_NAME_TAKEN);
    EXPECT_EQ(ServerNameRefusal("gamma", alpha.entry, nullptr), 0u);
    EXPECT_EQ(ServerNameRefusal("\xC3\x89", alpha.entry, nullptr), 0u);
    alpha->next = nullptr;
}

TEST(LprQueueRules, EachReasonNamesItsField)
{
    struct Case {
        const char* what;
        LprQueueTexts texts;
        std::optional<LprRefusal> refusal;
    };
    const std::string longest(256 - 3, 'q');   // with "v", "u", "p" and three commas: 259
    const std::string tooLong = longest + "q";
    const Case cases[] = {
        {"plain", {"lp", "v", "guest", "Lab 2"}, std::nullopt},
        {"empty optional fields", {"lp", "", "", ""}, std::nullopt},
        {"inner blanks and '=' ';' '['", {"l p", "x y", "a=b", "[Lab; east]"}, std::nullopt},
        {"blank ends inside the line", {"lp ", " v ", " guest ", " Lab"}, std::nullopt},
        {"quote that does not pair", {"\"lp", "v", "guest", "Lab'"}, std::nullopt},
        {"quote at the end of the queue name", {"lp\"", "v", "", "\"Lab\""}, std::nullopt},
        {"four fields of 256 characters", {longest, "v", "u", "p"}, std::nullopt},
        {"too long", {tooLong, "v", "u", "p"},
         LprRefusal{LprField::QueueName, IDS_LPR_QUEUE_TOO_LONG}},
        {"comma in queue name", {"l,p", "v", "", ""}, LprRefusal{LprField::QueueName, IDS_LPR_QUEUE_NAME_COMMA}},
        {"comma in filter", {"lp", ",", "", ""}, LprRefusal{LprField::Filter, IDS_LPR_FILTER_COMMA}},
        {"comma in user name", {"lp", "v", "a,b", ""}, LprRefusal{LprField::UserName, IDS_LPR_USER_NAME_COMMA}},
        {"comma in personal name", {"lp", "v", "", "Lab 2, east wing"},
         LprRefusal{LprField::PersonalName, IDS_LPR_PERSONAL_NAME_COMMA}},
        {"tab in queue name", {"l\tp", "v", "", ""}, LprRefusal{LprField::QueueName, IDS_LPR_QUEUE_NAME_CONTROL}},
        {"line break in filter", {"lp", "v\n", "", ""}, LprRefusal{LprField::Filter, IDS_LPR_FILTER_CONTROL}},
        {"DEL in user name", {"lp", "v", "\x7f", ""}, LprRefusal{LprField::UserName, IDS_LPR_USER_NAME_CONTROL}},
        {"CR in personal name", {"lp", "v", "", "a\rb"},
         LprRefusal{LprField::PersonalName, IDS_LPR_PERSONAL_NAME_CONTROL}},
        {"leading blank", {" lp", "v", "", ""}, LprRefusal{LprField::QueueName, IDS_LPR_QUEUE_NAME_LEADING_BLANK}},
        {"trailing blank", {"lp", "v", "", "Lab "},
         LprRefusal{LprField::PersonalName, IDS_LPR_PERSONAL_NAME_TRAILING_BLANK}},
        {"double quotes pair", {"\"lp", "v", "", "Lab\""}, LprRefusal{LprField::PersonalName, IDS_LPR_QUOTE_PAIR}},
        {"single quotes pair", {"'", "", "", "'"}, LprRefusal{LprField::PersonalName, IDS_LPR_QUOTE_PAIR}},
    };
    for (const Case& c : cases)
        EXPECT_EQ(LprQueueRefusal(c.texts), c.refusal) << c.what;
}

TEST(PortRules, ReadLikeAtolWithinOneTo65536)
{
    struct Case {
        const char* text;
        std::optional<uint32_t> port;
    };
    const Case cases[] = {
        {"1", 1u},          {"65536", 65536u},  {"9100", 9100u},     {" 80", 80u},
        {"\t\n80", 80u},    {"+80", 80u},       {"80abc", 80u},      {"0080", 80u},
        {"0", std::nullopt}, {"65537", std::nullopt}, {"abc", std::nullopt}, {"-80", std::nullopt},
        {"0x50", std::nullopt}, {"", std::nullopt},   {"+", std::nullopt},   {"- 80", std::nullopt},
        {"-0", std::nullopt},   {"123456789012", std::nullopt},
        {"4294967297", std::nullopt},   // would wrap to 1 in 32 bits
        {"-4294967295", std::nullopt},  // would wrap to 1 as well
        {"00000000000000000000000000000000080", 80u},
    };
    for (const Case& c : cases)
        EXPECT_EQ(PortFromText(c.text), c.port) << "port text \"" << c.text << "\"";
}

TEST(FilterTypes, LettersAndIndexesBothWays)
{
    const char* const letters[] = {"v", "d", "f", "g", "r", "c"};
    for (int32_t index = 0; index < 6; ++index) {
        EXPECT_EQ(FilterLetterToIndex(letters[index]), index);
        EXPECT_EQ(FilterIndexToLetter(index), letters[index]);
    }
    for (const char* other : {"", "V", "x", "vv", "v ", " v", "l"})
        EXPECT_EQ(FilterLetterToIndex(other), kUserDefinedFilter) << "\"" << other << "\"";
    EXPECT_EQ(FilterIndexToLetter(kUserDefinedFilter), "");
}

} // namespace
