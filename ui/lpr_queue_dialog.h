// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once
// Add an LPR print queue to a server or change one: queue name, filter letter, user name and
// personal name. The user name of a new queue is proposed from the global options.
#include "config/server_records.h"
#include "ui/base/controls.h"
#include "ui/base/help_dialog.h"

class LprQueueDialog : public HelpDialog {
public:
    explicit LprQueueDialog(CDialog* parent = nullptr);

    static const MessageMap& ThisMessageMap();

    // The server's LPR queue list and the queue of it to change, or null to add one at the head of
    // the list. Called once before the run; the list and the queue change only at an accepted OK.
    void SetLprQueueTarget(LprQueue*& queueListHead, LprQueue* queue);

protected:
    BOOL OnInitDialog() override;
    void DoDataExchange() override;
    void OnOK() override;
    const MessageMap& GetMessageMap() const override { return ThisMessageMap(); }

private:
    void OnFilterTypeChange();
    void OnQueueNameChange();

    EditControl m_userNameEdit;
    EditControl m_queueNameEdit;
    EditControl m_personalNameEdit;
    EditControl m_filterLetterEdit;
    ComboBoxControl m_filterTypeCombo;
    LprQueue* m_queue = nullptr;
    LprQueue** m_queueListHead = nullptr;
};
