#include "app/program.h"

#include <cstdlib>

#include "app/win_app.h"
#include "ui/qt/about_box.h"
#include "ui/qt/system_menu_popup.h"

namespace {

bool IsSet(const char* name)
{
    const char* value = std::getenv(name);
    return value && *value;
}

}   // namespace

bool HasDisplay()
{
    return IsSet("DISPLAY") || IsSet("WAYLAND_DISPLAY") || IsSet("QT_QPA_PLATFORM");
}

int RunApplication()
{
    InstallAboutBox(NORVANE_VERSION);
    InstallSystemMenuPopup();
    return AfxWinMain();
}
