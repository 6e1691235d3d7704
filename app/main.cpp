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
#include "res/resource_ids.h"
#include "res/translation.h"
#include "ui/base/format_string.h"
#include "ui/base/message_box.h"
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

// One line on standard error, in the user's language.
void Say(const std::string& text)
{
    std::fprintf(stderr, "norvane: %s\n", text.c_str());
}

int RunInTerminal()
{
#ifdef NORVANE_HAVE_TUI
    return tui::RunWithTuiHost(AfxWinMain);
#else
    Say(LoadString(IDS_NO_TERMINAL_HOST));
    return 1;
#endif
}

void SayWhyNoWindow(const std::string& why, bool fallBack)
{
    Say(fallBack ? AfxFormatString2(IDS_USING_TERMINAL, why, "") : why);
}

// Qt cannot be left half started, so the terminal host runs in a fresh image of the program.
[[noreturn]] void QtCannotStart(const std::string& why)
{
    SayWhyNoWindow(AfxFormatString2(IDS_QT_CANNOT_START, why, ""), g_fallBackToTerminal);
    if (g_fallBackToTerminal) {
        setenv("NORVANE_UI", "tui", 1);
        execv("/proc/self/exe", g_argv);
        Say(AfxFormatString2(IDS_CANNOT_RESTART, std::strerror(errno), ""));
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
    StartTranslation();
    if (const std::optional<int> status = AnswerCommandLine(argc, argv))
        return *status;
    const bool inTerminal = kHaveTerminalHost && isatty(STDIN_FILENO) && isatty(STDOUT_FILENO);
    if (const char* chosen = std::getenv("NORVANE_UI"); chosen && *chosen) {
        const std::string_view name(chosen);
        if (name == "tui")
            return RunInTerminal();
        if (name == "qt")
            return RunInWindow(argc, argv, false);
        Say(LoadString(IDS_NORVANE_UI_VALUES));
        return 1;
    }
    if (!DisplayNamed()) {
        if (inTerminal)
            return RunInTerminal();
        Say(LoadString(IDS_NO_DISPLAY));
        return 1;
    }
    return RunInWindow(argc, argv, inTerminal);
}
