// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once
// The main window: the Servers and Printers list. It owns the server list for its whole life,
// loads it when it opens, lets the user add, modify and delete servers, and writes the list only
// when the user presses OK.
#include <cstdint>
#include <vector>

#include "config/server_merge.h"
#include "config/server_records.h"
#include "ui/base/help_dialog.h"

class ServerListDialog : public HelpDialog {
public:
    explicit ServerListDialog(CDialog* parent = nullptr);
    ~ServerListDialog() override;

    static const MessageMap& ThisMessageMap();

    // Refills the list box from the servers and selects the row at the index that was selected
    // before (or the last row when there are fewer now); Modify and Delete are disabled when that
    // leaves no selection.
    void RefreshServerList();
    // Adds one row for `entry`, sorted in, carrying the entry as its item data, and selects it.
    // Returns the row index, or LB_ERR / LB_ERRSPACE when no row could be added.
    int InsertServerItem(ServerEntry* entry);

protected:
    BOOL OnInitDialog() override;
    void DoDataExchange() override;
    const MessageMap& GetMessageMap() const override { return ThisMessageMap(); }
    void OnOK() override;

private:
    void OnAddServer();
    void OnModifyServer();
    void OnDeleteServer();
    void OnOptions();
    void OnServerSelectionChange();
    LRESULT OnSysCommand(WPARAM command, LPARAM position);
    void OnDestroy();
    LRESULT OnQueryDragIcon(WPARAM wParam, LPARAM lParam);

    // The entry of the selected row, or null when no row is selected.
    ServerEntry* SelectedEntry() const;
    void EnableSelectionButtons(bool enable);
    // Puts each conflict to the user; false when one was answered Cancel.
    [[nodiscard]] bool AskAbout(const std::vector<MergeConflict>& conflicts, MergeDecisions& decisions);
    void ReportSaveFailure(const SaveFailure& why);

    ListBoxControl m_serverListBox;
    ServerList m_servers = nullptr;
    // The list as loaded: what another program's changes are told apart from at OK.
    ServerList m_base = nullptr;
    bool m_socketsStarted = false;
    uint32_t m_appIcon = 0;
};

// Where the icon of a minimised window goes: centred in the client area, each coordinate
// (client - icon + 1) / 2 truncated toward zero.
Point MinimizedIconPosition(int32_t clientWidth, int32_t clientHeight, int32_t iconWidth, int32_t iconHeight);
