// SPDX-License-Identifier: GPL-2.0-or-later
// Whatever a user types into the server name or the LPR queue fields is either refused at OK with a
// message, or comes back exactly as typed after the list is saved and loaded again.
#include <gtest/gtest.h>

#include <random>
#include <string>
#include <vector>

#include "config/server_file.h"
#include "config/server_records.h"
#include "config/text_field.h"
#include "platform/profile.h"
#include "res/resource_ids.h"
#include "tests/support/fake_resolver.h"
#include "tests/support/scripted_host.h"
#include "tests/support/temp_system_dir.h"
#include "tests/ui/server_editing/server_editing_fixtures.h"
#include "ui/base/user_input.h"
#include "ui/lpr_queue_dialog.h"
#include "ui/server_dialog.h"

namespace {

// Answers every message box itself (Yes to the name question): whether a text is refused is what
// these tests find out, so they cannot queue answers beforehand.
class AnsweringHost : public ScriptedHost {
public:
    int MessageBox(const std::string& text, const std::string& /*caption*/, UINT type) override
    {
        if ((type & 0xF) == MB_YESNO)
            return IDYES;
        refusals.push_back(text);
        return IDOK;
    }

    std::vector<std::string> refusals;
};

// OK; when the dialog stays open after it, Cancel.
ScriptAction OkOrCancel()
{
    return {"OK or Cancel", [](CDialog& dialog) {
                UserClick(dialog.GetDlgItem(IDOK));
                if (!dialog.IsEnded())
                    UserPressEscape(dialog);
            }};
}

// Texts built from plain pieces and, one piece in three, from those the file's reading rules treat
// specially.
class TextGenerator {
public:
    std::string Next(size_t maxPieces, bool allowEmpty)
    {
        static const char* const kPlain[] = {"a", "Z", "0", "9", ".", "-", "_", "lp", "v", " ", "\xc3\xa9"};
        static const char* const kSpecial[] = {
            "  ", "\t", ",", "=", "[", "]", ";", "\"", "'", "\n", "\r", "#", "\\", "/", "\x1a", "\x7f",
            "\x01", "\xe9", "\xa0",
        };
        std::uniform_int_distribution<size_t> count(allowEmpty ? 0 : 1, maxPieces);
        std::uniform_int_distribution<size_t> plain(0, std::size(kPlain) - 1);
        std::uniform_int_distribution<size_t> special(0, std::size(kSpecial) - 1);
        std::string text;
        for (size_t n = count(m_random); n > 0; --n)
            text += m_random() % 3 == 0 ? kSpecial[special(m_random)] : kPlain[plain(m_random)];
        return text;
    }

    // Now and then a long run, to reach the length limits.
    std::string MaybeLong(std::string text, size_t length)
    {
        if (std::uniform_int_distribution<int>(0, 9)(m_random) == 0)
            text += std::string(length, 'x');
        return text;
    }

private:
    std::mt19937 m_random{20240611};
};

struct Outcomes {
    int accepted = 0;
    int refused = 0;
};

// What the next start of the program finds: the saved file's bytes parsed afresh, not the copy the
// profile layer keeps from its own write.
class NextStart {
public:
    explicit NextStart(const TempSystemDir& saved)
        : m_bytes(ReadFileBytes(saved.iniPath()))
    {
    }

    // The servers of the file, into a list the caller owns.
    ServerEntry* Load()
    {
        TempSystemDir fresh;
        WriteFileBytes(fresh.iniPath(), m_bytes);
        ServerList loaded = nullptr;
        EXPECT_EQ(LoadServerList(loaded), ProfileOk);
        return loaded;
    }

