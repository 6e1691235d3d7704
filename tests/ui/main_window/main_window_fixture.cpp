// SPDX-License-Identifier: GPL-2.0-or-later
#include "tests/ui/main_window/main_window_fixture.h"

#include "config/server_file.h"
#include "res/resource_ids.h"

void MainWindowTest::WriteServers(const std::vector<std::string>& serverLines)
{
    std::string text = "[ServerList]\n";
    for (size_t i = 0; i < serverLines.size(); ++i)
        text += "Server" + std::to_string(i + 1) + "=" + serverLines[i] + "\n";
    text += "NumServers=" + std::to_string(serverLines.size()) + "\n";
    WriteFileBytes(m_systemDir.iniPath(), text);
}

std::vector<std::string> MainWindowTest::SavedServerNames() const
{
    ServerList list = nullptr;
    EXPECT_EQ(LoadServerList(list), ProfileOk);
    std::vector<std::string> names;
    for (const ServerEntry* entry = list; entry; entry = entry->next)
        names.emplace_back(entry->name);
    (void)FreeServerList(list);
    return names;
}

std::vector<std::string> Rows(CDialog& dialog)
{
    std::vector<std::string> rows;
    if (HWND list = dialog.GetDlgItem(IDC_MAIN_SERVER_LIST))
        for (const ListRow& row : list->rows())
            rows.push_back(row.text);
    return rows;
}

int SelectedRow(CDialog& dialog)
{
    HWND list = dialog.GetDlgItem(IDC_MAIN_SERVER_LIST);
    return list ? list->selection() : -2;
}

bool IsEnabled(CDialog& dialog, int id)
{
    HWND control = dialog.GetDlgItem(id);
    return control && control->IsWindowEnabled();
}
