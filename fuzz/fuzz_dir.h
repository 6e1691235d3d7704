// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once
// A private system directory for one fuzzing process, on a memory file system where there is one
// (flushing to disk on every input would slow the search a hundredfold). Removed when the process ends.
#include <string>

const std::string& FuzzSystemDir();
std::string FuzzProfilePath();
