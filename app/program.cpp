// SPDX-License-Identifier: GPL-2.0-or-later
#include "app/program.h"

#include "app/win_app.h"
#include "ui/qt/about_box.h"
#include "ui/qt/system_menu_popup.h"

int RunApplication()
{
    InstallAboutBox(NORVANE_VERSION);
    InstallSystemMenuPopup();
    return AfxWinMain();
}
