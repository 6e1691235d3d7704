// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once
// What norvanectl's tests share: a system directory of their own, runs of the program in-process,
// and the files the tests compare against.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "tests/support/temp_system_dir.h"

struct CliRun {
    int status;
    std::string out;
    std::string err;
};

// norvanectl with `arguments` (after the program's name), `input` on its standard input.
CliRun RunCli(const std::vector<std::string>& arguments, const std::string& input = "");

// A file of tests/cli/golden (or, for the worked example, of the store's own golden files).
std::string CliGolden(const std::string& name);
// The path of a file of tests/cli.
std::string CliTestFile(const std::string& name);

class CliTest : public ::testing::Test {
protected:
    std::string Ini() const { return ReadFileBytes(m_dir.iniPath()); }
    void SetIni(const std::string& bytes) const { WriteFileBytes(m_dir.iniPath(), bytes); }

    TempSystemDir m_dir;
};
