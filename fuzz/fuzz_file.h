// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once
// Whole-file reads and writes for the fuzz targets.
#include <string>

std::string ReadWholeFile(const std::string& path);
// Puts `bytes` at `path` as a new file (written beside it, then renamed), the way another program
// replaces it; the profile layer must notice it changed.
void ReplaceWholeFile(const std::string& path, const std::string& bytes);
// Files beside kqnet.ini that only a writer in progress should have.
bool HasTemporaries(const std::string& directory);
// Aborts when `condition` is false: the fuzzer reports the input that got there.
void Check(bool condition);
