// SPDX-License-Identifier: GPL-2.0-or-later
#include "ui/base/message_box.h"

#include "res/string_table.h"
#include "ui/base/host.h"

std::string LoadString(uint32_t id)
{
    const char* text = FindString(id);
    return text ? std::string(text) : std::string();
}

int AfxMessageBox(uint32_t stringId, UINT type, UINT helpId)
{
    return AfxMessageBox(LoadString(stringId), type, helpId);
}

int AfxMessageBox(const std::string& text, UINT type, UINT /*helpId*/)
{
    Host* host = CurrentHost();
    if (!host)
        return IDCANCEL;
    return host->MessageBox(text, LoadString(IDS_APP_TITLE), type);
}

void MessageBeep(UINT type)
{
    if (Host* host = CurrentHost())
        host->MessageBeep(type);
}
