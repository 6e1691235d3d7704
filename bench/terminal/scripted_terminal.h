// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once
// A terminal that a benchmark types on. It hands the host keys from a queue; a key marked as timed
// starts the clock, and the host's next read, which comes once it has handled the key and drawn the
// screen, stops it. When the queue runs out it asks for the next action.
#include <chrono>
#include <deque>
#include <functional>

#include "ui/tui/terminal_io.h"

class ScriptedTerminal : public tui::TerminalIo {
public:
    using Clock = std::chrono::steady_clock;
    // Queues the next action's keys; false ends the input.
    using NextAction = std::function<bool()>;

    void SetNextAction(NextAction next) { m_next = std::move(next); }
    void Press(tui::Key key) { m_keys.push_back({key, false, nullptr}); }
    void Alt(char32_t letter);
    void Type(const char* text);
    // The key whose handling is timed.
    void PressTimed(tui::Key key) { m_keys.push_back({key, true, nullptr}); }
    // Runs `step` when the host reads the key after the ones queued before it.
    void Then(std::function<void()> step) { m_keys.push_back({{}, false, std::move(step)}); }

    // Seconds the last timed key took, and when it was handed over (for a key that ends the run).
    double lastSeconds() const { return m_lastSeconds; }
    Clock::time_point timedAt() const { return m_start; }

    tui::TerminalSize Size() override { return {80, 24}; }
    tui::Key ReadKey() override;
    void Present(const tui::Canvas& canvas) override { m_screen = canvas; }
    void Beep() override {}

private:
    struct Step {
        tui::Key key;
        bool timed = false;
        std::function<void()> run;
    };
    std::deque<Step> m_keys;
    NextAction m_next;
    bool m_timing = false;
    Clock::time_point m_start;
    double m_lastSeconds = 0;
    tui::Canvas m_screen{0, 0};
};
