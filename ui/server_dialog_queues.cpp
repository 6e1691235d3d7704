// SPDX-License-Identifier: GPL-2.0-or-later
// The server dialog's queue buttons: each runs a queue dialog on the entry's list, or deletes the
// selected queue, and refills the dialog when something changed. The name and the check boxes are
// saved into the entry first, so that the refill shows what the user had typed.
#include "ui/server_dialog.h"

#include "res/resource_ids.h"
#include "ui/base/message_box.h"
#include "ui/lpr_queue_dialog.h"
#include "ui/stream_queue_dialog.h"

namespace {

// The queue of the selected row, looked up in the list by identity; null when no row is selected or
// the row's queue is no longer in the list.
template <class Queue>
Queue* SelectedQueue(const ListBoxControl& list, Queue* head)
{
    const int row = list.GetCurSel();
    if (row < 0)
        return nullptr;
    const uintptr_t data = list.GetItemData(row);
    for (Queue* queue = head; queue; queue = queue->next) {
        if (reinterpret_cast<uintptr_t>(queue) == data)
            return queue;
    }
    return nullptr;
}

// `queue` must be in the list.
template <class Queue>
void UnlinkQueue(Queue*& head, Queue* queue)
{
    Queue** link = &head;
    while (*link != queue)
        link = &(*link)->next;
    *link = queue->next;
    queue->next = nullptr;
}

} // namespace

void ServerDialog::AddStreamQueue()
{
    if (!m_entry)
        return;
    SaveServerFields();
    StreamQueueDialog dialog;
    dialog.SetStreamQueueTarget(m_entry->streamQueues, nullptr);
    if (dialog.DoModal() == IDOK)
        RefreshServerDialog();
}

void ServerDialog::AddLprQueue()
{
    if (!m_entry)
        return;
    SaveServerFields();
    LprQueueDialog dialog;
    dialog.SetLprQueueTarget(m_entry->lprQueues, nullptr);
    if (dialog.DoModal() == IDOK)
        RefreshServerDialog();
}

void ServerDialog::ModifyStreamQueue()
{
    StreamQueue* const queue = m_entry ? SelectedQueue(m_streamQueueList, m_entry->streamQueues) : nullptr;
    if (!queue) {
        MessageBeep(MB_ICONEXCLAMATION);
        return;
    }
    SaveServerFields();
    StreamQueueDialog dialog;
    dialog.SetStreamQueueTarget(m_entry->streamQueues, queue);
    if (dialog.DoModal() == IDOK)
        RefreshServerDialog();
}

void ServerDialog::ModifyLprQueue()
{
    LprQueue* const queue = m_entry ? SelectedQueue(m_lprQueueList, m_entry->lprQueues) : nullptr;
    if (!queue) {
        MessageBeep(MB_ICONEXCLAMATION);
        return;
    }
    SaveServerFields();
    LprQueueDialog dialog;
    dialog.SetLprQueueTarget(m_entry->lprQueues, queue);
    if (dialog.DoModal() == IDOK)
        RefreshServerDialog();
}

void ServerDialog::DeleteStreamQueue()
{
    StreamQueue* const queue = m_entry ? SelectedQueue(m_streamQueueList, m_entry->streamQueues) : nullptr;
    if (!queue) {
        MessageBeep(MB_ICONEXCLAMATION);
        return;
    }
    SaveServerFields();
    UnlinkQueue(m_entry->streamQueues, queue);
    FreeStreamQueues(queue);
    RefreshServerDialog();
}

void ServerDialog::DeleteLprQueue()
{
    LprQueue* const queue = m_entry ? SelectedQueue(m_lprQueueList, m_entry->lprQueues) : nullptr;
    if (!queue) {
        MessageBeep(MB_ICONEXCLAMATION);
        return;
    }
    SaveServerFields();
    UnlinkQueue(m_entry->lprQueues, queue);
    FreeLprQueues(queue);
    RefreshServerDialog();
}
