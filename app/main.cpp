#include <cstdio>
#include <cstdlib>
#include <string_view>
#include <unistd.h>

#include "app/config_app.h"
#include "app/program.h"
#include "app/win_app.h"
#include "ui/qt/qt_application.h"
#ifdef NORVANE_HAVE_TUI
#include "ui/tui/tui_application.h"
#endif

// The one application object, built before main() runs, as the application framework expects.
static ConfigApp theApp;

namespace {

enum class UserInterface { Qt, Terminal, Unknown };

// NORVANE_UI=qt or tui chooses; otherwise the window system where there is one, and the terminal
// where standard input and output are one and there is no window system (a login over SSH).
UserInterface ChooseUserInterface()
{
    const char* chosen = std::getenv("NORVANE_UI");
    if (chosen && *chosen) {
        const std::string_view name(chosen);
        return name == "qt" ? UserInterface::Qt : name == "tui" ? UserInterface::Terminal : UserInterface::Unknown;
    }
    if (!HasDisplay() && isatty(STDIN_FILENO) && isatty(STDOUT_FILENO))
        return UserInterface::Terminal;
    return UserInterface::Qt;
}

}   // namespace

int main(int argc, char** argv)
{
    switch (ChooseUserInterface()) {
    case UserInterface::Unknown:
        std::fputs("norvane: NORVANE_UI must be qt or tui\n", stderr);
        return 1;
    case UserInterface::Terminal:
#ifdef NORVANE_HAVE_TUI
        return tui::RunWithTuiHost(AfxWinMain);
#else
        std::fputs("norvane: this build has no terminal host (curses was missing when it was built)\n", stderr);
        return 1;
#endif
    case UserInterface::Qt:
        break;
    }
    // Qt would abort with a long explanation; one line says what is missing.
    if (!HasDisplay()) {
        std::fputs("norvane: no display to show the window on (neither DISPLAY nor WAYLAND_DISPLAY is set)\n",
                   stderr);
        return 1;
    }
    return RunWithQtHost(argc, argv, RunApplication);
}
