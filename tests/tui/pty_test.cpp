// SPDX-License-Identifier: GPL-2.0-or-later
// The real program in a real pseudo-terminal: curses, the keys a terminal sends, the host choice
// at start-up, and what a resize leaves on the screen.
#include <gtest/gtest.h>
#include <sys/wait.h>

#include <algorithm>
#include <csignal>
#include <cstdio>
#include <filesystem>
#include <string>
#include <vector>

#include "tests/support/temp_system_dir.h"
#include "tests/tui/tmux_session.h"
#include "tests/tui/tui_fixture.h"
#include "ui/tui/canvas.h"
#include "ui/tui/tui_text.h"

namespace {

constexpr const char* kComponentWarning = "re-installed";

class PtyTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        if (!TmuxSession::Available())
            GTEST_SKIP() << "tmux is not installed";
    }

    // norvane in a terminal with no window system, in this test's system directory; `ui` is the
    // NORVANE_UI to set, or empty for none.
    std::vector<std::string> Program(const std::string& ui) const
    {
        std::vector<std::string> command{"env", "-u", "DISPLAY", "-u", "WAYLAND_DISPLAY", "-u", "QT_QPA_PLATFORM",
                                         "-u", "NORVANE_UI", "NORVANE_SYSTEM_DIR=" + m_systemDir.path(),
                                         "LANG=C.UTF-8"};
        if (!ui.empty())
            command.push_back("NORVANE_UI=" + ui);
        command.push_back(NORVANE_PROGRAM);
        return command;
    }

    // Past the start-up warning (the test's system has no component) to the main window.
    static void OpenMainWindow(TmuxSession& session)
    {
        ASSERT_TRUE(session.WaitFor(kComponentWarning)) << session.ScreenText();
        session.Keys({"Enter"});
        ASSERT_TRUE(session.WaitFor("Servers and Printers:")) << session.ScreenText();
    }

    static void Open(TmuxSession& session, const std::vector<std::string>& keys, const std::string& caption)
    {
        session.Keys(keys);
        ASSERT_TRUE(session.WaitFor(caption)) << session.ScreenText();
    }

    static void Close(TmuxSession& session, const std::string& caption, const std::string& stillShown)
    {
        session.Keys({"Escape"});
        ASSERT_TRUE(session.WaitUntilGone(caption)) << session.ScreenText();
        ASSERT_TRUE(session.WaitFor(stillShown)) << session.ScreenText();
    }

    TempSystemDir m_systemDir;
};

TEST_F(PtyTest, WithoutADisplayTheKeyboardAddsAServerAndItsStreamQueue)
{
    const std::string expected = WrittenByScriptedHost(false);
    TmuxSession session(m_systemDir.path(), Program(""), 80, 24);
    ASSERT_TRUE(session.started());
    ASSERT_NO_FATAL_FAILURE(OpenMainWindow(session));
    ASSERT_NO_FATAL_FAILURE(Open(session, {"Enter"}, "Add Server"));
    session.Text("localhost");
    ASSERT_NO_FATAL_FAILURE(Open(session, {"M-s", "Tab", "Tab", "Tab", "Space"}, "Add Stream Queue"));
    session.Text("515");
    session.Keys({"Enter"});
    ASSERT_TRUE(session.WaitUntilGone("Add Stream Queue")) << session.ScreenText();
    ASSERT_TRUE(session.WaitFor("515")) << session.ScreenText();
    session.Keys({"M-n", "Enter"});
    ASSERT_TRUE(session.WaitUntilGone("Add Server")) << session.ScreenText();
    ASSERT_TRUE(session.WaitFor("localhost")) << session.ScreenText();
    session.Keys({"Tab", "Enter"});   // from the list to OK
    EXPECT_EQ(session.WaitForExit(), 0) << session.ScreenText();
    EXPECT_EQ(ReadFileBytes(m_systemDir.iniPath()), expected);
}

