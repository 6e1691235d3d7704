// SPDX-License-Identifier: GPL-2.0-or-later
#include "ui/server_dialog.h"

#include <initializer_list>
#include <string>

#include "config/field_rules.h"
#include "config/text_field.h"
#include "platform/resolver.h"
#include "platform/sockets.h"
#include "res/resource_ids.h"
#include "ui/base/message_box.h"

namespace {

void EnableControls(CDialog& dialog, std::initializer_list<int> ids, bool enable)
{
    for (const int id : ids) {
        if (HWND control = dialog.GetDlgItem(id))
            control->EnableWindow(enable);
    }
}

int CheckState(int32_t flag)
{
    return flag != 0 ? BST_CHECKED : BST_UNCHECKED;
}

// One row per queue, in list order, each carrying its queue; the last row ends up selected. A queue
// whose row the list refuses stays in the entry without a row.
template <class Queue, class RowText>
void FillQueueList(ListBoxControl& list, Queue* head, RowText rowText)
{
    list.ResetContent();
    for (Queue* queue = head; queue; queue = queue->next) {
        const int row = list.InsertString(-1, rowText(*queue));
        if (row == LB_ERR || row == LB_ERRSPACE)
            continue;
        list.SetItemData(row, reinterpret_cast<uintptr_t>(queue));
        list.SetCurSel(row);
    }
}

} // namespace

ServerDialog::ServerDialog(CDialog* parent)
    : HelpDialog(IDD_SERVER, parent)
{
}

