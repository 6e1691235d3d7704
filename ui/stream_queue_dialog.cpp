// SPDX-License-Identifier: GPL-2.0-or-later
#include "ui/stream_queue_dialog.h"

#include <optional>
#include <string>

#include "config/field_rules.h"
#include "res/resource_ids.h"
#include "ui/base/message_box.h"

namespace {

constexpr const char* kProposedPort = "9100";

} // namespace

StreamQueueDialog::StreamQueueDialog(CDialog* parent)
    : HelpDialog(IDD_STREAM_QUEUE, parent)
{
}

const MessageMap& StreamQueueDialog::ThisMessageMap()
{
    static constexpr CommandEntry commands[] = {
        MapCommand<&StreamQueueDialog::OnPortChange>(IDC_STREAM_PORT, EN_CHANGE),
    };
    static const MessageMap map{&HelpDialog::ThisMessageMap(), {}, commands};
    return map;
}

void StreamQueueDialog::SetStreamQueueTarget(StreamQueue*& queueListHead, StreamQueue* queue)
{
    m_queueListHead = &queueListHead;
    m_queue = queue;
}

void StreamQueueDialog::DoDataExchange()
{
    DDX_Control(IDC_STREAM_TELNET, m_telnetBox);
    DDX_Control(IDC_STREAM_PORT, m_portEdit);
}

BOOL StreamQueueDialog::OnInitDialog()
{
    HelpDialog::OnInitDialog();
    if (m_queue) {
        SetWindowText(LoadString(IDS_MODIFY_STREAM_QUEUE));
        m_portEdit.SetWindowText(std::to_string(m_queue->port));
        m_telnetBox.SetCheck(m_queue->telnetNegotiation != 0 ? BST_CHECKED : BST_UNCHECKED);
    } else {
        m_portEdit.SetWindowText(kProposedPort);
        m_telnetBox.SetCheck(BST_CHECKED);
    }
    return TRUE;
}

void StreamQueueDialog::OnPortChange()
{
    if (HWND ok = GetDlgItem(IDOK))
        ok->EnableWindow(!m_portEdit.GetWindowText().empty());
}

void StreamQueueDialog::OnOK()
{
    const std::optional<uint32_t> port = PortFromText(m_portEdit.GetWindowText());
    if (!port) {
        AfxMessageBox(IDS_PORT_RANGE, MB_OK);
        return;
    }
    if (!m_queue) {
        if (!m_queueListHead) {   // no list was given to add to: nothing can change
            HelpDialog::OnCancel();
            return;
        }
        m_queue = new StreamQueue{};
        m_queue->next = *m_queueListHead;
        *m_queueListHead = m_queue;
    }
    m_queue->port = *port;
    m_queue->telnetNegotiation = m_telnetBox.GetCheck() == BST_CHECKED ? 1 : 0;
    HelpDialog::OnOK();
}
