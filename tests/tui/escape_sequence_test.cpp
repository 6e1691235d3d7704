// SPDX-License-Identifier: GPL-2.0-or-later
// The key sequences of the common terminals, as the host decodes them when curses does not.
#include <gtest/gtest.h>

#include <string>

#include "ui/tui/escape_sequences.h"
#include "ui/tui/tui_text.h"

using tui::Key;
using tui::KeyCode;

namespace {

Key Shift(KeyCode code)
{
    Key key = Key::Of(code);
    key.shift = true;
    return key;
}

bool Same(const Key& a, const Key& b)
{
    return a.code == b.code && a.ch == b.ch && a.alt == b.alt && a.shift == b.shift && a.ctrl == b.ctrl;
}

// Feeds `sequence` (what follows Esc) a character at a time, as the terminal reads it.
Key Read(const std::string& sequence, size_t* usedLength)
{
    const std::u32string all = FromUtf8(sequence);
    std::u32string read;
    for (const char32_t ch : all) {
        read.push_back(ch);
        if (tui::SequenceEnds(read))
            break;
    }
    *usedLength = read.size();
    return tui::DecodeSequence(read);
}

TEST(EscapeSequenceTest, TheKeysOfEachTerminalAndNothingOfAnUnknownSequence)
{
    Key altDown = Key::Of(KeyCode::Down);
    altDown.alt = true;
    const struct {
        const char* sequence;
        Key key;
    } cases[] = {
        {"[1~", Key::Of(KeyCode::Home)},       // PuTTY, the Linux console, screen
        {"[4~", Key::Of(KeyCode::End)},
        {"[7~", Key::Of(KeyCode::Home)},       // rxvt
        {"[8~", Key::Of(KeyCode::End)},
        {"[7$", Shift(KeyCode::Home)},
        {"[H", Key::Of(KeyCode::Home)},        // xterm
        {"[F", Key::Of(KeyCode::End)},
        {"OH", Key::Of(KeyCode::Home)},
        {"OF", Key::Of(KeyCode::End)},
        {"[1;2H", Shift(KeyCode::Home)},
        {"[11~", Key::Of(KeyCode::F1)},        // PuTTY, rxvt
        {"[[A", Key::Of(KeyCode::F1)},         // the Linux console
        {"[[D", Key::Of(KeyCode::F4)},
        {"OP", Key::Of(KeyCode::F1)},          // xterm, screen, tmux
        {"OS", Key::Of(KeyCode::F4)},
        {"[21~", Key::Of(KeyCode::F10)},
        {"[1;2P", Shift(KeyCode::F1)},         // xterm's Shift+F1 and Shift+F10
        {"O2P", Shift(KeyCode::F1)},
        {"[21;2~", Shift(KeyCode::F10)},
        {"[23~", Shift(KeyCode::F1)},          // rxvt's and PuTTY's
        {"[34~", Shift(KeyCode::F10)},
        {"[25~", Shift(KeyCode::F1)},          // the Linux console's
        {"[A", Key::Of(KeyCode::Up)},
        {"OB", Key::Of(KeyCode::Down)},
        {"[1;3B", altDown},
        {"[3~", Key::Of(KeyCode::Delete)},
        {"[Z", Key::Of(KeyCode::BackTab)},
        {"OM", Key::Of(KeyCode::Enter)},
        {"Ok", Key::Char(U'+')},
        // Dropped whole: keys the host has no use for, and sequences no terminal sends.
        {"[2~", Key::Of(KeyCode::None)},
        {"[15~", Key::Of(KeyCode::None)},
        {"[[C", Key::Of(KeyCode::None)},
        {"[99;99X", Key::Of(KeyCode::None)},
        {"[?1;2c", Key::Of(KeyCode::None)},
    };
    for (const auto& sequenceCase : cases) {
        SCOPED_TRACE(sequenceCase.sequence);
        size_t used = 0;
        const std::string sequence = sequenceCase.sequence;
        // Whatever follows the sequence is left for the next key.
        EXPECT_TRUE(Same(Read(sequence + "xy", &used), sequenceCase.key));
        EXPECT_EQ(used, FromUtf8(sequence).size());
    }
}

}   // namespace
