// SPDX-License-Identifier: GPL-2.0-or-later
#include "platform/profile_file.h"

#include "platform/file_fault.h"
#include "platform/file_keeping.h"
#include "platform/trusted_links.h"

#include <cerrno>
#include <dirent.h>
#include <fcntl.h>
#include <random>
#include <sys/stat.h>
#include <unistd.h>
#include <vector>

namespace {

std::string BaseNameOf(const std::string& path)
{
    const size_t slash = path.rfind('/');
    return slash == std::string::npos ? path : path.substr(slash + 1);
}

std::string SiblingPath(const std::string& target, const char* suffix)
{
    std::string sibling = DirectoryOf(target);
    if (sibling == "/")
        sibling.clear();
    sibling.append("/.").append(BaseNameOf(target)).append(suffix);
    return sibling;
}

FileIdentity IdentityOf(const struct stat& st)
{
    return {st.st_dev, st.st_ino, st.st_size, static_cast<int64_t>(st.st_mtim.tv_sec), static_cast<int64_t>(st.st_mtim.tv_nsec)};
}

// Unreadable when `st` is anything but a regular file.
FileFailure RegularFileOnly(const std::string& path, const struct stat& st)
{
    if (S_ISREG(st.st_mode))
        return {};
    if (S_ISDIR(st.st_mode))
        return RefusedFile(path, EISDIR);
    return RefusedFile(path, EINVAL, FileProblem::NotRegularFile);
}

bool IsMissing(int error)
{
    return error == ENOENT || error == ENOTDIR;
}

int WriteAll(int fd, const std::string& bytes)
{
    size_t done = 0;
    while (done < bytes.size()) {
        if (InjectedFileFault(FileStep::Write))
            return errno;
        const ssize_t n = write(fd, bytes.data() + done, bytes.size() - done);
        if (n < 0) {
            if (errno == EINTR)
                continue;
            return errno;
        }
        done += static_cast<size_t>(n);
    }
    return 0;
}

void RemoveLeftoverTemporaries(const std::string& target)
{
    const std::string dir = DirectoryOf(target);
    const std::string sibling = SiblingPath(target, ".tmp-");
    const std::string prefix = sibling.substr(sibling.rfind('/') + 1);
    DIR* d = opendir(dir.c_str());
    if (!d)
        return;
    std::vector<std::string> leftovers;
    while (const dirent* entry = readdir(d)) {
        if (std::string_view(entry->d_name).starts_with(prefix))
            leftovers.emplace_back(entry->d_name);
    }
    for (const std::string& name : leftovers)
        unlinkat(dirfd(d), name.c_str(), 0);
    closedir(d);
}

int SyncDirectory(const std::string& dir)
{
    if (InjectedFileFault(FileStep::SyncDirectory))
        return errno;
    const int fd = open(dir.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd < 0)
        return errno;
    const int result = fsync(fd) == 0 ? 0 : errno;
    close(fd);
    return result;
}

// Creates a new temporary file beside `target` with `mode` (less the umask), exclusively, under a
// name no other writer uses. The descriptor, or -1 with errno set.
int CreateTemporary(const std::string& target, mode_t mode, std::string& temporary)
{
    static constexpr char kLetters[] = "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789";
    static std::mt19937 random{std::random_device{}()};
    for (int attempt = 0; attempt < 100; ++attempt) {
        std::string suffix = ".tmp-";
        for (int i = 0; i < 6; ++i)
            suffix += kLetters[random() % (sizeof kLetters - 1)];
        temporary = SiblingPath(target, suffix.c_str());
        const int fd = open(temporary.c_str(), O_RDWR | O_CREAT | O_EXCL | O_CLOEXEC, mode);
        if (fd >= 0 || errno != EEXIST)
            return fd;
    }
    errno = EEXIST;
    return -1;
}

// File systems that store no permissions (vfat, some FUSE ones) refuse every chmod; what they show
// is then all the mode there is, and the old file showed the same.
int SetMode(int fd, mode_t mode)
{
    if (InjectedFileFault(FileStep::Chmod))
        return errno;
    if (fchmod(fd, mode) == 0)
        return 0;
    const int error = errno;
    struct stat st {};
    const bool unsupported = error == EPERM || error == ENOSYS || error == ENOTSUP || error == EOPNOTSUPP;
    return unsupported && fstat(fd, &st) == 0 && (st.st_mode & 07777) == mode ? 0 : error;
}

// Writes the temporary file completely and durably, and gives it what the old file had; returns 0
// or an errno.
int FillTemporary(int fd, const std::string& bytes, const std::string& target, const struct stat* old)
{
    if (int error = WriteAll(fd, bytes))
        return error;
    if (InjectedFileFault(FileStep::Sync) || fsync(fd) != 0)
        return errno;
    if (!old)
        return 0;   // created with its mode
    if (geteuid() == 0) {
        // Root editing someone else's file must not take it over; failing here changes nothing.
        [[maybe_unused]] const int ignored = fchown(fd, old->st_uid, old->st_gid);
    }
    // After the owner, which may clear the set-id bits; before the access control list, which
    // would otherwise take its mask from the mode.
    if (int error = SetMode(fd, old->st_mode & 07777))
        return error;
    return CopyExtendedAttributes(target, fd);
}

bool WithoutHardLinks(int error)
{
    return error == EPERM || error == ENOTSUP || error == EOPNOTSUPP || error == ENOSYS || error == EMLINK;
}

// Keeps the old version of `target` reachable as `backup` until the directory is known to hold the
// new one: a second name where the file system allows it, else a copy.
int KeepOldVersion(const std::string& target, const std::string& backup)
{
    unlink(backup.c_str());
    if (InjectedFileFault(FileStep::Link) == 0 && link(target.c_str(), backup.c_str()) == 0)
        return 0;
    const int error = errno;
    return WithoutHardLinks(error) ? CopyFileBytes(target, backup) : error;
}

} // namespace

