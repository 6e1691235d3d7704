// SPDX-License-Identifier: GPL-2.0-or-later
#include "app/win_app.h"

#include "ui/base/message_box.h"

namespace {
CWinApp* g_application = nullptr;
}

CWinApp::CWinApp(const char* appName) : m_appName(appName ? appName : LoadString(IDS_APP_TITLE))
{
    g_application = this;
}

CWinApp::~CWinApp()
{
    if (g_application == this)
        g_application = nullptr;
}

CWinApp* AfxGetApp()
{
    return g_application;
}

int AfxWinMain()
{
    CWinApp* application = AfxGetApp();
    if (!application)
        return -1;
    (void)application->InitInstance();
    return application->ExitInstance();
}
