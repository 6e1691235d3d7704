// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once
// Points NORVANE_SYSTEM_DIR at a fresh temporary folder for the lifetime of the object and removes
// the folder afterwards, restoring the variable as it was.
#include <string>

class TempSystemDir {
public:
    TempSystemDir();
    ~TempSystemDir();
    TempSystemDir(const TempSystemDir&) = delete;
    TempSystemDir& operator=(const TempSystemDir&) = delete;

    const std::string& path() const { return m_path; }
    std::string file(const std::string& name) const { return m_path + "/" + name; }
    std::string iniPath() const { return file("kqnet.ini"); }

private:
    std::string m_path;
    std::string m_previous;
    bool m_hadPrevious = false;
};

// Whole-file helpers for tests that compare bytes.
std::string ReadFileBytes(const std::string& path);
void WriteFileBytes(const std::string& path, const std::string& bytes);
