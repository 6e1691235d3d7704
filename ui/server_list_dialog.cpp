// SPDX-License-Identifier: GPL-2.0-or-later
#include "ui/server_list_dialog.h"

#include <string>

#include "config/server_file.h"
#include "platform/about_box.h"
#include "platform/sockets.h"
#include "res/resource_ids.h"
#include "ui/base/format_string.h"
#include "ui/base/message_box.h"
#include "ui/global_options_dialog.h"
#include "ui/save_failure_text.h"
#include "ui/server_dialog.h"

namespace {

// The server dialog's modes.
constexpr int32_t kAddMode = 0;
constexpr int32_t kModifyMode = 1;

uint32_t QuestionOf(ConflictKind kind)
{
    switch (kind) {
    case ConflictKind::ChangedOnBothSides:
        return IDS_SERVER_CHANGED_ELSEWHERE;
    case ConflictKind::AddedOnBothSides:
        return IDS_SERVER_ADDED_ELSEWHERE;
    case ConflictKind::RemovedHereChangedThere:
        return IDS_SERVER_CHANGED_ELSEWHERE_REMOVED_HERE;
    case ConflictKind::ChangedHereRemovedThere:
        break;
    }
    return IDS_SERVER_REMOVED_ELSEWHERE;
}

}   // namespace

ServerListDialog::ServerListDialog(CDialog* parent)
    : HelpDialog(IDD_SERVER_LIST, parent), m_appIcon(IDI_NORVANE)
{
    // A failed start is not reported: the server dialog's name check then simply finds nothing.
    WSADATA data{};
    m_socketsStarted = WSAStartup(MakeSocketsVersion(1, 1), &data) == 0;
}

ServerListDialog::~ServerListDialog()
{
    (void)FreeServerList(m_servers);
    (void)FreeServerList(m_base);
    if (m_socketsStarted)
        (void)WSACleanup();
}

const MessageMap& ServerListDialog::ThisMessageMap()
{
    static constexpr CommandEntry commands[] = {
        MapCommand<&ServerListDialog::OnAddServer>(IDC_MAIN_ADD),
        MapCommand<&ServerListDialog::OnModifyServer>(IDC_MAIN_MODIFY),
        MapCommand<&ServerListDialog::OnModifyServer>(IDC_MAIN_SERVER_LIST, LBN_DBLCLK),
        MapCommand<&ServerListDialog::OnDeleteServer>(IDC_MAIN_DELETE),
        MapCommand<&ServerListDialog::OnOptions>(IDC_MAIN_OPTIONS),
        MapCommand<&ServerListDialog::OnServerSelectionChange>(IDC_MAIN_SERVER_LIST, LBN_SELCHANGE),
    };
    static constexpr MessageEntry messages[] = {
        MapMessage<&ServerListDialog::OnSysCommand>(WM_SYSCOMMAND),
        MapMessage<&ServerListDialog::OnDestroy>(WM_DESTROY),
        MapMessage<&ServerListDialog::OnQueryDragIcon>(WM_QUERYDRAGICON),
    };
    static const MessageMap map{&HelpDialog::ThisMessageMap(), messages, commands};
    return map;
}

void ServerListDialog::DoDataExchange()
{
    DDX_Control(IDC_MAIN_SERVER_LIST, m_serverListBox);
}

BOOL ServerListDialog::OnInitDialog()
{
    HelpDialog::OnInitDialog();

    const std::string aboutItem = LoadString(IDS_ABOUT_NORVANE);
    if (!aboutItem.empty()) {
        SystemMenu* menu = GetSystemMenu();
        (void)menu->AppendMenuA(MF_SEPARATOR, 0, "");
        (void)menu->AppendMenuA(MF_STRING, IDM_ABOUTBOX, aboutItem);
    }
    SetIcon(m_appIcon, true);
    SetIcon(m_appIcon, false);

    // Whatever could be read stays; an unreadable file shows as an empty list.
    (void)LoadServerList(m_servers);
    // Without the copy the save still merges, taking every server as added by both sides.
    (void)CopyServerEntries(m_servers, m_base, true);
    RefreshServerList();
    return TRUE;
}

void ServerListDialog::RefreshServerList()
{
    // The selection follows the index, not the server: the list box sorts, so the row at that
    // index may now show another server.
    int index = m_serverListBox.GetCurSel();
    m_serverListBox.ResetContent();
    for (ServerEntry* entry = m_servers; entry; entry = entry->next)
        (void)InsertServerItem(entry);
    const int lastRow = m_serverListBox.GetCount() - 1;
    if (index > lastRow)
        index = lastRow;
    // Only the user's own selection enables the buttons (OnServerSelectionChange).
    if (m_serverListBox.SetCurSel(index) == LB_ERR)
        EnableSelectionButtons(false);
}

int ServerListDialog::InsertServerItem(ServerEntry* entry)
{
    const int row = m_serverListBox.AddString(entry->name);
    if (row != LB_ERR && row != LB_ERRSPACE) {
        (void)m_serverListBox.SetItemData(row, reinterpret_cast<uintptr_t>(entry));
        (void)m_serverListBox.SetCurSel(row);
    }
    return row;
}