// UTF-8 from the file is drawn as its characters, and letters typed on a UTF-8 terminal reach the
// file as UTF-8, also where the locale names no character set (the C locale's is ASCII).
TEST_F(PtyTest, TextInAnyLanguageIsShownAndWrittenAsUtf8)
{
    const std::string typed = "\xC5\x81\xC3\xB3" "d\xC5\xBA m\xC3\xBCller \u6771\u4EAC";
    for (const char* locale : {"LANG=C.UTF-8", "LC_ALL=C"}) {
        SCOPED_TRACE(locale);
        WriteFileBytes(m_systemDir.iniPath(), "[Auth]\nUserName=guest\n\n[ServerList]\nServer1=m\xC3\xBCller,1,0,0,0\nNumServers=1\n");
        std::vector<std::string> command = Program("");
        command.insert(command.end() - 1, locale);
        TmuxSession session(m_systemDir.path(), command, 80, 24);
        ASSERT_TRUE(session.started());
        ASSERT_NO_FATAL_FAILURE(OpenMainWindow(session));
        EXPECT_TRUE(session.WaitFor("m\xC3\xBCller")) << session.ScreenText();
        ASSERT_NO_FATAL_FAILURE(Open(session, {"M-o"}, "Global Options"));
        session.Text(typed);
        ASSERT_TRUE(session.WaitFor(typed)) << session.ScreenText();
        session.Keys({"Enter"});
        ASSERT_TRUE(session.WaitUntilGone("Global Options")) << session.ScreenText();
        session.Keys({"Escape"});
        EXPECT_EQ(session.WaitForExit(), 0) << session.ScreenText();
        const std::string written = ReadFileBytes(m_systemDir.iniPath());
        EXPECT_NE(written.find("UserName=" + typed + "\n"), std::string::npos) << written;
    }
}

TEST_F(PtyTest, F1OnTheServerNameFieldShowsItsTopic)
{
    // The choice named in NORVANE_UI wins over a display.
    std::vector<std::string> command = Program("tui");
    command.insert(command.end() - 1, "DISPLAY=:99");
    TmuxSession session(m_systemDir.path(), command, 80, 24);
    ASSERT_TRUE(session.started());
    ASSERT_NO_FATAL_FAILURE(OpenMainWindow(session));
    ASSERT_NO_FATAL_FAILURE(Open(session, {"Enter"}, "Add Server"));
    session.Keys({"F1"});
    ASSERT_TRUE(session.WaitFor("Server name")) << session.ScreenText();
    EXPECT_TRUE(session.WaitFor("its host name, or its IP address")) << session.ScreenText();
    ASSERT_NO_FATAL_FAILURE(Close(session, "its host name", "Add Server"));
    ASSERT_NO_FATAL_FAILURE(Close(session, "Add Server", "Servers and Printers:"));
    session.Keys({"Escape"});
    EXPECT_EQ(session.WaitForExit(), 0);
}

// Home, End and F1 as the common terminals send them, whatever TERM says, and other sequences
// dropped whole: nothing of them is typed or taken as a mnemonic.
TEST_F(PtyTest, EachTerminalsKeySequencesWorkAndUnknownOnesAreDropped)
{
    for (const char* term : {"TERM=xterm", "TERM=linux"}) {
        SCOPED_TRACE(term);
        std::vector<std::string> command = Program("tui");
        command.insert(command.end() - 1, term);
        TmuxSession session(m_systemDir.path(), command, 80, 24);
        ASSERT_TRUE(session.started());
        ASSERT_NO_FATAL_FAILURE(OpenMainWindow(session));
        // The console's F1 on a button: its topic, not the 'A' of Add... as a mnemonic.
        ASSERT_NO_FATAL_FAILURE(Open(session, {"M-o"}, "Global Options"));
        ASSERT_NO_FATAL_FAILURE(Close(session, "Global Options", "Servers and Printers:"));
        session.Bytes("\033[[A");
        ASSERT_TRUE(session.WaitFor("Any key closes the help")) << session.ScreenText();
        EXPECT_EQ(session.ScreenText().find("Add Server"), std::string::npos);
        session.Keys({"Escape"});
        ASSERT_TRUE(session.WaitUntilGone("Any key closes the help")) << session.ScreenText();

        ASSERT_NO_FATAL_FAILURE(Open(session, {"M-a"}, "Add Server"));
        session.Text("ab");
        for (const char* keys : {"\033[1~X", "\033[4~Y", "\033[7~1", "\033[8~2", "\033OH3", "\033[F4",
                                 "\033[2~\033[15~\033[[C\033[99;99X\033[?1;2c"})
            session.Bytes(keys);
        EXPECT_TRUE(session.WaitFor("31XabY24")) << session.ScreenText();
        session.Bytes("\033[11~");
        EXPECT_TRUE(session.WaitFor("its host name, or its IP address")) << session.ScreenText();
        EXPECT_NE(session.ScreenText().find("31XabY24 "), std::string::npos) << session.ScreenText();
        session.Keys({"Escape", "Escape", "Escape"});
        EXPECT_EQ(session.WaitForExit(), 0) << session.ScreenText();
    }
}

