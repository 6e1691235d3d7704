// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once
// The seam under the dialog services: everything that needs a screen, a user or a help viewer.
// Hosts: the scripted host of the tests, the Qt Widgets host, later a terminal host.
#include <cstdint>
#include <string>

#include "ui/base/win_defs.h"

class CDialog;

class Host {
public:
    virtual ~Host() = default;

    // Runs `dialog` modally. The dialog's live windows exist when this is called (combo boxes are
    // filled during initialisation). The host calls dialog.InitDialog() exactly once, before any
    // input, then delivers the user's input through the entry points of user_input.h until
    // dialog.IsEnded(), and returns. Runs nest: a handler may open another dialog, whose run
    // happens inside this one. A host that cannot go on (no more input) returns without the dialog
    // having ended; DoModal then answers -1.
    virtual void RunModal(CDialog& dialog) = 0;

    // Shows a message box and returns the answer: IDOK for MB_OK; IDYES or IDNO for MB_YESNO; IDYES,
    // IDNO or IDCANCEL for MB_YESNOCANCEL, where closing the box otherwise answers IDCANCEL.
    virtual int MessageBox(const std::string& text, const std::string& caption, UINT type) = 0;
    // MB_ICONEXCLAMATION (0x30) or the simple beep (0xFFFFFFFF).
    virtual void MessageBeep(UINT type) = 0;

    // The client rectangle of the desktop, in screen pixels.
    virtual Rect DesktopRect() = 0;
    // Converts a rectangle in dialog units to pixels of the dialog's client area, with the
    // dialog font's base units (the platform's MapDialogRect).
    virtual Rect MapDialogRect(const CDialog& dialog, const Rect& dialogUnits) = 0;
    // The dialog's window rectangle (frame included) and the screen position of its client area's
    // top-left corner, in screen pixels. Valid from the start of the run until it ends.
    virtual Rect DialogWindowRect(const CDialog& dialog) = 0;
    virtual Point DialogClientOrigin(const CDialog& dialog) = 0;
    // Moves and sizes the dialog's window (frame included) to `windowRect`, in screen pixels.
    virtual void MoveDialog(CDialog& dialog, const Rect& windowRect, bool repaint) = 0;

    // Help viewer. Shows topic `contextId` as a popup by `window` (a control, or a dialog's frame).
    virtual void ShowHelpPopup(HWND window, uint32_t contextId) = 0;
    // Offers a one-item "What's This?" menu at the cursor for `window`; true when it was chosen.
    virtual bool TrackWhatsThisMenu(HWND window) = 0;
    // Opens the help window at topic `contextId`.
    virtual void OpenHelpWindow(uint32_t contextId) = 0;
    // Opens the help window at the overview topic of the dialog of template `templateId` (what
    // the Help button of every dialog does).
    virtual void OpenHelpOverview(uint32_t templateId) = 0;
    // Closes the help window, if one is open.
    virtual void QuitHelp() = 0;
};

// The host that dialogs run on; null until one is installed.
Host* CurrentHost();

// Installs a host for its own lifetime and puts the previous one back afterwards.
class HostScope {
public:
    explicit HostScope(Host& host);
    ~HostScope();
    HostScope(const HostScope&) = delete;
    HostScope& operator=(const HostScope&) = delete;

private:
    Host* m_previous;
};
