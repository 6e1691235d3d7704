// SPDX-License-Identifier: GPL-2.0-or-later
#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <optional>
#include <string>
#include <string_view>

#include "app/command_line.h"
#include "app/config_app.h"
#include "app/program.h"
#include "app/win_app.h"
#include "app/window_system.h"
#include "ui/qt/qt_application.h"
#ifdef NORVANE_HAVE_TUI
#include "ui/tui/tui_application.h"
#endif

// The one application object, built before main() runs, as the application framework expects.
static ConfigApp theApp;

namespace {

#ifdef NORVANE_HAVE_TUI
constexpr bool kHaveTerminalHost = true;
#else
constexpr bool kHaveTerminalHost = false;
#endif

// What Qt needs to start again in the terminal after it failed half-way.
char** g_argv = nullptr;
bool g_fallBackToTerminal = false;

int RunInTerminal()
{
#ifdef NORVANE_HAVE_TUI
    return tui::RunWithTuiHost(AfxWinMain);
#else
    std::fputs("norvane: this build has no terminal host (curses was missing when it was built)\n", stderr);
    return 1;
#endif
}

void SayWhyNoWindow(const std::string& why, bool fallBack)
{
    std::fprintf(stderr, "norvane: %s%s\n", why.c_str(), fallBack ? "; using the terminal" : "");
}

// Qt cannot be left half started, so the terminal host runs in a fresh image of the program.
[[noreturn]] void QtCannotStart(const std::string& why)
{
    SayWhyNoWindow("Qt cannot start (" + why + ")", g_fallBackToTerminal);
    if (g_fallBackToTerminal) {
        setenv("NORVANE_UI", "tui", 1);
        execv("/proc/self/exe", g_argv);
        std::fprintf(stderr, "norvane: cannot start again in the terminal: %s\n", std::strerror(errno));
    }
    std::_Exit(1);
}

// The window where its display can be reached; otherwise one line says why, and the program goes
// on in the terminal when `fallBack` allows.
int RunInWindow(int argc, char** argv, bool fallBack)
{
    WindowSystemCheck check;
    if (!check.problem().empty()) {
        SayWhyNoWindow(check.problem(), fallBack);
        return fallBack ? RunInTerminal() : 1;
    }
    g_argv = argv;
    g_fallBackToTerminal = fallBack;
    return RunWithQtHost(argc, argv, [&check] {
        check.Close();
        return RunApplication();
    }, QtCannotStart);
}

}   // namespace

// NORVANE_UI=qt or tui chooses; otherwise the window where a display is named, and the terminal
// where standard input and output are one and there is no display (a login over SSH) or the
// display cannot be reached.
int main(int argc, char** argv)
{
    if (const std::optional<int> status = AnswerCommandLine(argc, argv))
        return *status;
    const bool inTerminal = kHaveTerminalHost && isatty(STDIN_FILENO) && isatty(STDOUT_FILENO);
    if (const char* chosen = std::getenv("NORVANE_UI"); chosen && *chosen) {
        const std::string_view name(chosen);
        if (name == "tui")
            return RunInTerminal();
        if (name == "qt")
            return RunInWindow(argc, argv, false);
        std::fputs("norvane: NORVANE_UI must be qt or tui\n", stderr);
        return 1;
    }
    if (!DisplayNamed()) {
        if (inTerminal)
            return RunInTerminal();
        std::fputs("norvane: no display to show the window on (neither DISPLAY nor WAYLAND_DISPLAY is set)\n",
                   stderr);
        return 1;
    }
    return RunInWindow(argc, argv, inTerminal);
}
