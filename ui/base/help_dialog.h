// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once
// The base of every dialog of the program: context help for each control (F1, the caption's
// "What's This?" button, a right click), centring on the desktop, and the help context ids
// (template id in the high word, control id in the low word; OK, Cancel and Help are their own).
#include <cstdint>
#include <deque>

#include "ui/base/dialog.h"

class HelpDialog : public CDialog {
public:
    HelpDialog(uint32_t templateId, CDialog* parent);
    HelpDialog(const DialogTemplate& dialogTemplate, CDialog* parent);
    ~HelpDialog() override;

    static const MessageMap& ThisMessageMap();

    // Every descendant window as it stood at initialisation, the last enumerated at the front.
    const std::deque<HWND>& childWindows() const { return m_childWindows; }

    // Places the dialog horizontally centred on the desktop and one third down, with the
    // quotients truncated toward zero (a dialog larger than the desktop gets a negative position).
    virtual void CenterDialog();
    // The help context of `control` in a dialog of template `templateId`. A control without a
    // usable id (below 1, or 65535) stands for the next control in tab order that has one; when
    // none has, its own id stands. Fills words 0 and 1 of HelpIdPairs.
    virtual uint32_t ComputeHelpContext(uint32_t templateId, HWND control);

    // The step applied to every descendant at initialisation; lParam is the HelpDialog. Records
    // the window and subclasses controls with a positive id, other than a combo box's edit field.
    static BOOL RecordChildWindow(HWND window, LPARAM dialog);

protected:
    // Centres, decides the caption's help button, records and subclasses the children. Derived
    // dialogs call it first; it returns 1.
    BOOL OnInitDialog() override;
    const MessageMap& GetMessageMap() const override { return ThisMessageMap(); }

    // WM_HELP: lParam is the address of a HELPINFO. Returns 1.
    LRESULT OnHelpMessage(WPARAM wParam, LPARAM lParam);
    // WM_CONTEXTMENU: wParam is the window clicked, lParam the cursor (x low, y high word). A click
    // on the dialog's surface picks the narrowest visible recorded window under the cursor.
    // Returns 0.
    LRESULT OnContextMenuMessage(WPARAM wParam, LPARAM lParam);

private:
    uint32_t m_templateId;
    std::deque<HWND> m_childWindows;
};

// The help context for control id `controlId` in a dialog of template `templateId`.
uint32_t HelpContextId(uint32_t templateId, int32_t controlId);

// True for the edit field (id 1001, class "Edit") inside a window whose class begins "ComboBox".
bool IsComboBoxEdit(int32_t id, HWND window);

// The pair list handed to the help viewer: word 0 the control id, word 1 its context id, words 2
// and 3 the terminating pair. Process-wide, rewritten by every help request.
extern uint32_t HelpIdPairs[4];