// On terminals too small for the dialogs, Tab never takes the focus out of sight: the terminal's
// cursor, which stands on the focused control and is hidden when it cannot, stays shown.
TEST_F(PtyTest, OnASmallTerminalTabKeepsTheFocusInSight)
{
    for (const auto& [columns, rows] : {std::pair{80, 16}, std::pair{40, 12}}) {
        SCOPED_TRACE(std::to_string(columns) + "x" + std::to_string(rows));
        TmuxSession session(m_systemDir.path(), Program("tui"), columns, rows);
        ASSERT_TRUE(session.started());
        ASSERT_NO_FATAL_FAILURE(OpenMainWindow(session));
        const auto tabThrough = [&session](int stops) {
            for (int stop = 0; stop < stops; ++stop) {
                const std::string before = session.PaneValue("#{cursor_x},#{cursor_y},#{cursor_flag}");
                session.Keys({"Tab"});
                std::string after;
                ASSERT_TRUE(session.WaitUntil([&](const std::vector<std::string>&) {
                    after = session.PaneValue("#{cursor_x},#{cursor_y},#{cursor_flag}");
                    return after != before;
                })) << "Tab " << stop << " moved nothing\n" << session.ScreenText();
                EXPECT_EQ(after.back(), '1') << "Tab " << stop << " hid the focus\n" << session.ScreenText();
            }
        };
        ASSERT_NO_FATAL_FAILURE(tabThrough(6));
        // Add Server with its stream queue buttons enabled.
        ASSERT_NO_FATAL_FAILURE(Open(session, {"M-a"}, "Add Server"));
        session.Text("x");
        session.Keys({"M-s"});
        ASSERT_NO_FATAL_FAILURE(tabThrough(12));
        session.Keys({"Escape", "Escape"});
        EXPECT_EQ(session.WaitForExit(), 0) << session.ScreenText();
    }
}

TEST_F(PtyTest, ADisplayOutOfReachFallsBackToTheTerminalSayingWhy)
{
    // Found by looking before Qt starts (a dead X display), and by Qt failing to start (a platform
    // it does not have), where the program starts again in the terminal.
    const struct {
        const char* variable;
        const char* why;
    } cases[] = {
        {"DISPLAY=:99", "norvane: the X display :99 cannot be opened; using the terminal\n"},
        {"QT_QPA_PLATFORM=bogus", "norvane: Qt cannot start (Could not find the Qt platform plugin \"bogus\" in \"\"); "
                                  "using the terminal\n"},
    };
    for (const auto& displayCase : cases) {
        SCOPED_TRACE(displayCase.variable);
        std::vector<std::string> command = Program("");
        command.insert(command.end() - 1, displayCase.variable);
        TmuxSession session(m_systemDir.path(), command, 80, 24);
        ASSERT_TRUE(session.started());
        ASSERT_NO_FATAL_FAILURE(OpenMainWindow(session));
        session.Keys({"Escape"});
        EXPECT_EQ(session.WaitForExit(), 0) << session.ScreenText();
        // Said before the terminal interface took the screen, and there again once it gave it back.
        EXPECT_NE(session.WholeText().find(displayCase.why), std::string::npos) << session.WholeText();
    }
}

