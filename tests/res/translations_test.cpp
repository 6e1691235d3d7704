// SPDX-License-Identifier: GPL-2.0-or-later
// The catalogs of translations: each language translates every text the sources hold (or keeps it
// on purpose), with what the program fills in and the Alt key letters intact.
#include <gtest/gtest.h>

#include <cctype>
#include <map>
#include <regex>
#include <set>

#include "po/catalog.h"
#include "res/dialog_template.h"
#include "res/resource_ids.h"
#include "res/string_table.h"
#include "res/translation.h"
#include "tests/support/test_language.h"

namespace {

// Texts that read the same in German: names, key words of the command line, numbers and marks.
const std::set<std::string> kSameInGerman = {
    "Norvane", "OK", "%1: %2", "%1", "SERVER", "STREAM", "LPR", "PORT", "TELNET", "FILTER", "Version",
};

std::vector<CatalogEntry> Entries()
{
    const std::optional<HelpTopics> help = HelpTopics::Load(NORVANE_HELP_FILE);
    EXPECT_TRUE(help) << NORVANE_HELP_FILE;
    return help ? CatalogEntries(*help) : std::vector<CatalogEntry>{};
}

std::multiset<std::string> Placeholders(const std::string& text)
{
    static const std::regex placeholder("%[1-9]");
    std::multiset<std::string> found;
    for (auto it = std::sregex_iterator(text.begin(), text.end(), placeholder); it != std::sregex_iterator(); ++it)
        found.insert(it->str());
    return found;
}

// The letter after a single '&' (lower case), or 0.
int Mnemonic(const std::string& text)
{
    for (size_t i = 0; i + 1 < text.size(); ++i) {
        if (text[i] != '&')
            continue;
        if (text[i + 1] != '&')
            return std::tolower(static_cast<unsigned char>(text[i + 1]));
        ++i;
    }
    return 0;
}

TEST(Translations, GermanTranslatesEveryTextKeepingItsPlaceholdersAndMnemonic)
{
    const std::vector<CatalogEntry> entries = Entries();
    ASSERT_GT(entries.size(), 300u);
    const ScopedLanguage german("de");
    ASSERT_EQ(TranslationLanguage(), "de");
    std::string untranslated;
    for (const CatalogEntry& entry : entries) {
        const std::string translated = Translate(entry.text.c_str());
        if (translated == entry.text && !kSameInGerman.contains(entry.text))
            untranslated += "\n  " + entry.places.front() + ": " + entry.text;
        EXPECT_EQ(Placeholders(translated), Placeholders(entry.text)) << entry.text << "\n" << translated;
        EXPECT_EQ(Mnemonic(translated) != 0, Mnemonic(entry.text) != 0) << entry.text << "\n" << translated;
    }
    EXPECT_EQ(untranslated, "") << "po/de.po lacks these (or they belong in kSameInGerman):";
}

TEST(Translations, EachDialogKeepsItsAltKeyLettersApartInEveryLanguage)
{
    for (const std::string language : {"", "de"}) {
        const std::optional<ScopedLanguage> chosen =
            language.empty() ? std::nullopt : std::optional<ScopedLanguage>(std::in_place, language);
        for (const uint32_t id : {IDD_SERVER_LIST, IDD_SERVER, IDD_GLOBAL_OPTIONS, IDD_LPR_QUEUE, IDD_STREAM_QUEUE}) {
            std::map<int, std::string> taken;
            for (const ControlTemplate& control : FindDialogTemplate(id)->controls) {
                const std::string text = Translate(control.text);
                const int letter = Mnemonic(text);
                if (letter == 0)
                    continue;
                EXPECT_TRUE(std::isalnum(letter)) << "dialog " << id << ": " << text << " (the letter needs a plain key)";
                const auto [other, added] = taken.emplace(letter, text);
                EXPECT_TRUE(added) << "dialog " << id << " in '" << language << "': " << text << " and " << other->second;
            }
        }
    }
}

}   // namespace
