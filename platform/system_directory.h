// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once
#include <string>

// Creates `directory` and its missing parents with mode 0700 when it is the system directory;
// any other missing directory is left alone. Returns 0 or the errno of the step that failed.
int CreateSystemDirectoryFor(const std::string& directory);