TEST_F(PtyTest, EscCancelsEveryDialogAndNothingIsWritten)
{
    TmuxSession session(m_systemDir.path(), Program("tui"), 80, 24);
    ASSERT_TRUE(session.started());
    ASSERT_NO_FATAL_FAILURE(OpenMainWindow(session));
    ASSERT_NO_FATAL_FAILURE(Open(session, {"M-o"}, "Global Options"));
    ASSERT_NO_FATAL_FAILURE(Close(session, "Global Options", "Servers and Printers:"));
    // Options... keeps the focus, where Enter would open it again: Add... by its letter.
    ASSERT_NO_FATAL_FAILURE(Open(session, {"M-a"}, "Add Server"));
    ASSERT_NO_FATAL_FAILURE(Open(session, {"M-s", "Tab", "Tab", "Tab", "Space"}, "Add Stream Queue"));
    ASSERT_NO_FATAL_FAILURE(Close(session, "Add Stream Queue", "Add Server"));
    // From LPR Printing: the stream list, its Add, Modify and Delete, the LPR list, its Add.
    ASSERT_NO_FATAL_FAILURE(Open(session, {"M-l", "Tab", "Tab", "Tab", "Tab", "Tab", "Tab", "Space"}, "Add LPR Queue"));
    ASSERT_NO_FATAL_FAILURE(Close(session, "Add LPR Queue", "Add Server"));
    ASSERT_NO_FATAL_FAILURE(Close(session, "Add Server", "Servers and Printers:"));
    session.Keys({"Escape"});
    EXPECT_EQ(session.WaitForExit(), 0) << session.ScreenText();
    EXPECT_EQ(ReadFileBytes(m_systemDir.iniPath()), "");
}

TEST_F(PtyTest, AnInterruptATerminationAndAHangUpGiveTheTerminalBackAndWriteNothing)
{
    for (const int signal : {SIGINT, SIGTERM, SIGHUP}) {
        SCOPED_TRACE(signal);
        TmuxSession session(m_systemDir.path(), Program("tui"), 80, 24);
        ASSERT_TRUE(session.started());
        ASSERT_NO_FATAL_FAILURE(OpenMainWindow(session));
        ASSERT_NO_FATAL_FAILURE(Open(session, {"M-a"}, "Add Server"));
        session.Text("localhost");
        ASSERT_TRUE(session.WaitFor("localhost")) << session.ScreenText();
        EXPECT_EQ(session.PaneValue("#{alternate_on}#{keypad_flag}#{keypad_cursor_flag}"), "111");
        const int program = session.ProgramId();
        ASSERT_GT(program, 0);
        ASSERT_EQ(::kill(program, signal), 0);
        EXPECT_NE(session.WaitForExit(), -1);
        EXPECT_EQ(session.PaneValue("#{alternate_on}#{keypad_flag}#{keypad_cursor_flag}"), "000");
        EXPECT_FALSE(std::filesystem::exists(m_systemDir.iniPath()));
    }
}

// Two programs on one system directory, each in its own terminal: the first adds a server and
// changes another, the second changes that one too and saves last. It asks about the server both
// changed, keeps the user's answer, and keeps the first program's addition.
TEST_F(PtyTest, TwoProgramsAtOnceLoseNothingAndAskAboutWhatBothChanged)
{
    WriteFileBytes(m_systemDir.iniPath(), "[ServerList]\nServer1=localhost,1,1,0,0\nNumServers=1\n");
    std::filesystem::create_directory(m_systemDir.file("first"));
    std::filesystem::create_directory(m_systemDir.file("second"));
    TmuxSession first(m_systemDir.file("first"), Program("tui"), 80, 24);
    TmuxSession second(m_systemDir.file("second"), Program("tui"), 80, 24);
    ASSERT_TRUE(first.started() && second.started());
    ASSERT_NO_FATAL_FAILURE(OpenMainWindow(first));
    ASSERT_NO_FATAL_FAILURE(OpenMainWindow(second));

    // Each modifies localhost: the first clears its drive mounts, the second its printer mounts.
    for (auto [session, box] : {std::pair{&first, "M-d"}, std::pair{&second, "M-p"}}) {
        ASSERT_NO_FATAL_FAILURE(Open(*session, {"Down", "M-m"}, "Modify Server"));
        session->Keys({box, "M-n", "Enter"});
        ASSERT_TRUE(session->WaitUntilGone("Modify Server")) << session->ScreenText();
    }
    ASSERT_NO_FATAL_FAILURE(Open(first, {"M-a"}, "Add Server"));
    first.Text("127.0.0.1");
    first.Keys({"Enter"});
    ASSERT_TRUE(first.WaitUntilGone("Add Server")) << first.ScreenText();
    ASSERT_TRUE(first.WaitFor("127.0.0.1")) << first.ScreenText();

    first.Keys({"M-s", "Tab", "Enter"});   // from the list to OK
    ASSERT_EQ(first.WaitForExit(), 0) << first.ScreenText();
    second.Keys({"M-s", "Tab", "Enter"});
    ASSERT_TRUE(second.WaitFor("localhost was changed by another program")) << second.ScreenText();
    EXPECT_TRUE(second.WaitFor("[ Yes ]  [ No ]  [ Cancel ]")) << second.ScreenText();
    second.Keys({"y"});
    EXPECT_EQ(second.WaitForExit(), 0) << second.ScreenText();

    const std::string file = ReadFileBytes(m_systemDir.iniPath());
    // A key new to the file goes at the end of its section.
    EXPECT_NE(file.find("Server1=localhost,1,0,0,0\nNumServers=2\nServer2=127.0.0.1,1,1,0,0\n"), std::string::npos)
        << file;
}

