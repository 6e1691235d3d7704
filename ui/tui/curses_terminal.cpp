// SPDX-License-Identifier: GPL-2.0-or-later
#include "ui/tui/curses_terminal.h"
#include "ui/tui/terminal_description.h"

#ifndef NCURSES_WIDECHAR
#define NCURSES_WIDECHAR 1
#endif
#include <curses.h>
#include <signal.h>
#include <unistd.h>

#include <array>
#include <cstdlib>
#include <cstdio>
#include <cwchar>

namespace tui {

namespace {

// How long curses waits after Esc for the rest of a key's sequence.
constexpr int kEscDelayMs = 40;

struct StyleLook {
    short foreground;
    short background;
    attr_t colourAttributes;   // added when colours are used
    attr_t monoAttributes;     // used instead on a terminal without colours
};

// Each style's look, by name so that the compiler checks every style has one; colour pair
// n + 1 is style n. On a terminal without colours the focus shows in reverse, the default
// button in bold and an edit field underlined, so none depends on colour to be seen.
constexpr StyleLook LookOf(CellStyle style)
{
    switch (style) {
    case CellStyle::Desktop:
        return {COLOR_WHITE, COLOR_BLUE, A_NORMAL, A_NORMAL};
    case CellStyle::HintBar:
        return {COLOR_BLACK, COLOR_CYAN, A_NORMAL, A_REVERSE};
    case CellStyle::Window:
    case CellStyle::Frame:
        return {COLOR_BLACK, COLOR_WHITE, A_NORMAL, A_NORMAL};
    case CellStyle::Caption:
        return {COLOR_BLUE, COLOR_WHITE, A_BOLD, A_BOLD};
    case CellStyle::Disabled:
        return {COLOR_BLACK, COLOR_WHITE, A_DIM, A_DIM};
    case CellStyle::Field:
        return {COLOR_BLACK, COLOR_CYAN, A_NORMAL, A_UNDERLINE};
    case CellStyle::FieldDisabled:
        return {COLOR_BLACK, COLOR_CYAN, A_DIM, A_DIM};
    case CellStyle::DefaultButton:
        return {COLOR_BLACK, COLOR_WHITE, A_BOLD, A_BOLD};
    case CellStyle::Focused:
        return {COLOR_WHITE, COLOR_BLUE, A_BOLD, A_REVERSE};
    case CellStyle::Selected:
        return {COLOR_WHITE, COLOR_BLUE, A_NORMAL, A_REVERSE};
    case CellStyle::Chosen:
        return {COLOR_BLACK, COLOR_YELLOW, A_NORMAL, A_REVERSE | A_BOLD};
    case CellStyle::Popup:
        return {COLOR_BLACK, COLOR_YELLOW, A_NORMAL, A_NORMAL};
    }
    return {COLOR_BLACK, COLOR_WHITE, A_NORMAL, A_NORMAL};
}

// Colours only where the terminal has them and the user has not asked for none (NO_COLOR set
// to anything but empty).
bool WantsColours()
{
    const char* noColour = getenv("NO_COLOR");
    return has_colors() && (noColour == nullptr || *noColour == '\0');
}

// The line-drawing glyph curses has for a box-drawing character, or null.
const cchar_t* LineGlyph(char32_t ch)
{
    switch (ch) {
    case kLineHorizontal:
        return WACS_HLINE;
    case kLineVertical:
        return WACS_VLINE;
    case kCornerTopLeft:
        return WACS_ULCORNER;
    case kCornerTopRight:
        return WACS_URCORNER;
    case kCornerBottomLeft:
        return WACS_LLCORNER;
    case kCornerBottomRight:
        return WACS_LRCORNER;
    case kArrowUp:
        return WACS_UARROW;
    case kArrowDown:
        return WACS_DARROW;
    default:
        return nullptr;
    }
}

// A character the locale can write, or '?' in its place.
wchar_t Writable(char32_t ch)
{
    if (ch < 0x80)
        return static_cast<wchar_t>(ch);
    std::array<char, MB_LEN_MAX> bytes{};
    std::mbstate_t state{};
    return std::wcrtomb(bytes.data(), static_cast<wchar_t>(ch), &state) == static_cast<size_t>(-1)
               ? L'?'
               : static_cast<wchar_t>(ch);
}

void TerminateOnHangUp(int /*signal*/)
{
    (void)kill(getpid(), SIGTERM);
}

}   // namespace

struct CursesTerminal::Screen {
    SCREEN* screen;
    bool colours;
};

std::unique_ptr<CursesTerminal> CursesTerminal::Open(std::string* error)
{
    if (!isatty(STDIN_FILENO) || !isatty(STDOUT_FILENO)) {
        if (error)
            *error = "standard input and output are not a terminal";
        return nullptr;
    }
    const std::string term = getenv("TERM") ? getenv("TERM") : "";
    const auto refuse = [&term, error](const char* why) {
        if (error)
            *error = std::string(why) + " (TERM=" + term + ")";
        return nullptr;
    };
    switch (DescribeTerminal()) {
    case TerminalDescription::Unknown:
        return refuse("the terminal type is unknown or cannot be driven");
    case TerminalDescription::CannotPlaceItsCursor:
        return refuse("the terminal cannot move its cursor");
    case TerminalDescription::Usable:
        break;
    }
    SCREEN* screen = newterm(nullptr, stdout, stdin);
    if (!screen)
        return refuse("the terminal type is unknown or cannot be driven");
    set_term(screen);
    // curses gives the terminal back when SIGINT or SIGTERM ends the program; a hangup with the
    // terminal still there (its window closed, the session ended) ends it as SIGTERM does.
    struct sigaction onTerminate {};
    struct sigaction onHangUp {};
    if (sigaction(SIGTERM, nullptr, &onTerminate) == 0 && sigaction(SIGHUP, nullptr, &onHangUp) == 0 &&
        onHangUp.sa_handler == SIG_DFL && onTerminate.sa_handler != SIG_DFL && onTerminate.sa_handler != SIG_IGN) {
        onHangUp.sa_handler = TerminateOnHangUp;
        (void)sigaction(SIGHUP, &onHangUp, nullptr);
    }
    cbreak();
    noecho();
    nonl();
    intrflush(stdscr, FALSE);
    keypad(stdscr, TRUE);
    set_escdelay(kEscDelayMs);
    bool colours = WantsColours();
    if (colours && start_color() == OK) {
        for (int style = 0; style <= static_cast<int>(kLastCellStyle); ++style) {
            const StyleLook look = LookOf(static_cast<CellStyle>(style));
            init_pair(static_cast<short>(style + 1), look.foreground, look.background);
        }
    } else {
        colours = false;
    }
    const int altDown = key_defined("\033[1;3B");
    return std::unique_ptr<CursesTerminal>(
        new CursesTerminal(std::make_unique<Screen>(Screen{screen, colours}), altDown > 0 ? altDown : 0));
}

CursesTerminal::CursesTerminal(std::unique_ptr<Screen> screen, int altDown)
    : m_screen(std::move(screen)), m_altDown(altDown)
{
}

CursesTerminal::~CursesTerminal()
{
    endwin();
    delscreen(m_screen->screen);
}

TerminalSize CursesTerminal::Size()
{
    int rows = 0;
    int columns = 0;
    getmaxyx(stdscr, rows, columns);
    return {columns, rows};
}

void CursesTerminal::Present(const Canvas& canvas)
{
    const TerminalSize size = Size();
    if (m_repaintAll) {
        // After a resize nothing on the screen can be trusted: every cell is sent again.
        clearok(curscr, TRUE);
        m_repaintAll = false;
    }
    for (int y = 0; y < size.rows && y < canvas.height(); ++y) {
        for (int x = 0; x < size.columns && x < canvas.width(); ++x) {
            const Cell& cell = canvas.at(x, y);
            if (cell.ch == kWideTail)
                continue;   // the wide character before it covers it
            const StyleLook look = LookOf(cell.style);
            attr_t attributes = m_screen->colours ? look.colourAttributes : look.monoAttributes;
            if (cell.underline)
                attributes |= A_UNDERLINE;
            const short pair = m_screen->colours ? static_cast<short>(static_cast<int>(cell.style) + 1) : 0;
            cchar_t glyph{};
            if (const cchar_t* line = LineGlyph(cell.ch)) {
                wchar_t text[CCHARW_MAX + 1] = {};
                attr_t lineAttributes = 0;
                short linePair = 0;
                getcchar(line, text, &lineAttributes, &linePair, nullptr);
                setcchar(&glyph, text, lineAttributes | attributes, pair, nullptr);
            } else {
                const wchar_t text[2] = {Writable(cell.ch), L'\0'};
                setcchar(&glyph, text, attributes, pair, nullptr);
            }
            // The bottom-right cell cannot move the cursor on; curses still shows the character.
            (void)mvwadd_wch(stdscr, y, x, &glyph);
        }
    }
    if (canvas.cursorVisible()) {
        curs_set(1);
        wmove(stdscr, canvas.cursor().y, canvas.cursor().x);
    } else {
        curs_set(0);
    }
    wrefresh(stdscr);
}

void CursesTerminal::Beep()
{
    beep();
}

}   // namespace tui
