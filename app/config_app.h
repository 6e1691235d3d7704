// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once
// The application: warns when the network component is not installed, then runs the Servers and
// Printers window until the user closes it.
#include "app/win_app.h"

class ConfigApp : public CWinApp {
public:
    ConfigApp();
    ~ConfigApp() override;

    // Always FALSE: the main window has run to its end, nothing else is left to do.
    BOOL InitInstance() override;

private:
    // True when the registry names the component's driver as its static driver.
    bool IsNetworkComponentInstalled();
};
