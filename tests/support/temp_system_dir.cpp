// SPDX-License-Identifier: GPL-2.0-or-later
#include "tests/support/temp_system_dir.h"

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <stdexcept>

TempSystemDir::TempSystemDir()
{
    std::string pattern = (std::filesystem::temp_directory_path() / "norvane-test-XXXXXX").string();
    if (!mkdtemp(pattern.data()))
        throw std::runtime_error("cannot create a temporary system directory");
    m_path = pattern;
    if (const char* previous = std::getenv("NORVANE_SYSTEM_DIR")) {
        m_hadPrevious = true;
        m_previous = previous;
    }
    setenv("NORVANE_SYSTEM_DIR", m_path.c_str(), 1);
}

TempSystemDir::~TempSystemDir()
{
    if (m_hadPrevious)
        setenv("NORVANE_SYSTEM_DIR", m_previous.c_str(), 1);
    else
        unsetenv("NORVANE_SYSTEM_DIR");
    std::error_code ignored;
    // Tests make folders read-only to provoke refused writes; give them back before removing.
    for (auto& entry : std::filesystem::recursive_directory_iterator(m_path, ignored))
        std::filesystem::permissions(entry.path(), std::filesystem::perms::owner_all,
                                     std::filesystem::perm_options::add, ignored);
    std::filesystem::permissions(m_path, std::filesystem::perms::owner_all, std::filesystem::perm_options::add, ignored);
    std::filesystem::remove_all(m_path, ignored);
}

std::string ReadFileBytes(const std::string& path)
{
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

void WriteFileBytes(const std::string& path, const std::string& bytes)
{
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
}
