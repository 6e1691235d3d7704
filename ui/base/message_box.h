// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once
// Message boxes, sounds and strings by id, through the current host.
#include <cstdint>
#include <string>

#include "ui/base/win_defs.h"

// The text of string resource `id`; empty when the table has none (the platform's LoadString).
std::string LoadString(uint32_t id);

// Shows string `stringId` with MB_OK, MB_YESNO or MB_YESNOCANCEL, captioned with the application
// title (string 57344). Answers IDOK, IDYES, IDNO or IDCANCEL; IDCANCEL (2) when no host is
// installed. `helpId` is the topic the platform would offer from the box; ours offers none.
int AfxMessageBox(uint32_t stringId, UINT type = MB_OK, UINT helpId = static_cast<UINT>(-1));
// The same for a ready text (a message that names a path and a reason, for instance).
int AfxMessageBox(const std::string& text, UINT type = MB_OK, UINT helpId = static_cast<UINT>(-1));

// MB_ICONEXCLAMATION (0x30) or the simple beep (0xFFFFFFFF); nothing without a host.
void MessageBeep(UINT type);
