// SPDX-License-Identifier: GPL-2.0-or-later
// The terminal host on bare dialogs of the five templates and on the real main window: keys,
// what the screen shows of the controls' state, help, menus and message boxes.
#include <gtest/gtest.h>

#include <ostream>

#include "platform/wait_presenter.h"
#include "res/resource_ids.h"
#include "tests/tui/tui_fixture.h"
#include "ui/base/help_dialog.h"
#include "ui/server_list_dialog.h"
#include "ui/tui/tui_text.h"

using tui::Canvas;
using tui::CellStyle;
using tui::Key;
using tui::KeyCode;

namespace {

class HostTest : public TuiHostTest {
protected:
    // The style of the first cell of the first place `text` stands on the screen.
    static CellStyle StyleOf(const Canvas& screen, std::string_view text)
    {
        const int row = screen.FindRow(text);
        if (row < 0) {
            ADD_FAILURE() << "\"" << text << "\" is not on the screen";
            return CellStyle::Desktop;
        }
        const std::u32string line = FromUtf8(screen.RowText(row));
        const size_t column = line.find(FromUtf8(text));
        return screen.at(static_cast<int>(column), row).style;
    }

    static int FocusId(const CDialog& dialog)
    {
        return dialog.GetFocus() ? dialog.GetFocus()->id() : 0;
    }
};

struct DialogCase {
    uint32_t templateId;
    const char* caption;
};

void PrintTo(const DialogCase& dialogCase, std::ostream* out)
{
    *out << "template " << dialogCase.templateId;
}

class EveryDialogTest : public HostTest, public ::testing::WithParamInterface<DialogCase> {};

TEST_P(EveryDialogTest, ShowsItsCaptionAndEscCancels)
{
    m_terminal
        .Then([](const Canvas& screen) {
            EXPECT_TRUE(Shows(screen, GetParam().caption));
            EXPECT_FALSE(Shows(screen, "[?]")) << "a caption button that no key or click reaches";
        })
        .Press(KeyCode::Escape);
    HelpDialog dialog(GetParam().templateId, nullptr);
    EXPECT_EQ(dialog.DoModal(), IDCANCEL);
}

// On a terminal too small for the dialog, Tab and Shift+Tab never take the focus out of sight: the
// dialog scrolls to it.
TEST_P(EveryDialogTest, OnASmallTerminalTheFocusStaysOnTheScreen)
{
    for (const tui::TerminalSize size : {tui::TerminalSize{80, 16}, tui::TerminalSize{40, 12}}) {
        m_terminal.ResizeTo(size);
        for (const KeyCode key : {KeyCode::Tab, KeyCode::BackTab}) {
            for (int step = 0; step < 24; ++step) {
                m_terminal.Press(key).Then([size, step](const Canvas& screen) {
                    ASSERT_TRUE(screen.cursorVisible()) << size.columns << "x" << size.rows << ", step " << step;
                    const Point cursor = screen.cursor();
                    EXPECT_NE(screen.at(cursor.x, cursor.y).style, CellStyle::Desktop);
                    EXPECT_NE(screen.at(cursor.x, cursor.y).style, CellStyle::Frame);
                });
            }
        }
    }
    m_terminal.Press(KeyCode::Escape);
    HelpDialog dialog(GetParam().templateId, nullptr);
    EXPECT_EQ(dialog.DoModal(), IDCANCEL);
}

INSTANTIATE_TEST_SUITE_P(Templates, EveryDialogTest,
                         ::testing::Values(DialogCase{IDD_SERVER_LIST, "Norvane"}, DialogCase{IDD_SERVER, "Add Server"},
                                           DialogCase{IDD_GLOBAL_OPTIONS, "Global Options"},
                                           DialogCase{IDD_LPR_QUEUE, "Add LPR Queue"},
                                           DialogCase{IDD_STREAM_QUEUE, "Add Stream Queue"}));

TEST_F(HostTest, F1ShowsTheFocusedFieldsTopicAndTheNextKeyOnlyClosesIt)
{
    m_terminal.Press(KeyCode::F1)
        .Then([](const Canvas& screen) {
            EXPECT_TRUE(Shows(screen, "Server name"));
            EXPECT_TRUE(Shows(screen, "Any key closes the help"));
        })
        .Press(KeyCode::Escape)
        .Then([](const Canvas& screen) {
            EXPECT_FALSE(Shows(screen, "Any key closes the help"));
            EXPECT_TRUE(Shows(screen, "Add Server")) << "the key that closed the popup did not cancel";
        })
        .Press(KeyCode::Escape);
    HelpDialog dialog(IDD_SERVER, nullptr);
    EXPECT_EQ(dialog.DoModal(), IDCANCEL);
}

// The tab order itself is the key policy's (tests/ui_host); here Tab and Shift+Tab reach it.
TEST_F(HostTest, DisabledControlsAreDimmedAndTabPassesThem)
{
    HelpDialog dialog(IDD_SERVER, nullptr);
    m_terminal.Then([&dialog](const Canvas& screen) {
        EXPECT_EQ(FocusId(dialog), IDC_SERVER_NAME);
        EXPECT_EQ(StyleOf(screen, "Modify..."), CellStyle::Disabled);
        EXPECT_EQ(StyleOf(screen, "Stream Queue(s)"), CellStyle::Disabled);
        EXPECT_EQ(StyleOf(screen, "NFS Drive"), CellStyle::Window);
    });
    m_terminal.Press(KeyCode::Tab).Then([&dialog](const Canvas&) { EXPECT_EQ(FocusId(dialog), IDC_SERVER_NFS_DRIVES); });
    m_terminal.Press(KeyCode::BackTab).Then([&dialog](const Canvas&) { EXPECT_EQ(FocusId(dialog), IDC_SERVER_NAME); });
    m_terminal.Press(ShiftKey(KeyCode::Tab)).Then([&dialog](const Canvas&) { EXPECT_EQ(FocusId(dialog), ID_HELP); });
    m_terminal.Press(KeyCode::Escape);
    EXPECT_EQ(dialog.DoModal(), IDCANCEL);
}

TEST_F(HostTest, HiddenControlsAreNotDrawn)
{
    m_terminal.Then([](const Canvas& screen) {
        EXPECT_TRUE(Shows(screen, "Enable Network Warnings"));
        EXPECT_FALSE(Shows(screen, "Restore Persistent"));
    }).Press(KeyCode::Escape);
    HelpDialog options(IDD_GLOBAL_OPTIONS, nullptr);
    EXPECT_EQ(options.DoModal(), IDCANCEL);

    m_terminal.Then([](const Canvas& screen) {
        EXPECT_TRUE(Shows(screen, "Servers and Printers:"));
        EXPECT_FALSE(Shows(screen, "located automatically"));
    }).Press(KeyCode::Escape);
    HelpDialog main(IDD_SERVER_LIST, nullptr);
    EXPECT_EQ(main.DoModal(), IDCANCEL);
}

TEST_F(HostTest, WhatsThisExplainsTheControlChosenByKeyboard)
{
    Key altQuestion = Key::Char(U'?');
    altQuestion.alt = true;
    for (const Key& start : {ShiftKey(KeyCode::F1), altQuestion}) {
        m_terminal.Press(start)
            .Then([](const Canvas& screen) { EXPECT_TRUE(Shows(screen, "Choose a control")); })
            .Press(KeyCode::Tab)   // from the name field to the first check box
            .Then([](const Canvas& screen) { EXPECT_EQ(StyleOf(screen, "NFS Drive"), CellStyle::Chosen); })
            .Press(KeyCode::Enter)
            .Then([](const Canvas& screen) {
                EXPECT_TRUE(Shows(screen, "NFS Drive Mount Points"));
                EXPECT_TRUE(Shows(screen, "Any key closes the help"));
            })
            .Press(KeyCode::Enter);
    }
    m_terminal.Press(KeyCode::Escape);
    HelpDialog dialog(IDD_SERVER, nullptr);
    EXPECT_EQ(dialog.DoModal(), IDCANCEL) << "neither the choice nor the popup's Enter pressed OK";
}

TEST_F(HostTest, ShiftF10OffersWhatsThisForTheFocusedControl)
{
    m_terminal.Press(ShiftKey(KeyCode::F10))
        .Then([](const Canvas& screen) { EXPECT_TRUE(Shows(screen, "What's This?")); })
        .Press(KeyCode::Enter)
        .Then([](const Canvas& screen) { EXPECT_TRUE(Shows(screen, "Port Number")); })
        .Press(KeyCode::Escape)
        .Press(KeyCode::Escape);
    HelpDialog dialog(IDD_STREAM_QUEUE, nullptr);
    EXPECT_EQ(dialog.DoModal(), IDCANCEL);
}

TEST_F(HostTest, SystemMenuOpensTheAboutBoxAndClosesTheWindow)
{
    Key altSpace = Key::Char(U' ');
    altSpace.alt = true;
    m_terminal.Press(altSpace)
        .Then([](const Canvas& screen) {
            EXPECT_TRUE(Shows(screen, "About Norvane"));
            EXPECT_TRUE(Shows(screen, "Close"));
        })
        .Press(Key::Char(U'a'))
        .Then([](const Canvas& screen) { EXPECT_TRUE(Shows(screen, "Norvane version")); })
        .Press(KeyCode::Enter)
        .Press(KeyCode::F10)
        .Press(Key::Char(U'c'));
    ServerListDialog dialog;
    EXPECT_EQ(dialog.DoModal(), IDCANCEL);
}

TEST_F(HostTest, ASaveWaitingForAnotherProgramSaysSoOnTheHintLine)
{
    m_terminal.Then([this](const Canvas&) {
        PresentWait(WaitPhase::Started);
        const Canvas& screen = m_terminal.screen();
        EXPECT_NE(screen.RowText(screen.height() - 1).find("Waiting for another program to finish writing kqnet.ini..."),
                  std::string::npos);
        PresentWait(WaitPhase::Ended);
        EXPECT_NE(m_terminal.screen().RowText(screen.height() - 1).find("Esc Cancel"), std::string::npos);
    }).Press(KeyCode::Escape);
    HelpDialog dialog(IDD_GLOBAL_OPTIONS, nullptr);
    EXPECT_EQ(dialog.DoModal(), IDCANCEL);
}

TEST_F(HostTest, YesNoBoxAnswersByLetter)
{
    WriteFileBytes(m_systemDir.iniPath(),
                   "[ServerList]\r\nServer1=alpha,1,1,0,0\r\nServer2=bravo,1,1,0,0\r\nNumServers=2\r\n");
    m_terminal.Press(KeyCode::Down)   // the list has the focus: its first row
        .Alt('d')
        .Then([](const Canvas& screen) { EXPECT_TRUE(Shows(screen, "[ Yes ]")); })
        .Press(Key::Char(U'n'))
        .Then([](const Canvas& screen) { EXPECT_TRUE(Shows(screen, "alpha")); })
        .Alt('d')
        .Press(Key::Char(U'y'))
        .Then([](const Canvas& screen) {
            EXPECT_FALSE(Shows(screen, "alpha"));
            EXPECT_TRUE(Shows(screen, "bravo"));
        })
        .Press(KeyCode::Escape);
    ServerListDialog dialog;
    EXPECT_EQ(dialog.DoModal(), IDCANCEL);
}

TEST_F(HostTest, FieldEditingKeysAndTheTextLimit)
{
    HelpDialog dialog(IDD_STREAM_QUEUE, nullptr);
    const auto port = [&dialog](const char* expected) {
        return [&dialog, expected](const Canvas&) { EXPECT_EQ(dialog.GetDlgItemText(IDC_STREAM_PORT), expected); };
    };
    m_terminal.Type("9100").Then(port("9100"))
        .Press(KeyCode::Home).Press(KeyCode::Delete).Then(port("100"))
        .Press(KeyCode::End).Press(KeyCode::Backspace).Then(port("10"))
        .Press(KeyCode::Left).Type("5").Then(port("150"))
        .Press(ShiftKey(KeyCode::Home)).Type("7").Then(port("70"))
        .Press(KeyCode::Tab).Press(KeyCode::BackTab).Type("8").Then(port("8"))
        // A character of two bytes is one step of the caret, and goes whole.
        .Type("\xC5\x81\xC3\xB3" "d").Press(KeyCode::Left).Press(KeyCode::Backspace).Then(port("8\xC5\x81" "d"))
        .Then([](const Canvas& screen) { EXPECT_GE(screen.FindRow("8\xC5\x81" "d"), 0); })
        .Press(KeyCode::Escape);
    EXPECT_EQ(dialog.DoModal(), IDCANCEL);

    // The server name field holds 241 bytes: a character that would pass them rings the bell and
    // the hint line says why, until the next key; no character is cut to fit.
    m_terminal.Press(KeyCode::Enter).Type(std::string(240, 'n')).Type("\xC3\xBC")
        .Then([this](const Canvas& screen) {
            EXPECT_EQ(m_terminal.beeps(), 1);
            EXPECT_EQ(screen.FindRow("at most 241 bytes"), screen.height() - 1) << screen.RowText(screen.height() - 1);
        })
        .Type("x")
        .Then([this](const Canvas& screen) {
            EXPECT_EQ(m_terminal.beeps(), 1) << "one byte is left";
            EXPECT_LT(screen.FindRow("at most 241 bytes"), 0);
            EXPECT_GE(screen.FindRow("nnnx"), 0);
        })
        .Type("y")
        .Then([](const Canvas& screen) { EXPECT_GE(screen.FindRow("at most 241 bytes"), 0); })
        .Press(KeyCode::Tab)
        .Then([](const Canvas& screen) { EXPECT_LT(screen.FindRow("at most 241 bytes"), 0) << "a command clears it too"; })
        .Press(KeyCode::Escape).Press(KeyCode::Escape);
    ServerListDialog main;
    EXPECT_EQ(main.DoModal(), IDCANCEL);
}

TEST_F(HostTest, MnemonicsAndArrowsChooseRadioButtons)
{
    HelpDialog dialog(IDD_GLOBAL_OPTIONS, nullptr);
    const auto checked = [&dialog](UINT parent, UINT specified) {
        return [&dialog, parent, specified](const Canvas&) {
            EXPECT_EQ(dialog.IsDlgButtonChecked(IDC_OPTIONS_PARENT_MASK), parent);
            EXPECT_EQ(dialog.IsDlgButtonChecked(IDC_OPTIONS_SPECIFIED_MASK), specified);
        };
    };
    m_terminal.Alt('p').Then(checked(1, 0))
        .Press(KeyCode::Down).Then(checked(0, 1))
        .Press(Key::Char(U'p')).Then(checked(1, 0))   // a letter alone, where the focus types nothing
        // A label's letter takes the focus to the box after it, and never toggles it.
        .Alt('o').Alt('o').Then([&dialog](const Canvas&) {
            EXPECT_EQ(FocusId(dialog), IDC_OPTIONS_OWNER_READ);
            EXPECT_EQ(dialog.IsDlgButtonChecked(IDC_OPTIONS_OWNER_READ), 0u);
        })
        .Press(KeyCode::Escape);
    EXPECT_EQ(dialog.DoModal(), IDCANCEL);
}

TEST_F(HostTest, HelpButtonOpensTheHelpWindowWithItsContents)
{
    m_terminal.Alt('h')
        .Then([](const Canvas& screen) {
            EXPECT_TRUE(Shows(screen, "Norvane Help"));
            EXPECT_TRUE(Shows(screen, "Add or Modify Stream Queue"));
            EXPECT_TRUE(Shows(screen, "Filter Type")) << "the contents list the other topics too";
            EXPECT_TRUE(Shows(screen, "there is no mouse")) << "the overview tells the terminal's keys";
            EXPECT_FALSE(Shows(screen, "question-mark button where"));
        })
        .Type("telnet")   // typing in the contents searches them
        .Then([](const Canvas& screen) {
            EXPECT_TRUE(Shows(screen, "Search: telnet"));
            EXPECT_TRUE(Shows(screen, "Enable Telnet"));
            EXPECT_FALSE(Shows(screen, "Which servers to add"));
        })
        .Press(KeyCode::Down)   // back in the list, Backspace still edits the search
        .Press(KeyCode::Backspace)
        .Then([](const Canvas& screen) { EXPECT_TRUE(Shows(screen, "Search: telne ")); })
        .Press(KeyCode::Escape)
        .Then([](const Canvas& screen) { EXPECT_FALSE(Shows(screen, "Norvane Help")); })
        .Press(KeyCode::Escape);
    HelpDialog dialog(IDD_STREAM_QUEUE, nullptr);
    EXPECT_EQ(dialog.DoModal(), IDCANCEL);
}

TEST_F(HostTest, AResizeLaysTheDialogOutAgainAndCentresIt)
{
    HelpDialog dialog(IDD_GLOBAL_OPTIONS, nullptr);
    m_terminal.ResizeTo({120, 40}).Then([&dialog](const Canvas& screen) {
        // 237 x 188 dialog units are 59 x 24 cells at full size, 61 x 26 with the frame.
        const Rect window = dialog.GetWindowRect();
        EXPECT_EQ(window, (Rect{29, 4, 90, 30}));
        EXPECT_EQ(screen.at(window.left, window.top).ch, tui::kCornerTopLeft);
        EXPECT_EQ(screen.at(window.right - 1, window.bottom - 1).ch, tui::kCornerBottomRight);
        EXPECT_TRUE(Shows(screen, "─ File Protection Mask for New Files and Directories ─"));
    });
    // Below the smallest size one line says so, and keys do nothing until the terminal grows.
    m_terminal.ResizeTo({40, 7})
        .Then([](const Canvas& screen) {
            EXPECT_EQ(screen.FindRow("Enlarge the terminal to 30 x 8"), 0);
            EXPECT_EQ(screen.FindRow("Global Options"), -1);
        })
        .Press(KeyCode::Escape)
        .ResizeTo({80, 24})
        .Then([](const Canvas& screen) { EXPECT_TRUE(Shows(screen, "Global Options")); });
    m_terminal.Press(KeyCode::Escape);
    EXPECT_EQ(dialog.DoModal(), IDCANCEL);
}

}   // namespace
