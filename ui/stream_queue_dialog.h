// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once
// Add a stream print queue to a server or change one: its TCP port and telnet negotiation.
#include "config/server_records.h"
#include "ui/base/controls.h"
#include "ui/base/help_dialog.h"

class StreamQueueDialog : public HelpDialog {
public:
    explicit StreamQueueDialog(CDialog* parent = nullptr);

    static const MessageMap& ThisMessageMap();

    // The server's stream queue list and the queue of it to change, or null to add one at the head
    // of the list. Called once before the run; the list and the queue change only at an accepted OK.
    void SetStreamQueueTarget(StreamQueue*& queueListHead, StreamQueue* queue);

protected:
    BOOL OnInitDialog() override;
    void DoDataExchange() override;
    void OnOK() override;
    const MessageMap& GetMessageMap() const override { return ThisMessageMap(); }

private:
    void OnPortChange();

    ButtonControl m_telnetBox;
    EditControl m_portEdit;
    StreamQueue* m_queue = nullptr;
    StreamQueue** m_queueListHead = nullptr;
};
