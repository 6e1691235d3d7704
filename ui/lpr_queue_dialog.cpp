// SPDX-License-Identifier: GPL-2.0-or-later
#include "ui/lpr_queue_dialog.h"

#include <optional>
#include <string>

#include "config/field_rules.h"
#include "config/filter_types.h"
#include "config/global_options.h"
#include "config/text_field.h"
#include "res/resource_ids.h"
#include "ui/base/message_box.h"

LprQueueDialog::LprQueueDialog(CDialog* parent)
    : HelpDialog(IDD_LPR_QUEUE, parent)
{
}

const MessageMap& LprQueueDialog::ThisMessageMap()
{
    static constexpr CommandEntry commands[] = {
        MapCommand<&LprQueueDialog::OnFilterTypeChange>(IDC_LPR_FILTER_TYPE, CBN_SELCHANGE),
        MapCommand<&LprQueueDialog::OnQueueNameChange>(IDC_LPR_QUEUE_NAME, EN_CHANGE),
    };
    static const MessageMap map{&HelpDialog::ThisMessageMap(), {}, commands};
    return map;
}

void LprQueueDialog::SetLprQueueTarget(LprQueue*& queueListHead, LprQueue* queue)
{
    m_queueListHead = &queueListHead;
    m_queue = queue;
}

void LprQueueDialog::DoDataExchange()
{
    DDX_Control(IDC_LPR_USER_NAME, m_userNameEdit);
    DDX_Control(IDC_LPR_QUEUE_NAME, m_queueNameEdit);
    DDX_Control(IDC_LPR_PERSONAL_NAME, m_personalNameEdit);
    DDX_Control(IDC_LPR_FILTER_LETTER, m_filterLetterEdit);
    DDX_Control(IDC_LPR_FILTER_TYPE, m_filterTypeCombo);
}

BOOL LprQueueDialog::OnInitDialog()
{
    HelpDialog::OnInitDialog();
    for (EditControl* edit : {&m_userNameEdit, &m_queueNameEdit, &m_personalNameEdit, &m_filterLetterEdit})
        edit->LimitText(static_cast<int>(kLprFieldMaxLength));

    char defaultUserName[kUserNameMaxSize];
    if (ReadDefaultUserName(defaultUserName, kUserNameMaxSize) == ProfileOk)
        m_userNameEdit.SetWindowText(defaultUserName);

    if (m_queue) {
        SetWindowText(LoadString(IDS_MODIFY_LPR_QUEUE));
        m_queueNameEdit.SetWindowText(FieldText(m_queue->queueName));
        m_userNameEdit.SetWindowText(FieldText(m_queue->userName));
        m_personalNameEdit.SetWindowText(FieldText(m_queue->personalName));
        m_filterTypeCombo.SetCurSel(FilterLetterToIndex(FieldText(m_queue->filter)));
        OnFilterTypeChange();
        // After the type, so that the stored text shows whatever the type put there.
        m_filterLetterEdit.SetWindowText(FieldText(m_queue->filter));
    } else {
        m_filterTypeCombo.SetCurSel(0);
        OnFilterTypeChange();
    }
    OnQueueNameChange();
    return TRUE;
}

void LprQueueDialog::OnFilterTypeChange()
{
    const int index = m_filterTypeCombo.GetCurSel();
    if (index < 0)
        return;
    const bool userDefined = index == kUserDefinedFilter;
    m_filterLetterEdit.SetWindowText(FilterIndexToLetter(index));
    m_filterLetterEdit.EnableWindow(userDefined);
    if (userDefined)
        m_filterLetterEdit.SetFocus();
}

void LprQueueDialog::OnQueueNameChange()
{
    if (HWND ok = GetDlgItem(IDOK))
        ok->EnableWindow(!m_queueNameEdit.GetWindowText().empty());
}

void LprQueueDialog::OnOK()
{
    const std::string queueName = m_queueNameEdit.GetWindowText();
    const std::string filter = m_filterLetterEdit.GetWindowText();
    const std::string userName = m_userNameEdit.GetWindowText();
    const std::string personalName = m_personalNameEdit.GetWindowText();
    if (const std::optional<LprRefusal> refusal = LprQueueRefusal({queueName, filter, userName, personalName})) {
        AfxMessageBox(refusal->messageId, MB_OK);
        // In the order of LprField.
        EditControl* const fields[] = {&m_queueNameEdit, &m_filterLetterEdit, &m_userNameEdit, &m_personalNameEdit};
        fields[static_cast<int>(refusal->field)]->SetFocus();
        return;
    }
    if (!m_queue) {
        if (!m_queueListHead) {   // no list was given to add to: nothing can change
            HelpDialog::OnCancel();
            return;
        }
        m_queue = new LprQueue{};
        m_queue->next = *m_queueListHead;
        *m_queueListHead = m_queue;
    }
    StoreFieldText(m_queue->queueName, queueName);
    StoreFieldText(m_queue->filter, filter);
    StoreFieldText(m_queue->userName, userName);
    StoreFieldText(m_queue->personalName, personalName);
    HelpDialog::OnOK();
}
