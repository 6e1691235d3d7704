// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once
// The process-wide record of controls whose window procedure HelpDialog replaced, so that help
// requests reaching a control go to its own dialog, and the control can be unhooked when it is
// destroyed.
#include <cstddef>
#include <memory>
#include <unordered_map>

#include "ui/base/live_window.h"

class HelpDialog;

struct ChildSubclassRecord {
    HelpDialog* owner;      // the dialog whose initialisation subclassed the control
    WNDPROC previousProc;   // where every message not consumed goes on to
};

class ChildSubclassMap {
public:
    void Insert(HWND window, std::unique_ptr<ChildSubclassRecord> record);
    // Null when the window is not subclassed.
    ChildSubclassRecord* Find(HWND window) const;
    void Remove(HWND window);
    size_t size() const { return m_records.size(); }

private:
    std::unordered_map<HWND, std::unique_ptr<ChildSubclassRecord>> m_records;
};

// The one map of the process.
ChildSubclassMap& SubclassedChildren();

// The procedure installed on subclassed controls: WM_HELP goes to the owning dialog (never to the
// control); WM_NCDESTROY unhooks the control and drops its record; everything else goes on to the
// previous procedure. A window without a record answers 0.
LRESULT ChildHelpWndProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