// Writable for us, and not marked read-only: root passes every access check, but a file or folder
// that nobody may write is a user's decision that a configuration editor should respect.
int CheckWritable(const std::string& path)
{
    struct stat st {};
    if (stat(path.c_str(), &st) != 0)
        return errno;
    if (access(path.c_str(), W_OK) != 0)
        return errno;
    return (st.st_mode & 0222) == 0 ? EACCES : 0;
}

std::string ProfileLock::PathFor(const std::string& target)
{
    return SiblingPath(target, ".lock");
}

FileState StatProfileFile(const std::string& path, FileIdentity& identity, FileFailure& failure)
{
    failure = {};
    struct stat st {};
    if (lstat(path.c_str(), &st) != 0) {
        if (IsMissing(errno))
            return FileState::Missing;
        failure = RefusedFile(path, errno);
        return FileState::Unreadable;
    }
    if (S_ISLNK(st.st_mode)) {
        std::string target;
        if ((failure = ResolveTrustedLinks(path, target)))
            return FileState::Unreadable;
        if (stat(target.c_str(), &st) != 0) {
            if (IsMissing(errno))
                return FileState::Missing;
            failure = RefusedFile(path, errno);
            return FileState::Unreadable;
        }
    }
    if ((failure = RegularFileOnly(path, st)))
        return FileState::Unreadable;
    identity = IdentityOf(st);
    return FileState::Regular;
}

FileSnapshot ReadProfileFile(const std::string& path)
{
    FileSnapshot snapshot;
    // Non-blocking, so that a FIFO where the file should be cannot hang the program. A link is
    // opened only once it is known to be trusted.
    constexpr int kFlags = O_RDONLY | O_CLOEXEC | O_NONBLOCK | O_NOFOLLOW | O_NOCTTY;
    int fd = open(path.c_str(), kFlags);
    if (fd < 0 && errno == ELOOP) {
        std::string target;
        if ((snapshot.failure = ResolveTrustedLinks(path, target))) {
            snapshot.state = FileState::Unreadable;
            return snapshot;
        }
        fd = open(target.c_str(), kFlags);
    }
    if (fd < 0) {
        if (IsMissing(errno))
            return snapshot;
        snapshot.failure = RefusedFile(path, errno);
        snapshot.state = FileState::Unreadable;
        return snapshot;
    }
    struct stat st {};
    if (fstat(fd, &st) != 0)
        snapshot.failure = RefusedFile(path, errno);
    else
        snapshot.failure = RegularFileOnly(path, st);
    if (snapshot.failure) {
        snapshot.state = FileState::Unreadable;
        close(fd);
        return snapshot;
    }
    snapshot.identity = IdentityOf(st);
    snapshot.bytes.reserve(static_cast<size_t>(st.st_size));
    char buffer[65536];
    for (;;) {
        const ssize_t n = read(fd, buffer, sizeof buffer);
        if (n == 0)
            break;
        if (n < 0) {
            if (errno == EINTR)
                continue;
            snapshot.failure = RefusedFile(path, errno);
            snapshot.state = FileState::Unreadable;
            snapshot.bytes.clear();
            close(fd);
            return snapshot;
        }
        snapshot.bytes.append(buffer, static_cast<size_t>(n));
    }
    close(fd);
    snapshot.state = FileState::Regular;
    return snapshot;
}

FileFailure ReplaceProfileFile(const std::string& target, const std::string& bytes)
{
    const auto refused = [&target](int error) { return RefusedFile(target, error); };
    struct stat old {};
    const bool exists = lstat(target.c_str(), &old) == 0;
    if (exists) {
        if (FileFailure failure = RegularFileOnly(target, old))
            return failure;
        if (int error = CheckWritable(target))
            return refused(error);
    }
    RemoveLeftoverTemporaries(target);

    std::string temporary;
    if (InjectedFileFault(FileStep::CreateTemp))
        return refused(errno);
    // Private until it has the old file's permissions; a new file is made as any program makes one.
    const int fd = CreateTemporary(target, exists ? 0600 : 0666, temporary);
    if (fd < 0)
        return refused(errno);
    int error = FillTemporary(fd, bytes, target, exists ? &old : nullptr);
    close(fd);

    std::string backup;
    if (error == 0 && exists) {
        backup = SiblingPath(target, ".tmp-old");
        error = KeepOldVersion(target, backup);
        if (error != 0)
            backup.clear();
    }
    if (error == 0 && (InjectedFileFault(FileStep::Rename) || rename(temporary.c_str(), target.c_str()) != 0))
        error = errno;
    if (error != 0) {
        unlink(temporary.c_str());
        if (!backup.empty())
            unlink(backup.c_str());
        return refused(error);
    }
    if (int syncError = SyncDirectory(DirectoryOf(target))) {
        if (!backup.empty())
            rename(backup.c_str(), target.c_str());
        else
            unlink(target.c_str());
        return refused(syncError);
    }
    if (!backup.empty())
        unlink(backup.c_str());
    return {};
}
