// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once
// Which files of the system directory Norvane may trust: another local user must not be able to
// point them elsewhere, nor put code there for Norvane to run.
#include "platform/file_failure.h"

#include <string>
#include <sys/stat.h>

// Whether `st` belongs to the user running Norvane or to root.
[[nodiscard]] bool OwnedByUserOrRoot(const struct stat& st);

// Follows the symbolic links of `path` itself (not those of its folders), each one only when it
// belongs to the user running Norvane or to root: the rule the kernel applies to links in sticky
// folders, applied everywhere, since a folder shared by a group is not covered by it. `target` is
// the file the links lead to (`path` when it is no link; it may be missing). The failure names the
// link refused (UntrustedLink, EACCES) or the path that loops (ELOOP).
[[nodiscard]] FileFailure ResolveTrustedLinks(const std::string& path, std::string& target);

// The folder part of `path` ("." when it has none).
[[nodiscard]] std::string DirectoryOf(const std::string& path);
