#pragma once
// Reading files, and failures to read or write one as one line naming the file and the reason.
#include "cli/exit_status.h"

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

// The path of kqnet.ini, or "kqnet.ini" when there is no system directory.
[[nodiscard]] std::string ProfilePathForMessages();

// `error` is an errno value; 0 for a write that no system call refused (a key or line too long to
// store), or for no system directory at all.
[[nodiscard]] Failure ReadFailure(std::string_view path, uint32_t error);
[[nodiscard]] Failure WriteFailure(std::string_view path, uint32_t error);
// kqnet.ini cannot even be named.
[[nodiscard]] Failure NoSystemDirectory(bool writing);

// The whole content of the file; nullopt with `error` (an errno value) when it cannot be read,
// also when it is a directory. A missing file gives nullopt with ENOENT.
[[nodiscard]] std::optional<std::string> ReadFileContents(const std::string& path, int& error);

// False, with `error`, when the file exists but cannot be opened for reading: the profile functions
// read such a file as empty, which a command that shows it must not do.
[[nodiscard]] bool ReadableOrMissing(const std::string& path, int& error);
