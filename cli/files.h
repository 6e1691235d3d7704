// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once
// Reading files, and failures to read or write one as one line naming the file and the reason.
#include "cli/exit_status.h"
#include "config/save_failure.h"

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

// A file named on the command line that cannot be read; `error` is an errno value.
[[nodiscard]] Failure ReadFailure(std::string_view path, uint32_t error);
// kqnet.ini (or the lock file, the folder...) refused a read or a save, named with the reason in the
// dialogs' words.
[[nodiscard]] Failure ProfileReadFailure(const SaveFailure& why);
[[nodiscard]] Failure ProfileWriteFailure(const SaveFailure& why);
// What the platform last refused about `path`, as a SaveFailure (a text too long when no call failed).
[[nodiscard]] SaveFailure LastRefusal(const char* path);
// "<file>: <reason>", in the dialogs' words.
[[nodiscard]] std::string DescribeFile(const FileFailure& failure);
// Memory for the configuration ran out while kqnet.ini was read or changed.
[[nodiscard]] Failure OutOfMemory(bool writing);
// kqnet.ini cannot even be named.
[[nodiscard]] Failure NoSystemDirectory(bool writing);

// The whole content of the file; nullopt with `error` (an errno value) when it cannot be read,
// also when it is a directory. A missing file gives nullopt with ENOENT.
[[nodiscard]] std::optional<std::string> ReadFileContents(const std::string& path, int& error);

// False, with `error`, when the file exists but cannot be opened for reading: the profile functions
// read such a file as empty, which a command that shows it must not do.
[[nodiscard]] bool ReadableOrMissing(const std::string& path, int& error);
