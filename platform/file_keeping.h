// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once
// What a replacement of a file keeps of the old one beyond its bytes, owner and mode.
#include <string>

// Copies every extended attribute of `from` (a file, not a link) to the open file `to`, access
// control lists (system.posix_acl_access) included. An attribute that `to` already holds with the
// same value (a label the system gave it) needs no copy. 0, or the errno of the copy that failed;
// a file system without extended attributes has nothing to copy.
[[nodiscard]] int CopyExtendedAttributes(const std::string& from, int to);

// Makes `copy` (which must not exist) a private copy of the bytes of `from`, for file systems that
// cannot keep a second name of it. 0 or an errno; on failure no copy remains.
[[nodiscard]] int CopyFileBytes(const std::string& from, const std::string& copy);
