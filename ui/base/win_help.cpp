// SPDX-License-Identifier: GPL-2.0-or-later
#include "ui/base/win_help.h"

#include "ui/base/host.h"

namespace {

// The context of the first pair, or nothing for an empty list (a lone terminating pair).
bool FirstPairContext(uintptr_t data, uint32_t* context)
{
    const auto* pairs = reinterpret_cast<const uint32_t*>(data);
    if (!pairs || (pairs[0] == 0 && pairs[1] == 0))
        return false;
    *context = pairs[1];
    return true;
}

}   // namespace

bool WinHelpA(HWND window, UINT command, uintptr_t data)
{
    Host* host = CurrentHost();
    if (!host)
        return false;
    uint32_t context = 0;
    switch (command) {
    case HELP_WM_HELP:
        if (!FirstPairContext(data, &context))
            return false;
        host->ShowHelpPopup(window, context);
        return true;
    case HELP_CONTEXTMENU:
        if (!FirstPairContext(data, &context))
            return false;
        if (host->TrackWhatsThisMenu(window))
            host->ShowHelpPopup(window, context);
        return true;
    case HELP_CONTEXT:
        host->OpenHelpWindow(static_cast<uint32_t>(data));
        return true;
    case HELP_QUIT:
        host->QuitHelp();
        return true;
    default:
        return false;
    }
}
