// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once
// Runs the Global Options dialog on the scripted host in a system directory of its own, with a
// fake network component that records what it is told.
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "tests/support/fake_network_component.h"
#include "tests/support/scripted_host.h"
#include "tests/support/temp_system_dir.h"

class GlobalOptionsTest : public testing::Test {
protected:
    // Opens the dialog, plays `actions` and answers what DoModal answered.
    int Run(std::vector<ScriptAction> actions);
    void Store(const std::string& ini) { WriteFileBytes(m_dir.iniPath(), ini); }
    // The stored value of a key, or "<absent>".
    std::string Stored(const char* section, const char* key) const;
    bool FileExists() const;

    TempSystemDir m_dir;
    ScriptedHost m_host;
    FakeNetworkComponent m_component;
};

// The mask controls at a glance: the selected radio button, the nine boxes from owner read down
// to world execute, and whether the twelve controls of the specified mask are enabled, e.g.
// "parent 111101000 disabled".
std::string MaskControls(CDialog& dialog);
