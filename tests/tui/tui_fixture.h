// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once
// What the terminal host's tests share: a system directory of their own, a resolver that knows
// "localhost", and the terminal host on a scripted terminal, installed for the test's lifetime.
#include <gtest/gtest.h>

#include <string>

#include "tests/support/fake_resolver.h"
#include "tests/support/temp_system_dir.h"
#include "tests/tui/fake_terminal.h"
#include "ui/tui/tui_host.h"

// What the main window writes when "localhost" is added with a stream queue on port 515 (and, when
// asked, an LPR queue "lp" of text files), then OK: the actions played on the controls directly.
std::string WrittenByScriptedHost(bool withLprQueue);

class TuiHostTest : public ::testing::Test {
protected:
    TuiHostTest() { m_resolver.AddHostName("localhost"); }

    TempSystemDir m_systemDir;
    FakeResolver m_resolver;
    FakeTerminal m_terminal;
    tui::TuiHost m_host{m_terminal};
    HostScope m_scope{m_host};
};
