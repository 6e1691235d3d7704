// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once
// The disk side of profile files: reading one whole, telling whether it changed, and replacing it
// atomically under an advisory lock.
#include "platform/file_failure.h"

#include <chrono>
#include <cstdint>
#include <string>
#include <sys/types.h>

// What identifies one version of a file on disk: any replacement changes it.
struct FileIdentity {
    dev_t device = 0;
    ino_t inode = 0;
    off_t size = 0;
    int64_t mtimeSeconds = 0;
    int64_t mtimeNanoseconds = 0;
    bool operator==(const FileIdentity&) const = default;
};

enum class FileState { Missing, Regular, Unreadable };

struct FileSnapshot {
    FileState state = FileState::Missing;
    FileFailure failure;        // why, when Unreadable
    FileIdentity identity;
    std::string bytes;
};

// The identity of the file at `path`, or Missing / Unreadable. Symbolic links are followed only
// when they are trusted (trusted_links.h); anything but a regular file is Unreadable.
FileState StatProfileFile(const std::string& path, FileIdentity& identity, FileFailure& failure);
FileSnapshot ReadProfileFile(const std::string& path);

// Holds the advisory lock of a profile file (a lock file beside it) for its lifetime. The lock is
// released by the kernel if the holder dies, so a crashed writer never blocks the next one.
class ProfileLock {
public:
    ProfileLock() = default;
    ~ProfileLock();
    ProfileLock(const ProfileLock&) = delete;
    ProfileLock& operator=(const ProfileLock&) = delete;

    // Takes the lock of `target`, the file a write will replace. The lock file is only ever a
    // regular file (never a link, never truncated); a new one gets the mode and group of `target`,
    // and its owner too when root makes it, so that it never stops anyone who may write `target`.
    // Where it cannot be opened for writing it is locked through a read-only descriptor. Waits at
    // most the lock patience for another holder (telling the wait presenter after half a second),
    // then fails with LockHeld on `target`, naming the holder when the system tells it. Other
    // refusals name the lock file.
    [[nodiscard]] FileFailure Acquire(const std::string& target);

    // The lock file of `target`.
    static std::string PathFor(const std::string& target);

private:
    int m_fd = -1;
};

// How long a writer waits for another one's lock: ten seconds, unless a test sets another time
// (zero puts the ten seconds back).
void SetLockPatienceForTesting(std::chrono::milliseconds patience);

// 0 when we may write `path` and it is not marked read-only (no write bit at all), else an errno.
[[nodiscard]] int CheckWritable(const std::string& path);

// Replaces `target` with `bytes`: a temporary file created exclusively beside it, written, flushed,
// given the old file's owner, group, permissions, access control lists and other extended
// attributes (a new file gets 0666 less the umask), renamed over the target, and the directory
// flushed. Until the directory is flushed the old version is kept under a second name, a hard
// link, or a copy where the file system has no hard links, so that a failure can put it back. On
// failure the old file is untouched and no temporary file remains. Temporary files left by a writer
// that died are removed first. The caller holds the lock.
[[nodiscard]] FileFailure ReplaceProfileFile(const std::string& target, const std::string& bytes);
