#include "ui/tui/tui_application.h"

#include <clocale>
#include <cstdio>
#include <string>

#include "platform/about_box.h"
#include "ui/tui/curses_terminal.h"
#include "ui/tui/tui_host.h"

namespace tui {

namespace {

// Puts the previous about box back when the host goes.
class AboutBoxScope {
public:
    explicit AboutBoxScope(TuiHost& host)
        : m_previous(SetAboutBoxPresenter([&host](HWND /*owner*/, uint32_t /*icon*/) { host.ShowAboutBox(); }))
    {
    }
    ~AboutBoxScope() { (void)SetAboutBoxPresenter(std::move(m_previous)); }
    AboutBoxScope(const AboutBoxScope&) = delete;
    AboutBoxScope& operator=(const AboutBoxScope&) = delete;

private:
    AboutBoxPresenter m_previous;
};

}   // namespace

int RunWithTuiHost(const std::function<int()>& body)
{
    // Keys and the screen speak the user's character set (UTF-8 on any current system).
    (void)std::setlocale(LC_CTYPE, "");
    std::string error;
    const std::unique_ptr<CursesTerminal> terminal = CursesTerminal::Open(&error);
    if (!terminal) {
        std::fprintf(stderr, "norvane: cannot run in this terminal: %s\n", error.c_str());
        return 1;
    }
    TuiHost host(*terminal);
    const HostScope scope(host);
    const AboutBoxScope about(host);
    return body();
}

}   // namespace tui
