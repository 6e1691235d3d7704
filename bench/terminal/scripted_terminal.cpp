// SPDX-License-Identifier: GPL-2.0-or-later
#include "bench/terminal/scripted_terminal.h"

using tui::Key;

void ScriptedTerminal::Alt(char32_t letter)
{
    Key key = Key::Char(letter);
    key.alt = true;
    Press(key);
}

void ScriptedTerminal::Type(const char* text)
{
    for (const char* c = text; *c; ++c)
        Press(Key::Char(static_cast<unsigned char>(*c)));
}

Key ScriptedTerminal::ReadKey()
{
    if (m_timing) {
        m_lastSeconds = std::chrono::duration<double>(Clock::now() - m_start).count();
        m_timing = false;
    }
    for (;;) {
        if (m_keys.empty() && !(m_next && m_next()))
            return Key::Of(tui::KeyCode::EndOfInput);
        if (m_keys.empty())
            return Key::Of(tui::KeyCode::EndOfInput);
        if (!m_keys.front().run)
            break;
        const std::function<void()> run = std::move(m_keys.front().run);
        m_keys.pop_front();
        run();
    }
    const Step step = m_keys.front();
    m_keys.pop_front();
    if (step.timed) {
        m_timing = true;
        m_start = Clock::now();
    }
    return step.key;
}
