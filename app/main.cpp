#include <cstdio>

#include "app/config_app.h"
#include "app/program.h"
#include "ui/qt/qt_application.h"

// The one application object, built before main() runs, as the application framework expects.
static ConfigApp theApp;

int main(int argc, char** argv)
{
    // Qt would abort with a long explanation; one line says what is missing.
    if (!HasDisplay()) {
        std::fputs("norvane: no display to show the window on (neither DISPLAY nor WAYLAND_DISPLAY is set)\n",
                   stderr);
        return 1;
    }
    return RunWithQtHost(argc, argv, RunApplication);
}
