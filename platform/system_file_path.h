// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once
#include <string>

// The path of `name` in the system directory (GetSystemDirectoryA), or "" when there is none.
[[nodiscard]] std::string SystemFilePath(const char* name);
