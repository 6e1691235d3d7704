// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once
// What a test host records of each help request a dialog makes of the screen.
#include <cstdint>

#include "ui/base/win_defs.h"

enum class HelpRequestKind { Popup, WhatsThisMenu, Window, Overview, Quit };

struct HelpRequest {
    HelpRequestKind kind;
    int32_t windowId;   // id of the window the request was made for (0 for a dialog's frame and the window)
    uint32_t id;        // context id (Popup, WhatsThisMenu, Window) or template id (Overview)
    friend bool operator==(const HelpRequest&, const HelpRequest&) = default;
};

// The id a request names `window` by: its control id, 0 for a dialog's frame or no window.
int32_t HelpWindowId(HWND window);
