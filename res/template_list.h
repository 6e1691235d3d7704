// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once
// The five dialog templates, one file each; FindDialogTemplate is the public way to reach them.
#include "res/dialog_template.h"

extern const DialogTemplate kServerListTemplate;      // 102
extern const DialogTemplate kServerTemplate;          // 120
extern const DialogTemplate kGlobalOptionsTemplate;   // 129
extern const DialogTemplate kLprQueueTemplate;        // 133
extern const DialogTemplate kStreamQueueTemplate;     // 136