// The rectangle of the frame whose caption is `caption`: corners found from the caption's row.
struct Frame {
    int left = -1;
    int right = -1;
    int top = -1;
    int bottom = -1;
};

Frame FindFrame(const std::vector<std::string>& screen, const std::string& caption)
{
    Frame frame;
    for (size_t row = 0; row < screen.size(); ++row) {
        const std::u32string line = FromUtf8(screen[row]);
        const size_t at = line.find(FromUtf8(" " + caption + " "));
        if (at == std::u32string::npos || line.find(tui::kCornerTopLeft) > at)
            continue;
        frame.top = static_cast<int>(row);
        frame.left = static_cast<int>(line.rfind(tui::kCornerTopLeft, at));
        frame.right = static_cast<int>(line.find(tui::kCornerTopRight, at));
        break;
    }
    for (size_t row = static_cast<size_t>(frame.top + 1); frame.top >= 0 && row < screen.size(); ++row) {
        const std::u32string line = FromUtf8(screen[row]);
        const auto left = static_cast<size_t>(frame.left);
        if (line.size() > left && line[left] == tui::kCornerBottomLeft) {
            frame.bottom = static_cast<int>(row);
            break;
        }
    }
    return frame;
}

// Every row between the frame's corners has its two sides, and nothing stands outside the frame
// but the key help on the last line.
void ExpectWholeFrame(const std::vector<std::string>& screen, const std::string& caption, size_t rows)
{
    const Frame frame = FindFrame(screen, caption);
    ASSERT_GE(frame.top, 0) << "no frame captioned " << caption;
    ASSERT_GT(frame.bottom, frame.top);
    ASSERT_GT(frame.right, frame.left);
    for (size_t row = 0; row < rows; ++row) {
        const std::u32string line = row < screen.size() ? FromUtf8(screen[row]) : U"";
        const bool inside = static_cast<int>(row) >= frame.top && static_cast<int>(row) <= frame.bottom;
        if (!inside) {
            if (row + 1 < rows) {
                EXPECT_EQ(line.find_first_not_of(U' '), std::u32string::npos) << "stray text on row " << row;
            }
            continue;
        }
        ASSERT_GT(line.size(), static_cast<size_t>(frame.right)) << "row " << row;
        EXPECT_EQ(line.find_first_not_of(U' '), static_cast<size_t>(frame.left)) << "row " << row;
        EXPECT_EQ(line.size(), static_cast<size_t>(frame.right + 1)) << "row " << row;
        if (static_cast<int>(row) != frame.top && static_cast<int>(row) != frame.bottom) {
            EXPECT_EQ(line[static_cast<size_t>(frame.left)], tui::kLineVertical) << "row " << row;
            EXPECT_EQ(line[static_cast<size_t>(frame.right)], tui::kLineVertical) << "row " << row;
        }
    }
}

