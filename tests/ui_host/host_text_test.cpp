// SPDX-License-Identifier: GPL-2.0-or-later
// The text rules both hosts share: a caption's mnemonic marker, the case folding, an edit's bytes.
#include <gtest/gtest.h>

#include <string_view>

#include "ui/host/host_text.h"

namespace {

TEST(Captions, TheMarkerIsTakenOutAndUnderlinesTheLetterAfterIt)
{
    const struct {
        const char* caption;
        const char* shown;
        int hotkey;
    } cases[] = {
        {"&Servers and Printers:", "Servers and Printers:", 0},
        {"Server &Name:", "Server Name:", 7},
        {"Drives && Printers", "Drives & Printers", -1},
        {"Save && &Quit", "Save & Quit", 7},
        {"&&&Go", "&Go", 1},
        {"Trailing&", "Trailing", -1},
        {"", "", -1},
    };
    for (const auto& c : cases) {
        const Caption parsed = ParseCaption(c.caption);
        EXPECT_EQ(parsed.text, c.shown) << c.caption;
        EXPECT_EQ(parsed.hotkey, c.hotkey) << c.caption;
    }
    EXPECT_EQ(MnemonicOf("&Add..."), U'a');
    EXPECT_EQ(MnemonicOf("R&&D"), 0u);
    EXPECT_EQ(MnemonicOf("Caf&\xC3\x89"), U'\u00E9') << "a letter of two bytes, folded";
    EXPECT_EQ(MnemonicOf("&\xD0\x96"), U'\u0436');
}

TEST(EditedText, KeepsTheBytesOfWhatTheEditLeavesAlone)
{
    struct Case {
        std::string_view before;
        std::u32string_view edited;
        std::string_view after;
    };
    const Case cases[] = {
        {"m\xFCller", U"m\uFFFDller!", "m\xFCller!"},
        {"m\xFCller", U"M\uFFFDller", "M\xFCller"},
        {"\xFF\xFE", U"\uFFFDx\uFFFD", "\xFFx\xFE"},
        {"a\xFF" "b", U"ab", "ab"},
        {"ab", U"a\u0141b", "a\xC5\x81" "b"},
        {"aa", U"aaa", "aaa"},
        {"", U"\u6771", "\xE6\x9D\xB1"},
    };
    for (const Case& c : cases)
        EXPECT_EQ(EditedText(c.before, c.edited), c.after) << c.before;
}

TEST(CaseFolding, LatinGreekAndCyrillicCapitalsFoldOthersStay)
{
    EXPECT_EQ(FoldCase(U"Server \u00C9T\u00C9 \u0160\u0178 \u0139 \u03A3 \u0416\u0401"),
              U"server \u00E9t\u00E9 \u0161\u00FF \u013A \u03C3 \u0436\u0451");
    for (const char32_t same : {U'\u00D7', U'\u00DF', U'\u0131', U'\u0148', U'1', U'-', U'\u4E2D'})
        EXPECT_EQ(FoldCase(same), same) << static_cast<uint32_t>(same);
}

}   // namespace
