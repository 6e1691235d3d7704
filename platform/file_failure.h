// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once
// Why the platform refused something about a file, in enough detail for a message that names the
// file and the reason. The errno beside it is what GetLastError reports for the same refusal.
#include <cstdint>
#include <string>

enum class FileProblem {
    None,
    SystemError,       // a system call failed; `error` says why
    NotRegularFile,    // a directory's place, a pipe, a device, a socket, or a link where none may be
    UntrustedLink,     // a symbolic link that belongs to neither this user nor root
    LockHeld,          // another program kept the file's lock longer than a writer waits
    ForeignOwner,      // the file or folder belongs to neither this user nor root
    WritableByOthers,  // group or others may write the file or folder
};

struct FileFailure {
    FileProblem problem = FileProblem::None;
    int error = 0;           // errno
    std::string path;        // the file refused: kqnet.ini, its lock file, the registry file, ...
    int64_t holder = 0;      // LockHeld: the process holding the lock, 0 when the system does not tell

    explicit operator bool() const { return problem != FileProblem::None; }
};

// A refusal of kind `problem` on `path` (SystemError when `problem` is left out).
[[nodiscard]] FileFailure RefusedFile(std::string path, int error, FileProblem problem = FileProblem::SystemError);
