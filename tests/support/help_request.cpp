// SPDX-License-Identifier: GPL-2.0-or-later
#include "tests/support/help_request.h"

#include "ui/base/dialog.h"
#include "ui/base/window_api.h"

int32_t HelpWindowId(HWND window)
{
    return IsWindow(window) && window != window->dialog().GetSafeHwnd() ? window->id() : 0;
}