void ServerListDialog::OnAddServer()
{
    auto* entry = new ServerEntry{};
    entry->nfsDriveMounts = 1;
    entry->nfsPrinterMounts = 1;
    entry->defaultStreamQueue = 1;

    ServerDialog dialog;
    dialog.SetServerEntry(entry, kAddMode);
    dialog.SetServerList(m_servers, nullptr);
    if (dialog.DoModal() == IDOK) {
        entry->next = m_servers;
        m_servers = entry;
    } else {
        (void)FreeServerList(entry);
    }
    RefreshServerList();
}

void ServerListDialog::OnModifyServer()
{
    ServerEntry* original = SelectedEntry();
    if (!original)
        return;
    ServerList working = nullptr;
    if (CopyServerEntries(original, working, false) != ProfileOk)
        return;

    ServerDialog dialog;
    dialog.SetServerEntry(working, kModifyMode);
    dialog.SetServerList(m_servers, original);
    if (dialog.DoModal() == IDOK) {
        // The edited copy itself takes the original's place at the head: copying it once more
        // could fail after the original is gone.
        (void)RemoveServerEntry(original, m_servers);
        working->next = m_servers;
        m_servers = working;
    } else {
        (void)FreeServerList(working);
    }
    RefreshServerList();
}

void ServerListDialog::OnDeleteServer()
{
    // The row's own entry, not the first of the same name: two servers may share a name.
    ServerEntry* entry = SelectedEntry();
    if (!entry)
        return;
    if (AfxMessageBox(IDS_CONFIRM_DELETE_SERVER, MB_YESNO) == IDYES)
        (void)RemoveServerEntry(entry, m_servers);
    RefreshServerList();
}

void ServerListDialog::OnOptions()
{
    GlobalOptionsDialog dialog;
    (void)dialog.DoModal();
}

void ServerListDialog::OnServerSelectionChange()
{
    EnableSelectionButtons(m_serverListBox.GetCurSel() != LB_ERR);
}

void ServerListDialog::OnOK()
{
    // Other programs may have written the list since it was loaded: the save keeps their changes,
    // and asks about servers that both changed. The lock is not held while the user reads.
    MergeDecisions decisions;
    for (;;) {
        std::vector<MergeConflict> conflicts;
        SaveFailure why;
        if (SaveMergedServerList(m_base, m_servers, decisions, conflicts, &why) != ProfileOk) {
            // The window stays open with every change, so the user can fix the cause and try again.
            ReportSaveFailure(why);
            return;
        }
        if (conflicts.empty())
            break;
        if (!AskAbout(conflicts, decisions))
            return;
    }
    HelpDialog::OnOK();
}

bool ServerListDialog::AskAbout(const std::vector<MergeConflict>& conflicts, MergeDecisions& decisions)
{
    for (const MergeConflict& conflict : conflicts) {
        const std::string question = AfxFormatString2(QuestionOf(conflict.kind), conflict.name, "");
        const int answer = AfxMessageBox(question, MB_YESNOCANCEL);
        if (answer == IDCANCEL)
            return false;
        decisions.choices[conflict.key] = answer == IDYES ? MergeChoice::KeepMine : MergeChoice::KeepTheirs;
    }
    return true;
}

LRESULT ServerListDialog::OnSysCommand(WPARAM command, LPARAM /*position*/)
{
    if ((LOWORD(command) & 0xFFF0u) == IDM_ABOUTBOX) {
        (void)DoAboutBox(0, GetSafeHwnd(), m_appIcon);
        return 0;
    }
    return Default();
}

void ServerListDialog::OnDestroy()
{
    WinHelp(0, HELP_QUIT);
    (void)Default();
}

LRESULT ServerListDialog::OnQueryDragIcon(WPARAM /*wParam*/, LPARAM /*lParam*/)
{
    return static_cast<LRESULT>(m_appIcon);
}

ServerEntry* ServerListDialog::SelectedEntry() const
{
    const int row = m_serverListBox.GetCurSel();
    if (row == LB_ERR)
        return nullptr;
    const uintptr_t data = m_serverListBox.GetItemData(row);
    if (data == static_cast<uintptr_t>(LB_ERR))
        return nullptr;
    return reinterpret_cast<ServerEntry*>(data);
}

void ServerListDialog::EnableSelectionButtons(bool enable)
{
    for (const int id : {IDC_MAIN_DELETE, IDC_MAIN_MODIFY})
        if (HWND button = GetDlgItem(id))
            (void)button->EnableWindow(enable);
}

void ServerListDialog::ReportSaveFailure(const SaveFailure& why)
{
    (void)AfxMessageBox(AfxFormatString2(IDS_SAVE_SERVERS_FAILED, SaveFailureFile(why), SaveFailureReason(why)), MB_OK);
}

Point MinimizedIconPosition(int32_t clientWidth, int32_t clientHeight, int32_t iconWidth, int32_t iconHeight)
{
    // C++ division truncates toward zero, as the placement asks: -1 / 2 is 0.
    return {(clientWidth - iconWidth + 1) / 2, (clientHeight - iconHeight + 1) / 2};
}
