// SPDX-License-Identifier: GPL-2.0-or-later
#include "app/config_app.h"

#include <cstring>

#include "platform/ansi_text.h"
#include "platform/registry.h"
#include "res/resource_ids.h"
#include "ui/base/message_box.h"
#include "ui/server_list_dialog.h"

namespace {

constexpr const char* kComponentKey = "System\\CurrentControlSet\\Services\\VxD\\KQNET95";
constexpr const char* kStaticDriverValue = "StaticVxD";
constexpr const char* kComponentDriver = "VKQNFS.VXD";
constexpr uint32_t kDriverBufferSize = 64;

}   // namespace

ConfigApp::ConfigApp() : CWinApp(nullptr) {}

ConfigApp::~ConfigApp() = default;

BOOL ConfigApp::InitInstance()
{
    // Changes are still worth making without the component: it reads them when it is re-installed.
    if (!IsNetworkComponentInstalled())
        (void)AfxMessageBox(IDS_COMPONENT_NOT_INSTALLED, MB_OK);

    ServerListDialog dialog;
    m_pMainWnd = &dialog;
    (void)dialog.DoModal();
    m_pMainWnd = nullptr;
    return FALSE;
}

bool ConfigApp::IsNetworkComponentInstalled()
{
    HKEY key = nullptr;
    if (RegOpenKeyExA(HKEY_LOCAL_MACHINE, kComponentKey, 0, KEY_ALL_ACCESS, &key) != ERROR_SUCCESS)
        return false;
    char driver[kDriverBufferSize] = {};
    uint32_t size = kDriverBufferSize;
    bool installed = false;
    // The text must end within the bytes read: a value stored without a terminator (as bytes, not
    // as a string) names no driver, whatever the bytes after it would be.
    if (RegQueryValueExA(key, kStaticDriverValue, nullptr, nullptr, reinterpret_cast<uint8_t*>(driver), &size)
            == ERROR_SUCCESS
        && std::memchr(driver, '\0', size) != nullptr) {
        CharUpperA(driver);
        installed = lstrcmpA(driver, kComponentDriver) == 0;
    }
    (void)RegCloseKey(key);
    return installed;
}
