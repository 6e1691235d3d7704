// SPDX-License-Identifier: GPL-2.0-or-later
// Whole journeys by keyboard alone through the real dialogs, on the terminal host: the file they
// write is the one the same actions write on a host that acts on the controls directly.
#include <gtest/gtest.h>

#include "res/resource_ids.h"
#include "tests/tui/tui_fixture.h"
#include "ui/server_list_dialog.h"

using tui::KeyCode;

namespace {

class JourneyTest : public TuiHostTest {};

TEST_F(JourneyTest, KeyboardAloneWritesWhatTheSameActionsWriteOnAnyHost)
{
    const std::string expected = WrittenByScriptedHost(true);
    ASSERT_NE(expected.find("localhost"), std::string::npos);

    m_terminal.Press(KeyCode::Enter)   // Add... is the main window's default button
        .Type("localhost")
        .Alt('s')                      // Stream Printing, which enables its queue buttons
        .Press(KeyCode::Tab)           // LPR Printing
        .Press(KeyCode::Tab)           // the stream queue list
        .Press(KeyCode::Tab)           // its Add...
        .Press(tui::Key::Char(' '))
        .Then([](const tui::Canvas& screen) { EXPECT_TRUE(Shows(screen, "Add Stream Queue")); })
        .Type("515")                   // replaces the proposed port, selected as the field took the focus
        .Press(KeyCode::Enter)
        .Alt('l')                      // LPR Printing
        .Then([](const tui::Canvas& screen) { EXPECT_TRUE(Shows(screen, "515")); });
    // From LPR Printing to the LPR queues' Add...: the stream list, its Add, Modify and Delete,
    // then the LPR list and its Add.
    for (int i = 0; i < 6; ++i)
        m_terminal.Press(KeyCode::Tab);
    m_terminal.Press(tui::Key::Char(' '))
        .Then([](const tui::Canvas& screen) { EXPECT_TRUE(Shows(screen, "Add LPR Queue")); })
        .Type("lp")                    // the queue name comes first in the tab order
        .Press(KeyCode::Tab)           // personal name
        .Press(KeyCode::Tab)           // filter type
        .Press(KeyCode::F4)
        .Then([](const tui::Canvas& screen) { EXPECT_TRUE(Shows(screen, "Fortran File")); })
        .Press(KeyCode::Down)
        .Press(KeyCode::Down)
        .Press(KeyCode::Enter)
        .Press(KeyCode::Enter)         // OK of the LPR queue dialog
        .Then([](const tui::Canvas& screen) { EXPECT_TRUE(Shows(screen, "lp")); })
        .Alt('n')                      // back to the name, where Enter is OK's
        .Press(KeyCode::Enter)
        .Then([](const tui::Canvas& screen) { EXPECT_TRUE(Shows(screen, "localhost")); });
    // The focus is still in the server list, where Enter pressed Add...; OK follows it.
    m_terminal.Press(KeyCode::Tab).Press(KeyCode::Enter);

    ServerListDialog dialog;
    EXPECT_EQ(dialog.DoModal(), IDOK);
    EXPECT_EQ(ReadFileBytes(m_systemDir.iniPath()), expected);
}

TEST_F(JourneyTest, LosingTheTerminalEndsEveryOpenDialogWithoutWriting)
{
    m_terminal.Press(KeyCode::Enter).Type("localhost");
    ServerListDialog dialog;
    EXPECT_EQ(dialog.DoModal(), -1);
    EXPECT_EQ(ReadFileBytes(m_systemDir.iniPath()), "");
}

}   // namespace
