// SPDX-License-Identifier: GPL-2.0-or-later
#include "tests/ui/server_editing/server_editing_fixtures.h"

#include <gtest/gtest.h>

#include "config/text_field.h"
#include "ui/base/live_window.h"

namespace {

HWND Control(CDialog& dialog, int id)
{
    HWND control = dialog.GetDlgItem(id);
    EXPECT_NE(control, nullptr) << "no control " << id;
    return control;
}

} // namespace

OwnedEntry::OwnedEntry()
    : entry(new ServerEntry{})
{
    entry->nfsDriveMounts = 1;
    entry->nfsPrinterMounts = 1;
    entry->defaultStreamQueue = 1;
}

void SetName(ServerEntry& entry, const std::string& name)
{
    StoreFieldText(entry.name, name);
}

std::vector<uint32_t> Ports(const ServerEntry& entry)
{
    std::vector<uint32_t> ports;
    for (const StreamQueue* queue = entry.streamQueues; queue; queue = queue->next)
        ports.push_back(queue->port);
    return ports;
}

std::vector<std::string> QueueNames(const ServerEntry& entry)
{
    std::vector<std::string> names;
    for (const LprQueue* queue = entry.lprQueues; queue; queue = queue->next)
        names.emplace_back(FieldText(queue->queueName));
    return names;
}

std::vector<std::string> RowTexts(CDialog& dialog, int listId)
{
    std::vector<std::string> texts;
    if (HWND list = Control(dialog, listId)) {
        for (const ListRow& row : list->rows())
            texts.push_back(row.text);
    }
    return texts;
}

bool Enabled(CDialog& dialog, int id)
{
    HWND control = Control(dialog, id);
    return control && control->IsWindowEnabled();
}

bool Visible(CDialog& dialog, int id)
{
    HWND control = Control(dialog, id);
    return control && control->IsWindowVisible();
}

std::string Text(CDialog& dialog, int id)
{
    HWND control = Control(dialog, id);
    return control ? control->text() : std::string();
}

int Checked(CDialog& dialog, int id)
{
    HWND control = Control(dialog, id);
    return control ? control->check() : -1;
}

int Selection(CDialog& dialog, int id)
{
    HWND control = Control(dialog, id);
    return control ? control->selection() : -2;
}
