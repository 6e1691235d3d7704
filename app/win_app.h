// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once
// The application object of a dialog-based program: one per process, reachable through AfxGetApp,
// started by AfxWinMain. A derived class does its work in InitInstance.
#include <string>

#include "ui/base/win_defs.h"

class CDialog;

class CWinApp {
public:
    // `appName` null takes the application title from string 57344.
    explicit CWinApp(const char* appName = nullptr);
    virtual ~CWinApp();
    CWinApp(const CWinApp&) = delete;
    CWinApp& operator=(const CWinApp&) = delete;

    // The program's start-up. FALSE means there is nothing left to run: the program ends.
    virtual BOOL InitInstance() { return TRUE; }
    // The program's last step; its result is the exit status.
    virtual int ExitInstance() { return 0; }

    const std::string& appName() const { return m_appName; }

    // The main window while it runs; dialogs opened without a parent are owned by it.
    CDialog* m_pMainWnd = nullptr;

private:
    std::string m_appName;
};

// The application object of the process, or null when none exists.
CWinApp* AfxGetApp();

// Runs the application object's start-up and returns the exit status. A dialog-based program has
// no message loop of its own: its main window ran to its end inside InitInstance, so whatever
// InitInstance answers, the program ends with ExitInstance(). -1 when there is no application object.
int AfxWinMain();
