// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once
// A dialog's system menu: the items a dialog appends to the platform's own (move, close, ...).
// A host shows them in its window menu and reports a choice with UserSystemCommand.
#include <string>
#include <string_view>
#include <vector>

#include "ui/base/win_defs.h"

class CDialog;

struct MenuItem {
    UINT flags;        // MF_STRING or MF_SEPARATOR
    UINT id;           // the WM_SYSCOMMAND command; 0 for a separator
    std::string text;
};

class SystemMenu {
public:
    explicit SystemMenu(CDialog& dialog) : m_dialog(dialog) {}

    // Appends an item; true on success (always, while the dialog's window exists).
    bool AppendMenuA(UINT flags, UINT id, std::string_view text);
    const std::vector<MenuItem>& items() const { return m_items; }
    void Clear() { m_items.clear(); }

private:
    CDialog& m_dialog;
    std::vector<MenuItem> m_items;
};
