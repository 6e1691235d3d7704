#pragma once
// The disk side of profile files: reading one whole, telling whether it changed, and replacing it
// atomically under an advisory lock.
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
    int error = 0;              // errno when Unreadable
    FileIdentity identity;
    std::string bytes;
};

// The identity of the file at `path` (following links), or Missing / Unreadable.
FileState StatProfileFile(const std::string& path, FileIdentity& identity, int& error);
FileSnapshot ReadProfileFile(const std::string& path);

// The file a write must replace: `path` with symbolic links followed (the link stays a link).
// Returns 0 or an errno (ELOOP for a loop).
int ResolveProfileTarget(const std::string& path, std::string& target);

// Holds the advisory lock of a profile file (a lock file beside it) for its lifetime. The lock is
// released by the kernel if the holder dies, so a crashed writer never blocks the next one.
class ProfileLock {
public:
    ProfileLock() = default;
    ~ProfileLock();
    ProfileLock(const ProfileLock&) = delete;
    ProfileLock& operator=(const ProfileLock&) = delete;
    // 0 or the errno of the step that failed.
    [[nodiscard]] int Acquire(const std::string& target);

private:
    int m_fd = -1;
};

// Replaces `target` with `bytes`: a temporary file created exclusively beside it, written, flushed,
// given the old file's permissions (0644 for a new file), renamed over the target, and the directory
// flushed. On failure the old file is untouched and no temporary file remains. Temporary files left
// by a writer that died are removed first. The caller holds the lock. Returns 0 or an errno.
int ReplaceProfileFile(const std::string& target, const std::string& bytes);
