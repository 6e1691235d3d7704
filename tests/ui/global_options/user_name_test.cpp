// SPDX-License-Identifier: GPL-2.0-or-later
// The default user name: what the box can show, when OK writes it, and which names it refuses.
#include "tests/ui/global_options/global_options_fixture.h"

#include "config/global_options.h"
#include "res/resource_ids.h"
#include "res/string_table.h"

namespace {

const std::string k31(31, 'n');
const std::string k32(32, 'n');

std::string Shown(CDialog& dialog)
{
    return dialog.GetDlgItemText(IDC_OPTIONS_USER_NAME);
}

TEST_F(GlobalOptionsTest, NamesUpTo31CharactersAreShown)
{
    const std::pair<std::string, std::string> cases[] = {{k31, k31}, {k32, ""}, {"", ""}};
    for (const auto& [stored, shown] : cases) {
        Store("[Auth]\nUserName=" + stored + "\n");
        std::string text = "<not looked at>";
        EXPECT_EQ(Run({Inspect([&](CDialog& dialog) { text = Shown(dialog); }), Escape()}), IDCANCEL);
        EXPECT_EQ(text, shown) << stored.size() << " characters";
    }
}

// Neither one the box could not show nor one that typing could not produce.
TEST_F(GlobalOptionsTest, UntouchedBoxKeepsTheStoredName)
{
    for (const std::string& stored : {k32, std::string("tab\there")}) {
        Store("[Auth]\nUserName=" + stored + "\n");
        EXPECT_EQ(Run({Click(IDOK)}), IDOK);
        EXPECT_EQ(Stored("Auth", "UserName"), stored);
    }

    // Emptying the box on purpose does replace it.
    EXPECT_EQ(Run({Type(IDC_OPTIONS_USER_NAME, "x"), Type(IDC_OPTIONS_USER_NAME, ""), Click(IDOK)}), IDOK);
    EXPECT_EQ(Stored("Auth", "UserName"), "");
}

TEST_F(GlobalOptionsTest, TypingStopsAt31CharactersSoTheNameCanBeShownAgain)
{
    EXPECT_EQ(Run({Type(IDC_OPTIONS_USER_NAME, std::string(40, 'm')), Click(IDOK)}), IDOK);
    std::string text;
    EXPECT_EQ(Run({Inspect([&](CDialog& dialog) { text = Shown(dialog); }), Escape()}), IDCANCEL);
    EXPECT_EQ(text, std::string(31, 'm'));
}

// Whatever is typed either reads back exactly as typed or is refused with the field named, before
// anything is written or told.
TEST_F(GlobalOptionsTest, TypedNameReadsBackAsTypedOrIsRefused)
{
    struct Case {
        std::string typed;
        uint32_t refusal;  // 0: accepted
    };
    const Case cases[] = {
        {"ann", 0},
        {"o'brien", 0},
        {"\"half", 0},
        {"lab, east", 0},
        {"a=b;c[d]", 0},
        {"two  blanks", 0},
        {"caf\xc3\xa9", 0},
        {"'x\"", 0},
        {" ann", IDS_OPTIONS_USER_NAME_EDGE_BLANK},
        {"ann ", IDS_OPTIONS_USER_NAME_EDGE_BLANK},
        {"\"ann\"", IDS_OPTIONS_USER_NAME_EDGE_QUOTE},
        {"''", IDS_OPTIONS_USER_NAME_EDGE_QUOTE},
        {"a\tb", IDS_OPTIONS_USER_NAME_CONTROL},
        {"a\nb", IDS_OPTIONS_USER_NAME_CONTROL},
        {std::string("a\0b", 3), IDS_OPTIONS_USER_NAME_CONTROL},
        {"a\x1a", IDS_OPTIONS_USER_NAME_CONTROL},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE("typed \"" + c.typed + "\"");
        std::remove(m_dir.iniPath().c_str());
        const size_t told = m_component.requests().size();
        if (c.refusal == 0) {
            EXPECT_EQ(Run({Type(IDC_OPTIONS_USER_NAME, c.typed), Click(IDOK)}), IDOK);
            char name[kUserNameMaxSize] = "";
            EXPECT_EQ(ReadDefaultUserName(name, sizeof name), ProfileOk);
            EXPECT_EQ(std::string(name), c.typed);
            continue;
        }
        m_host.AnswerNext(IDOK);
        bool open = false;
        std::string text;
        EXPECT_EQ(Run({Type(IDC_OPTIONS_USER_NAME, c.typed), Click(IDOK), Inspect([&](CDialog& dialog) {
                           open = !dialog.IsEnded();
                           text = Shown(dialog);
                       }),
                       Click(IDCANCEL)}),
                  IDCANCEL);
        EXPECT_TRUE(open);
        EXPECT_EQ(text, c.typed);
        ASSERT_FALSE(m_host.messageBoxes().empty());
        EXPECT_EQ(m_host.messageBoxes().back().text, FindString(c.refusal));
        EXPECT_FALSE(FileExists());
        EXPECT_EQ(m_component.requests().size(), told);
    }
}

}  // namespace
