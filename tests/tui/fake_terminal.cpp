// SPDX-License-Identifier: GPL-2.0-or-later
#include "tests/tui/fake_terminal.h"

#include <gtest/gtest.h>

#include "ui/tui/tui_text.h"

using namespace tui;

FakeTerminal::FakeTerminal(TerminalSize size) : m_size(size) {}

FakeTerminal::~FakeTerminal()
{
    if (!m_steps.empty())
        ADD_FAILURE() << m_steps.size() << " terminal step(s) were never reached: the dialogs ended before them";
}

FakeTerminal& FakeTerminal::Press(Key key)
{
    m_steps.push_back({key, std::nullopt, nullptr});
    return *this;
}

FakeTerminal& FakeTerminal::Alt(char32_t letter)
{
    Key key = Key::Char(letter);
    key.alt = true;
    return Press(key);
}

FakeTerminal& FakeTerminal::Type(std::string_view text)
{
    for (const char32_t c : FromAnsi(text))
        Press(Key::Char(c));
    return *this;
}

FakeTerminal& FakeTerminal::ResizeTo(TerminalSize size)
{
    m_steps.push_back({std::nullopt, size, nullptr});
    return *this;
}

FakeTerminal& FakeTerminal::Then(Check check)
{
    m_steps.push_back({std::nullopt, std::nullopt, std::move(check)});
    return *this;
}

Key FakeTerminal::ReadKey()
{
    while (!m_steps.empty()) {
        Step step = std::move(m_steps.front());
        m_steps.pop_front();
        if (step.check) {
            step.check(m_screen);
            continue;
        }
        if (step.size) {
            m_size = *step.size;
            return Key::Of(KeyCode::Resize);
        }
        return *step.key;
    }
    return Key::Of(KeyCode::EndOfInput);
}

Key ShiftKey(KeyCode code)
{
    Key key = Key::Of(code);
    key.shift = true;
    return key;
}

bool Shows(const Canvas& screen, std::string_view text)
{
    return screen.FindRow(text) >= 0;
}
