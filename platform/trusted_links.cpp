// SPDX-License-Identifier: GPL-2.0-or-later
#include "platform/trusted_links.h"

#include <cerrno>
#include <unistd.h>
#include <vector>

namespace {
// As many links in a row as the kernel follows before it gives ELOOP.
constexpr int kMaxLinks = 40;
}

bool OwnedByUserOrRoot(const struct stat& st)
{
    return st.st_uid == 0 || st.st_uid == geteuid();
}

std::string DirectoryOf(const std::string& path)
{
    const size_t slash = path.rfind('/');
    if (slash == std::string::npos)
        return ".";
    return slash == 0 ? "/" : path.substr(0, slash);
}

FileFailure ResolveTrustedLinks(const std::string& path, std::string& target)
{
    std::string current = path;
    for (int hops = 0; hops < kMaxLinks; ++hops) {
        struct stat st {};
        if (lstat(current.c_str(), &st) != 0) {
            if (errno != ENOENT)
                return RefusedFile(current, errno);
            target = current;
            return {};
        }
        if (!S_ISLNK(st.st_mode)) {
            target = current;
            return {};
        }
        if (!OwnedByUserOrRoot(st))
            return RefusedFile(current, EACCES, FileProblem::UntrustedLink);
        std::vector<char> link(static_cast<size_t>(st.st_size > 0 ? st.st_size : 4096) + 1);
        const ssize_t n = readlink(current.c_str(), link.data(), link.size() - 1);
        if (n < 0)
            return RefusedFile(current, errno);
        std::string next(link.data(), static_cast<size_t>(n));
        current = next.starts_with('/') ? next : DirectoryOf(current) + "/" + next;
    }
    return RefusedFile(path, ELOOP);
}
