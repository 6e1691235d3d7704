#include "ui/tui/curses_terminal.h"

#ifndef NCURSES_WIDECHAR
#define NCURSES_WIDECHAR 1
#endif
#include <curses.h>
#include <poll.h>
#include <unistd.h>

#include <array>
#include <cstdio>
#include <cwchar>

namespace tui {

namespace {

// How long after Esc a further key still counts as Alt held with it.
constexpr int kAltDelayMs = 40;
constexpr int kEscDelayMs = 40;
// Failed reads in a row after which the terminal counts as gone.
constexpr int kFailedReadLimit = 3;

struct StyleLook {
    short foreground;
    short background;
    attr_t colourAttributes;   // added when colours are used
    attr_t monoAttributes;     // used instead on a terminal without colours
};

// Indexed by CellStyle; colour pair n + 1 is style n.
constexpr std::array<StyleLook, 13> kLooks = {{
    {COLOR_WHITE, COLOR_BLUE, A_NORMAL, A_NORMAL},       // Desktop
    {COLOR_BLACK, COLOR_CYAN, A_NORMAL, A_REVERSE},      // HintBar
    {COLOR_BLACK, COLOR_WHITE, A_NORMAL, A_NORMAL},      // Window
    {COLOR_BLACK, COLOR_WHITE, A_NORMAL, A_NORMAL},      // Frame
    {COLOR_BLUE, COLOR_WHITE, A_BOLD, A_BOLD},           // Caption
    {COLOR_BLACK, COLOR_WHITE, A_DIM, A_DIM},            // Disabled
    {COLOR_BLACK, COLOR_WHITE, A_BOLD, A_BOLD},          // DefaultButton
    {COLOR_WHITE, COLOR_BLUE, A_BOLD, A_REVERSE},        // Focused
    {COLOR_BLACK, COLOR_CYAN, A_NORMAL, A_UNDERLINE},    // Field
    {COLOR_BLACK, COLOR_CYAN, A_DIM, A_DIM},             // FieldDisabled
    {COLOR_WHITE, COLOR_BLUE, A_NORMAL, A_REVERSE},      // Selected
    {COLOR_BLACK, COLOR_YELLOW, A_NORMAL, A_REVERSE | A_BOLD},   // Chosen
    {COLOR_BLACK, COLOR_YELLOW, A_NORMAL, A_NORMAL},     // Popup
}};
static_assert(static_cast<size_t>(CellStyle::Popup) + 1 == kLooks.size(), "one look for every style");

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

bool InputHungUp()
{
    pollfd input{STDIN_FILENO, POLLIN, 0};
    return poll(&input, 1, 0) < 0 || (input.revents & (POLLHUP | POLLERR | POLLNVAL)) != 0;
}

}   // namespace

struct CursesTerminal::Screen {
    SCREEN* screen;
    bool colours;
    int altDown;   // the key code curses gives Alt+Down, 0 when the terminal has none
};

std::unique_ptr<CursesTerminal> CursesTerminal::Open(std::string* error)
{
    if (!isatty(STDIN_FILENO) || !isatty(STDOUT_FILENO)) {
        if (error)
            *error = "standard input and output are not a terminal";
        return nullptr;
    }
    SCREEN* screen = newterm(nullptr, stdout, stdin);
    if (!screen) {
        if (error)
            *error = "the terminal type is unknown or cannot be driven (TERM=" +
                     std::string(getenv("TERM") ? getenv("TERM") : "") + ")";
        return nullptr;
    }
    set_term(screen);
    cbreak();
    noecho();
    nonl();
    intrflush(stdscr, FALSE);
    keypad(stdscr, TRUE);
    set_escdelay(kEscDelayMs);
    bool colours = has_colors();
    if (colours && start_color() == OK) {
        for (size_t i = 0; i < kLooks.size(); ++i)
            init_pair(static_cast<short>(i + 1), kLooks[i].foreground, kLooks[i].background);
    } else {
        colours = false;
    }
    const int altDown = key_defined("\033[1;3B");
    return std::unique_ptr<CursesTerminal>(new CursesTerminal(new Screen{screen, colours, altDown > 0 ? altDown : 0}));
}

CursesTerminal::CursesTerminal(Screen* screen) : m_screen(screen) {}

CursesTerminal::~CursesTerminal()
{
    endwin();
    delscreen(m_screen->screen);
    delete m_screen;
}

TerminalSize CursesTerminal::Size()
{
    int rows = 0;
    int columns = 0;
    getmaxyx(stdscr, rows, columns);
    return {columns, rows};
}

Key CursesTerminal::ReadKey()
{
    if (m_ended)
        return Key::Of(KeyCode::EndOfInput);
    wint_t ch = 0;
    const int result = wget_wch(stdscr, &ch);
    if (result == ERR) {
        if (InputHungUp() || ++m_failedReads >= kFailedReadLimit) {
            m_ended = true;
            return Key::Of(KeyCode::EndOfInput);
        }
        return Key::Of(KeyCode::None);
    }
    m_failedReads = 0;
    if (result == KEY_CODE_YES)
        return FunctionKey(static_cast<int>(ch));
    switch (ch) {
    case 27:
        return KeyAfterEscape();
    case L'\t':
        return Key::Of(KeyCode::Tab);
    case L'\r':
    case L'\n':
        return Key::Of(KeyCode::Enter);
    case 8:
    case 127:
        return Key::Of(KeyCode::Backspace);
    default:
        break;
    }
    if (ch >= 1 && ch <= 26) {
        Key key = Key::Char(U'a' + ch - 1);
        key.ctrl = true;
        return key;
    }
    if (ch < 0x20)
        return Key::Of(KeyCode::None);
    return Key::Char(static_cast<char32_t>(ch));
}

Key CursesTerminal::KeyAfterEscape()
{
    // Esc alone, or the first half of Alt with a key: what follows at once decides.
    wtimeout(stdscr, kAltDelayMs);
    wint_t ch = 0;
    const int result = wget_wch(stdscr, &ch);
    wtimeout(stdscr, -1);
    if (result == ERR)
        return Key::Of(KeyCode::Escape);
    if (result == OK && ch == 27) {
        // Two Esc keys in a row are two keys.
        unget_wch(ch);
        return Key::Of(KeyCode::Escape);
    }
    Key key = result == KEY_CODE_YES ? FunctionKey(static_cast<int>(ch)) : Key::Char(static_cast<char32_t>(ch));
    if (result == OK && (ch == L'\r' || ch == L'\n'))
        key = Key::Of(KeyCode::Enter);
    key.alt = true;
    return key;
}

Key CursesTerminal::FunctionKey(int code)
{
    Key key;
    switch (code) {
    case KEY_RESIZE:
        m_repaintAll = true;
        return Key::Of(KeyCode::Resize);
    case KEY_BTAB:
        return Key::Of(KeyCode::BackTab);
    case KEY_ENTER:
        return Key::Of(KeyCode::Enter);
    case KEY_BACKSPACE:
        return Key::Of(KeyCode::Backspace);
    case KEY_DC:
        return Key::Of(KeyCode::Delete);
    case KEY_LEFT:
    case KEY_SLEFT:
        key.code = KeyCode::Left;
        key.shift = code == KEY_SLEFT;
        return key;
    case KEY_RIGHT:
    case KEY_SRIGHT:
        key.code = KeyCode::Right;
        key.shift = code == KEY_SRIGHT;
        return key;
    case KEY_UP:
        return Key::Of(KeyCode::Up);
    case KEY_DOWN:
        return Key::Of(KeyCode::Down);
    case KEY_HOME:
    case KEY_SHOME:
        key.code = KeyCode::Home;
        key.shift = code == KEY_SHOME;
        return key;
    case KEY_END:
    case KEY_SEND:
        key.code = KeyCode::End;
        key.shift = code == KEY_SEND;
        return key;
    case KEY_PPAGE:
        return Key::Of(KeyCode::PageUp);
    case KEY_NPAGE:
        return Key::Of(KeyCode::PageDown);
    case KEY_F(1):
        return Key::Of(KeyCode::F1);
    case KEY_F(13):   // Shift+F1
        key.code = KeyCode::F1;
        key.shift = true;
        return key;
    case KEY_F(4):
        return Key::Of(KeyCode::F4);
    case KEY_F(10):
        return Key::Of(KeyCode::F10);
    case KEY_F(22):   // Shift+F10
        key.code = KeyCode::F10;
        key.shift = true;
        return key;
    default:
        break;
    }
    if (m_screen->altDown != 0 && code == m_screen->altDown) {
        key.code = KeyCode::Down;
        key.alt = true;
        return key;
    }
    return Key::Of(KeyCode::None);
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
            const StyleLook& look = kLooks[static_cast<size_t>(cell.style)];
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
