#pragma once
// Add or change one server: its name, its four resource flags and its print queues.
#include <cstdint>

#include "config/server_records.h"
#include "ui/base/help_dialog.h"

class ServerDialog : public HelpDialog {
public:
    explicit ServerDialog(CDialog* parent = nullptr);

    // The entry to edit in place, and 0 to add it or 1 to modify it. Called once before the run.
    void SetServerEntry(ServerEntry* entry, int32_t mode);
    // The main window's servers, against which a new name is checked; `original` is the entry
    // being modified (it does not count against itself), null when adding.
    void SetServerList(const ServerEntry* servers, const ServerEntry* original);

private:
    ServerEntry* m_entry = nullptr;
    int32_t m_modifyMode = 0;
    const ServerEntry* m_otherServers = nullptr;
    const ServerEntry* m_originalEntry = nullptr;
};