const MessageMap& ServerDialog::ThisMessageMap()
{
    static constexpr CommandEntry commands[] = {
        MapCommand<&ServerDialog::OnServerNameChange>(IDC_SERVER_NAME, EN_CHANGE),
        MapCommand<&ServerDialog::OnLprPrintingClicked>(IDC_SERVER_LPR_PRINTING),
        MapCommand<&ServerDialog::OnStreamPrintingClicked>(IDC_SERVER_STREAM_PRINTING),
        MapCommand<&ServerDialog::AddStreamQueue>(IDC_SERVER_STREAM_ADD),
        MapCommand<&ServerDialog::AddLprQueue>(IDC_SERVER_LPR_ADD),
        MapCommand<&ServerDialog::DeleteLprQueue>(IDC_SERVER_LPR_DELETE),
        MapCommand<&ServerDialog::DeleteStreamQueue>(IDC_SERVER_STREAM_DELETE),
        MapCommand<&ServerDialog::ModifyStreamQueue>(IDC_SERVER_STREAM_MODIFY),
        MapCommand<&ServerDialog::ModifyLprQueue>(IDC_SERVER_LPR_MODIFY),
        MapCommand<&ServerDialog::ModifyLprQueue>(IDC_SERVER_LPR_LIST, LBN_DBLCLK),
        MapCommand<&ServerDialog::ModifyStreamQueue>(IDC_SERVER_STREAM_LIST, LBN_DBLCLK),
    };
    static const MessageMap map{&HelpDialog::ThisMessageMap(), {}, commands};
    return map;
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

void ServerDialog::DoDataExchange()
{
    DDX_Control(IDC_SERVER_STREAM_LIST, m_streamQueueList);
    DDX_Control(IDC_SERVER_DEFAULT_QUEUE, m_defaultQueueBox);
    DDX_Control(IDC_SERVER_LPR_DELETE, m_lprDeleteButton);
    DDX_Control(IDC_SERVER_LPR_ADD, m_lprAddButton);
    DDX_Control(IDC_SERVER_LPR_LIST, m_lprQueueList);
    DDX_Control(IDC_SERVER_LPR_PRINTING, m_lprPrintingBox);
    DDX_Control(IDC_SERVER_NFS_PRINTERS, m_nfsPrinterBox);
    DDX_Control(IDC_SERVER_STREAM_PRINTING, m_streamPrintingBox);
    DDX_Control(IDC_SERVER_NFS_DRIVES, m_nfsDriveBox);
    DDX_Control(IDC_SERVER_NAME, m_serverNameEdit);
}

BOOL ServerDialog::OnInitDialog()
{
    HelpDialog::OnInitDialog();
    m_serverNameEdit.LimitText(static_cast<int>(kServerNameMaxLength));
    RefreshServerDialog();
    return TRUE;
}

void ServerDialog::RefreshServerDialog()
{
    OnServerNameChange();
    if (m_modifyMode != 0)
        SetWindowText(LoadString(IDS_MODIFY_SERVER));
    if (!m_entry)
        return;
    FillQueueList(m_lprQueueList, m_entry->lprQueues,
                  [](const LprQueue& queue) { return std::string(FieldText(queue.queueName)); });
    FillQueueList(m_streamQueueList, m_entry->streamQueues,
                  [](const StreamQueue& queue) { return std::to_string(queue.port); });
    // Its change notification runs OnServerNameChange, so OK follows the entry's name.
    m_serverNameEdit.SetWindowText(FieldText(m_entry->name));
    m_nfsDriveBox.SetCheck(CheckState(m_entry->nfsDriveMounts));
    m_nfsPrinterBox.SetCheck(CheckState(m_entry->nfsPrinterMounts));
    m_streamPrintingBox.SetCheck(CheckState(m_entry->streamPrinting));
    OnStreamPrintingClicked();
    m_lprPrintingBox.SetCheck(CheckState(m_entry->lprPrinting));
    OnLprPrintingClicked();
    m_defaultQueueBox.SetCheck(CheckState(m_entry->defaultStreamQueue));
}

void ServerDialog::SaveServerFields()
{
    if (!m_entry)
        return;
    StoreFieldText(m_entry->name, m_serverNameEdit.GetWindowText());
    m_entry->nfsDriveMounts = m_nfsDriveBox.GetCheck();
    m_entry->nfsPrinterMounts = m_nfsPrinterBox.GetCheck();
    m_entry->streamPrinting = m_streamPrintingBox.GetCheck();
    m_entry->lprPrinting = m_lprPrintingBox.GetCheck();
    m_entry->defaultStreamQueue = m_defaultQueueBox.GetCheck();
}

void ServerDialog::OnServerNameChange()
{
    // Without a name Enter cancels rather than pressing a disabled OK.
    const bool hasName = !m_serverNameEdit.GetWindowText().empty();
    EnableControls(*this, {IDOK}, hasName);
    SetDefID(hasName ? IDOK : IDCANCEL);
}

void ServerDialog::OnStreamPrintingClicked()
{
    // Switching a printing kind off keeps its queues in the entry, to show again when it comes back.
    const bool on = m_streamPrintingBox.GetCheck() != BST_UNCHECKED;
    EnableControls(*this,
                   {IDC_SERVER_STREAM_GROUP, IDC_SERVER_STREAM_LIST, IDC_SERVER_STREAM_ADD, IDC_SERVER_STREAM_MODIFY,
                    IDC_SERVER_STREAM_DELETE, IDC_SERVER_DEFAULT_QUEUE},
                   on);
    if (m_entry)
        m_entry->streamPrinting = on ? 1 : 0;
}

void ServerDialog::OnLprPrintingClicked()
{
    const bool on = m_lprPrintingBox.GetCheck() != BST_UNCHECKED;
    EnableControls(*this,
                   {IDC_SERVER_LPR_GROUP, IDC_SERVER_LPR_LIST, IDC_SERVER_LPR_ADD, IDC_SERVER_LPR_MODIFY,
                    IDC_SERVER_LPR_DELETE},
                   on);
    if (m_entry)
        m_entry->lprPrinting = on ? 1 : 0;
}

void ServerDialog::OnOK()
{
    SaveServerFields();
    const std::string name = m_serverNameEdit.GetWindowText();
    if (const uint32_t refusal = ServerNameRefusal(name, m_otherServers, m_originalEntry)) {
        AfxMessageBox(refusal, MB_OK);
        m_serverNameEdit.SetFocus();
        return;
    }
    if (!CheckServerName(name.c_str()))
        return;
    HelpDialog::OnOK();
}

bool ServerDialog::CheckServerName(const char* name)
{
    Resolver& resolver = CurrentResolver();
    const uint32_t address = InetAddr(name);
    const bool found = address != INADDR_NONE ? resolver.HasHostByAddress(address) : resolver.HasHostByName(name);
    if (found)
        return true;
    return AfxMessageBox(IDS_SERVER_NAME_UNRESOLVED, MB_YESNO, IDS_SERVER_NAME_UNRESOLVED) != IDNO;
}
