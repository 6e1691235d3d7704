// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once
// A terminal for tests of the terminal host: it answers ReadKey from a queue of steps, keeps the
// last frame the host presented, and counts the bell. A step is a key, a new terminal size (read
// as KeyCode::Resize), or a check run on the screen as it stands when the step is reached. When
// the queue is empty the terminal is gone (KeyCode::EndOfInput); steps never reached (the dialog
// ended before them) fail the test.
#include <deque>
#include <functional>
#include <optional>
#include <string_view>

#include "ui/tui/terminal_io.h"

class FakeTerminal : public tui::TerminalIo {
public:
    using Check = std::function<void(const tui::Canvas&)>;

    explicit FakeTerminal(tui::TerminalSize size = {80, 24});
    ~FakeTerminal() override;
    FakeTerminal(const FakeTerminal&) = delete;
    FakeTerminal& operator=(const FakeTerminal&) = delete;

    FakeTerminal& Press(tui::Key key);
    FakeTerminal& Press(tui::KeyCode code) { return Press(tui::Key::Of(code)); }
    FakeTerminal& Alt(char32_t letter);
    // Each character of `text` as a key.
    FakeTerminal& Type(std::string_view text);
    FakeTerminal& ResizeTo(tui::TerminalSize size);
    FakeTerminal& Then(Check check);

    // The last frame presented; empty before the first.
    const tui::Canvas& screen() const { return m_screen; }
    int beeps() const { return m_beeps; }

    tui::TerminalSize Size() override { return m_size; }
    tui::Key ReadKey() override;
    void Present(const tui::Canvas& canvas) override { m_screen = canvas; }
    void Beep() override { ++m_beeps; }

private:
    struct Step {
        std::optional<tui::Key> key;
        std::optional<tui::TerminalSize> size;
        Check check;
    };

    tui::TerminalSize m_size;
    std::deque<Step> m_steps;
    tui::Canvas m_screen{0, 0};
    int m_beeps = 0;
};

// Keys the tests use often.
tui::Key ShiftKey(tui::KeyCode code);

// True when some row of `screen` contains `text`.
bool Shows(const tui::Canvas& screen, std::string_view text);
