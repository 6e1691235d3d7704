// SPDX-License-Identifier: GPL-2.0-or-later
#include "platform/lock_holder.h"

#include <cstdio>
#include <memory>
#include <sys/stat.h>
#include <sys/sysmacros.h>

int64_t LockHolder(int fd)
{
    struct stat st {};
    if (fstat(fd, &st) != 0)
        return 0;
    std::unique_ptr<std::FILE, int (*)(std::FILE*)> locks(std::fopen("/proc/locks", "re"), &std::fclose);
    if (!locks)
        return 0;
    // Lines read "1: FLOCK  ADVISORY  WRITE 1234 08:01:5678 0 EOF"; waiters are marked "->" and
    // skipped. Stacked file systems may show the device of the layer below: a lone match of the
    // inode then still tells.
    int64_t exact = 0;
    int64_t byInode = 0;
    int inodeMatches = 0;
    char line[256];
    while (std::fgets(line, sizeof line, locks.get())) {
        long long pid = 0;
        unsigned major = 0;
        unsigned minor = 0;
        unsigned long long inode = 0;
        if (std::sscanf(line, "%*d: %*[A-Z] %*s %*s %lld %x:%x:%llu", &pid, &major, &minor, &inode) != 4)
            continue;
        if (inode != st.st_ino)
            continue;
        if (major == ::major(st.st_dev) && minor == ::minor(st.st_dev))
            exact = pid;
        byInode = pid;
        ++inodeMatches;
    }
    if (exact != 0)
        return exact;
    return inodeMatches == 1 ? byInode : 0;
}
