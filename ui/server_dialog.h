// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once
// Add or change one server: its name, its four resource flags and its print queues. The dialog edits
// the entry it is given in place; whether the entry is kept is the caller's decision.
#include <cstdint>

#include "config/server_records.h"
#include "ui/base/controls.h"
#include "ui/base/help_dialog.h"

class ServerDialog : public HelpDialog {
public:
    explicit ServerDialog(CDialog* parent = nullptr);

    static const MessageMap& ThisMessageMap();

    // The entry to edit in place, and 0 to add it or 1 to modify it. Called once before the run;
    // every field of the entry must be set, since the dialog shows them all.
    void SetServerEntry(ServerEntry* entry, int32_t mode);
    // The main window's servers, against which a new name is checked; `original` is the entry
    // being modified (it does not count against itself), null when adding.
    void SetServerList(const ServerEntry* servers, const ServerEntry* original);

protected:
    BOOL OnInitDialog() override;
    void DoDataExchange() override;
    void OnOK() override;
    const MessageMap& GetMessageMap() const override { return ThisMessageMap(); }

private:
    // Shows the entry: queue rows, name, check boxes and the groups they enable. Run at the start
    // and after every queue change that was carried out.
    void RefreshServerDialog();
    // Copies the name and the five check boxes into the entry.
    void SaveServerFields();
    // True when the name resolves, or the user keeps it although it does not.
    [[nodiscard]] bool CheckServerName(const char* name);

    void OnServerNameChange();
    void OnLprPrintingClicked();
    void OnStreamPrintingClicked();
    void AddStreamQueue();
    void AddLprQueue();
    void DeleteLprQueue();
    void DeleteStreamQueue();
    void ModifyStreamQueue();
    void ModifyLprQueue();

    ListBoxControl m_streamQueueList;
    ButtonControl m_defaultQueueBox;
    ButtonControl m_lprDeleteButton;
    ButtonControl m_lprAddButton;
    ListBoxControl m_lprQueueList;
    ButtonControl m_lprPrintingBox;
    ButtonControl m_nfsPrinterBox;
    ButtonControl m_streamPrintingBox;
    ButtonControl m_nfsDriveBox;
    EditControl m_serverNameEdit;
    ServerEntry* m_entry = nullptr;
    int32_t m_modifyMode = 0;
    const ServerEntry* m_otherServers = nullptr;
    const ServerEntry* m_originalEntry = nullptr;
};