TEST_F(PtyTest, AResizeRedrawsTheWholeScreen)
{
    TmuxSession session(m_systemDir.path(), Program("tui"), 80, 24);
    ASSERT_TRUE(session.started());
    ASSERT_NO_FATAL_FAILURE(OpenMainWindow(session));
    const int leftBefore = FindFrame(session.Screen(), "Norvane").left;
    session.Resize(100, 30);
    // The capture may land while the redraw is still being written: wait for the frame's last row.
    ASSERT_TRUE(session.WaitUntil([leftBefore](const std::vector<std::string>& screen) {
        const Frame frame = FindFrame(screen, "Norvane");
        return screen.size() == 30 && frame.left > leftBefore && frame.bottom > frame.top;
    })) << session.ScreenText();
    ExpectWholeFrame(session.Screen(), "Norvane", 30);

    // Two windows, one over the other, through a smaller size and back.
    session.Resize(80, 24);
    ASSERT_TRUE(session.WaitUntil([leftBefore](const std::vector<std::string>& screen) {
        return screen.size() == 24 && FindFrame(screen, "Norvane").left == leftBefore;
    })) << session.ScreenText();
    ASSERT_NO_FATAL_FAILURE(Open(session, {"M-o"}, "Global Options"));
    const std::vector<std::string> before = session.Screen();
    session.Resize(64, 20);
    ASSERT_TRUE(session.WaitUntil([](const std::vector<std::string>& screen) { return screen.size() == 20; }));
    session.Resize(80, 24);
    EXPECT_TRUE(session.WaitUntil([&before](const std::vector<std::string>& screen) { return screen == before; }))
        << "back at the first size, the screen is what it was:\n" << session.ScreenText() << "before:\n"
        << ::testing::PrintToString(before);

    ASSERT_NO_FATAL_FAILURE(Close(session, "Global Options", "Servers and Printers:"));
    session.Keys({"Escape"});
    EXPECT_EQ(session.WaitForExit(), 0);
}

std::string Describe(const CellLook& look)
{
    return "fg " + std::to_string(look.foreground) + " bg " + std::to_string(look.background) +
           (look.bold ? " bold" : "") + (look.dim ? " dim" : "") + (look.underline ? " underline" : "") +
           (look.reverse ? " reverse" : "");
}

// What a field, the focused button, the default button and a disabled button look like on the
// terminal, in colour and without: each is told apart from the dialog around it and from the others.
TEST_F(PtyTest, FieldsTheFocusAndTheDefaultButtonShowWithAndWithoutColours)
{
    // In colour; with colours turned off; on a terminal that has none, nor dim text.
    for (const std::string setting : {"", "NO_COLOR=1", "TERM=xterm-mono"}) {
        SCOPED_TRACE(setting);
        const bool colours = setting.empty();
        std::vector<std::string> command = Program("tui");
        if (!colours)
            command.insert(command.end() - 1, setting);
        TmuxSession session(m_systemDir.path(), command, 80, 24);
        ASSERT_TRUE(session.started());
        ASSERT_NO_FATAL_FAILURE(OpenMainWindow(session));
        ASSERT_NO_FATAL_FAILURE(Open(session, {"Enter"}, "Add Server"));
        // The bottom line names what Enter presses now (Cancel while OK is disabled, OK once
        // there is a name, a focused button itself) and keeps the system menu's key whole.
        const auto hintIs = [&session](const std::string& hint) {
            return session.WaitUntil([&hint](const std::vector<std::string>& screen) { return screen.back() == hint; });
        };
        EXPECT_TRUE(hintIs(" Enter Cancel  Esc Cancel  F1 Help  Alt+? What's This?  Alt+Space Menu"))
            << session.ScreenText();
        session.Text("xy");
        EXPECT_TRUE(hintIs(" Tab Next  Enter OK  Esc Cancel  F1 Help  Alt+? What's This?  Alt+Space Menu"))
            << session.ScreenText();
        session.Keys({"BTab", "BTab"});
        ASSERT_TRUE(session.WaitFor("Enter Cancel")) << session.ScreenText();
        const std::optional<CellLook> window = session.LookOf("Server N");
        const std::optional<CellLook> field = session.LookOf("xy");
        const std::optional<CellLook> focused = session.LookOf("[  Cancel  ]");
        const std::optional<CellLook> defaultButton = session.LookOf("[    OK    ]");
        const std::optional<CellLook> disabled = session.LookOf("[  Add...  ]");
        ASSERT_TRUE(window && field && focused && defaultButton && disabled) << session.ScreenText();
        SCOPED_TRACE("window " + Describe(*window) + ", field " + Describe(*field) + ", focused " +
                     Describe(*focused) + ", default " + Describe(*defaultButton) + ", disabled " +
                     Describe(*disabled));
        if (colours) {
            EXPECT_NE(field->background, window->background);
            EXPECT_NE(focused->background, window->background);
            EXPECT_FALSE(focused->reverse);
        } else {
            for (const CellLook& look : {*window, *field, *focused, *defaultButton, *disabled})
                EXPECT_TRUE(look.foreground == -1 && look.background == -1);
            EXPECT_TRUE(field->underline);
            EXPECT_TRUE(focused->reverse);
        }
        EXPECT_FALSE(focused->dim || defaultButton->dim || field->dim);
        EXPECT_TRUE(defaultButton->bold);
        EXPECT_TRUE(disabled->dim || setting == "TERM=xterm-mono");
        EXPECT_FALSE(disabled->bold || disabled->reverse);
        EXPECT_NE(*focused, *defaultButton);
        EXPECT_NE(*defaultButton, *window);
        session.Keys({"Escape", "Escape"});
        EXPECT_EQ(session.WaitForExit(), 0) << session.ScreenText();
    }
}

