// SPDX-License-Identifier: GPL-2.0-or-later
#include "res/dialog_template.h"
#include "res/template_list.h"

const DialogTemplate* FindDialogTemplate(uint32_t id)
{
    for (const DialogTemplate* t : {&kServerListTemplate, &kServerTemplate, &kGlobalOptionsTemplate,
                                    &kLprQueueTemplate, &kStreamQueueTemplate}) {
        if (t->id == id) {
            return t;
        }
    }
    return nullptr;
}
