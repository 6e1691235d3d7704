#include "ui/server_dialog.h"

#include "res/resource_ids.h"

ServerDialog::ServerDialog(CDialog* parent)
    : HelpDialog(IDD_SERVER, parent)
{
}

void ServerDialog::SetServerEntry(ServerEntry* serverEntry, int32_t mode)
{
    m_entry = serverEntry;
    m_modifyMode = mode;
}

void ServerDialog::SetServerList(const ServerEntry* servers, const ServerEntry* original)
{
    m_otherServers = servers;
    m_originalEntry = original;
}
