// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once
// What the main window's tests share: a system directory of their own, the scripted host, a
// kqnet.ini written from server lines, and readers for the window's list and buttons.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "tests/support/scripted_host.h"
#include "tests/support/temp_system_dir.h"
#include "ui/base/dialog.h"

class MainWindowTest : public ::testing::Test {
protected:
    // Writes a [ServerList] section holding `serverLines` ("name,1,1,0,0") and their count.
    void WriteServers(const std::vector<std::string>& serverLines);
    // The server names, in file order, that a load of kqnet.ini gives now.
    std::vector<std::string> SavedServerNames() const;

    TempSystemDir m_systemDir;
    ScriptedHost m_host;
};

// The rows of the server list box, top to bottom.
std::vector<std::string> Rows(CDialog& dialog);
// The selected row, or -1.
int SelectedRow(CDialog& dialog);
bool IsEnabled(CDialog& dialog, int id);