    std::string KnownServers()
    {
        TempSystemDir fresh;
        WriteFileBytes(fresh.iniPath(), m_bytes);
        char value[1024] = {};
        GetPrivateProfileStringA("Servers", "KnownServers", "", value, sizeof value, fresh.iniPath().c_str());
        return value;
    }

private:
    std::string m_bytes;
};

// Types `typed` as the name of a new server next to "Alpha", and checks the outcome.
void CheckServerName(const std::string& typed, Outcomes& outcomes)
{
    TempSystemDir systemDir;
    FakeResolver resolver;
    AnsweringHost host;
    OwnedEntry other;
    SetName(*other, "Alpha");
    other->lprPrinting = 1;
    AppendLpr(*other, "alpha-queue", "f", "u", "p");
    OwnedEntry entry;
    entry->streamPrinting = 1;
    entry->lprPrinting = 1;
    AppendStream(*entry, 515, 0);
    AppendLpr(*entry, "lp", "v", "guest", "Lab");

    host.Script({Type(IDC_SERVER_NAME, typed), OkOrCancel()});
    ServerDialog dialog;
    dialog.SetServerEntry(entry.entry, 0);
    dialog.SetServerList(other.entry, nullptr);
    const std::string shown = typed.substr(0, 241);   // the field takes no more
    if (dialog.DoModal() != IDOK) {
        EXPECT_EQ(host.refusals.size(), 1u) << "refused without a message: \"" << typed << "\"";
        ++outcomes.refused;
        return;
    }
    EXPECT_TRUE(host.refusals.empty());
    ++outcomes.accepted;
    entry->next = other.entry;
    const ProfileResult saved = SaveServerList(entry.entry);
    entry->next = nullptr;
    ASSERT_EQ(saved, ProfileOk) << "\"" << shown << "\"";

    NextStart next(systemDir);
    OwnedEntry reloaded;
    FreeServerList(reloaded.entry);
    reloaded.entry = next.Load();
    ASSERT_NE(reloaded.entry, nullptr);
    ASSERT_NE(reloaded->next, nullptr) << "\"" << shown << "\"";
    EXPECT_EQ(FieldText(reloaded->name), shown);
    EXPECT_EQ(Ports(*reloaded), std::vector<uint32_t>{515}) << "\"" << shown << "\"";
    EXPECT_EQ(QueueNames(*reloaded), std::vector<std::string>{"lp"}) << "\"" << shown << "\"";
    EXPECT_EQ(QueueNames(*reloaded->next), std::vector<std::string>{"alpha-queue"}) << "\"" << shown << "\"";
    EXPECT_EQ(next.KnownServers(), shown + ",Alpha");

    // Alone, the name is both ends of the summary list that the network component reads.
    ASSERT_EQ(SaveServerList(entry.entry), ProfileOk);
    EXPECT_EQ(NextStart(systemDir).KnownServers(), shown);
}

struct LprTexts {
    std::string queueName, filter, userName, personalName;
};

void CheckLprQueue(const LprTexts& typed, Outcomes& outcomes)
{
    TempSystemDir systemDir;
    AnsweringHost host;
    OwnedEntry entry;
    SetName(*entry, "alpha");
    entry->lprPrinting = 1;

    host.Script({Type(IDC_LPR_QUEUE_NAME, typed.queueName), Select(IDC_LPR_FILTER_TYPE, 6),
                 Type(IDC_LPR_FILTER_LETTER, typed.filter), Type(IDC_LPR_USER_NAME, typed.userName),
                 Type(IDC_LPR_PERSONAL_NAME, typed.personalName), OkOrCancel()});
    LprQueueDialog dialog;
    dialog.SetLprQueueTarget(entry->lprQueues, nullptr);
    const auto cut = [](const std::string& text) { return text.substr(0, 259); };
    const std::string what = "\"" + typed.queueName + "|" + typed.filter + "|" + typed.userName + "|" +
                             typed.personalName + "\"";
    if (dialog.DoModal() != IDOK) {
        EXPECT_EQ(host.refusals.size(), 1u) << "refused without a message: " << what;
        ++outcomes.refused;
        return;
    }
    ++outcomes.accepted;
    ASSERT_EQ(SaveServerList(entry.entry), ProfileOk) << what;
    OwnedEntry reloaded;
    FreeServerList(reloaded.entry);
    reloaded.entry = NextStart(systemDir).Load();
    ASSERT_NE(reloaded.entry, nullptr);
    ASSERT_NE(reloaded->lprQueues, nullptr) << what;
    const LprQueue& queue = *reloaded->lprQueues;
    EXPECT_EQ(FieldText(queue.queueName), cut(typed.queueName)) << what;
    EXPECT_EQ(FieldText(queue.filter), cut(typed.filter)) << what;
    EXPECT_EQ(FieldText(queue.userName), cut(typed.userName)) << what;
    EXPECT_EQ(FieldText(queue.personalName), cut(typed.personalName)) << what;
}

TEST(RoundTrip, ServerNamesAreRefusedOrReadBackAsTyped)
{
    std::vector<std::string> names = {
        "alpha", "ALPHA", "alpha ", " Alpha", "beta", "10.0.0.7", "\"beta\"", "'beta", "beta'", "a\"b",
        "[beta", "be[ta]", ";beta", "be;ta", "be=ta", "be,ta", "be\tta", "beta\n", "\xc3\xa9t\xc3\xa9",
        std::string(240, 'n'), std::string(241, 'n'), std::string(242, 'n'),
    };
    TextGenerator generator;
    for (int i = 0; i < 250; ++i)
        names.push_back(generator.MaybeLong(generator.Next(8, false), 235));
    Outcomes outcomes;
    for (const std::string& name : names)
        CheckServerName(name, outcomes);
    // Both ways must have been taken often, or the test proves little.
    EXPECT_GT(outcomes.accepted, 40);
    EXPECT_GT(outcomes.refused, 40);
}

TEST(RoundTrip, LprQueueFieldsAreRefusedOrReadBackAsTyped)
{
    std::vector<LprTexts> cases = {
        {"lp", "v", "guest", "Lab 2, east wing"},
        {"lp", "v", "guest", "Lab 2 "},
        {" lp", "v", "guest", "Lab"},
        {"\"lp", "v", "guest", "Lab\""},
        {"'lp", "v", "guest", "Lab\""},
        {"lp ", " v ", " guest ", " Lab"},
        {"lp", "", "", ""},
        {"l=p", ";", "[g]", "#Lab"},
        {std::string(253, 'q'), "v", "u", "p"},
        {std::string(254, 'q'), "v", "u", "p"},
    };
    TextGenerator generator;
    for (int i = 0; i < 250; ++i) {
        cases.push_back({generator.MaybeLong(generator.Next(6, false), 120), generator.Next(3, true),
                         generator.MaybeLong(generator.Next(6, true), 90), generator.MaybeLong(generator.Next(6, true), 90)});
    }
    Outcomes outcomes;
    for (const LprTexts& texts : cases)
        CheckLprQueue(texts, outcomes);
    EXPECT_GT(outcomes.accepted, 40);
    EXPECT_GT(outcomes.refused, 40);
}

} // namespace