TEST_F(PtyTest, ATerminalThatCannotPlaceItsCursorIsRefusedInOneLine)
{
    const struct {
        const char* term;
        const char* why;
    } cases[] = {
        {"TERM=dumb", "norvane: cannot run in this terminal: the terminal cannot move its cursor (TERM=dumb)\n"},
        {"TERM=no-such-terminal", "norvane: cannot run in this terminal: the terminal type is unknown or cannot be "
                                  "driven (TERM=no-such-terminal)\n"},
    };
    for (const auto& termCase : cases) {
        SCOPED_TRACE(termCase.term);
        std::vector<std::string> command = Program("tui");
        command.insert(command.end() - 1, termCase.term);
        TmuxSession session(m_systemDir.path(), command, 80, 24);
        ASSERT_TRUE(session.started());
        EXPECT_EQ(session.WaitForExit(), 1);
        // The one line, and nothing else before tmux's own word on the ended program.
        std::string screen = session.WholeText();
        screen = screen.substr(0, screen.find("Pane is dead"));
        EXPECT_EQ(screen.substr(0, screen.find_last_not_of('\n') + 1) + "\n", termCase.why);
    }
}

// A German user on a machine where the German locale is not generated still reads German: the
// warning, the captions, the Alt letters and the hint line.
TEST_F(PtyTest, SpeaksGermanWhenTheUserDoes)
{
    std::vector<std::string> command = Program("");
    std::replace(command.begin(), command.end(), std::string("LANG=C.UTF-8"), std::string("LANG=de_DE.UTF-8"));
    TmuxSession session(m_systemDir.path(), command, 80, 24);
    ASSERT_TRUE(session.started());
    ASSERT_TRUE(session.WaitFor("ist nicht")) << session.ScreenText();
    session.Keys({"Enter"});
    ASSERT_TRUE(session.WaitFor("Server und Drucker:")) << session.ScreenText();
    EXPECT_TRUE(session.WaitFor("Esc Abbrechen")) << session.ScreenText();
    ASSERT_NO_FATAL_FAILURE(Open(session, {"M-o"}, "Globale Optionen"));
    ASSERT_NO_FATAL_FAILURE(Close(session, "Globale Optionen", "Server und Drucker:"));
    session.Keys({"Escape"});
    EXPECT_EQ(session.WaitForExit(), 0) << session.ScreenText();
}

TEST_F(PtyTest, AnUnknownHostChoiceIsRefused)
{
    const std::string command = "NORVANE_UI=curses '" + std::string(NORVANE_PROGRAM) + "' 2>&1 </dev/null";
    FILE* program = ::popen(command.c_str(), "r");
    ASSERT_NE(program, nullptr);
    std::string output;
    char buffer[256];
    for (size_t got; (got = std::fread(buffer, 1, sizeof buffer, program)) > 0;)
        output.append(buffer, got);
    const int status = ::pclose(program);
    EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 1);
    EXPECT_EQ(output, "norvane: NORVANE_UI must be qt or tui\n");
}

}   // namespace
