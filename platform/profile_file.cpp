#include "platform/profile_file.h"

#include "platform/file_fault.h"
#include "platform/system_directory.h"

#include <cerrno>
#include <cstdlib>
#include <dirent.h>
#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>
#include <vector>

namespace {

std::string DirectoryOf(const std::string& path)
{
    const size_t slash = path.rfind('/');
    if (slash == std::string::npos)
        return ".";
    return slash == 0 ? "/" : path.substr(0, slash);
}

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

// Writes the temporary file completely and durably; returns 0 or an errno.
int FillTemporary(int fd, const std::string& bytes, const struct stat* old)
{
    if (int error = WriteAll(fd, bytes))
        return error;
    if (InjectedFileFault(FileStep::Sync) || fsync(fd) != 0)
        return errno;
    if (InjectedFileFault(FileStep::Chmod) || fchmod(fd, old ? (old->st_mode & 07777) : 0644) != 0)
        return errno;
    if (old && geteuid() == 0) {
        // Root editing someone else's file must not take it over; failing here changes nothing.
        [[maybe_unused]] const int ignored = fchown(fd, old->st_uid, old->st_gid);
    }
    return 0;
}

} // namespace

FileState StatProfileFile(const std::string& path, FileIdentity& identity, int& error)
{
    struct stat st {};
    if (stat(path.c_str(), &st) != 0) {
        error = errno;
        return (errno == ENOENT || errno == ENOTDIR) ? FileState::Missing : FileState::Unreadable;
    }
    if (!S_ISREG(st.st_mode)) {
        error = S_ISDIR(st.st_mode) ? EISDIR : EINVAL;
        return FileState::Unreadable;
    }
    identity = IdentityOf(st);
    return FileState::Regular;
}

FileSnapshot ReadProfileFile(const std::string& path)
{
    FileSnapshot snapshot;
    // Non-blocking, so that a FIFO where the file should be cannot hang the program.
    const int fd = open(path.c_str(), O_RDONLY | O_CLOEXEC | O_NONBLOCK);
    if (fd < 0) {
        snapshot.error = errno;
        snapshot.state = (errno == ENOENT || errno == ENOTDIR) ? FileState::Missing : FileState::Unreadable;
        return snapshot;
    }
    struct stat st {};
    if (fstat(fd, &st) != 0 || !S_ISREG(st.st_mode)) {
        snapshot.error = S_ISDIR(st.st_mode) ? EISDIR : EINVAL;
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
            snapshot.error = errno;
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

int ResolveProfileTarget(const std::string& path, std::string& target)
{
    std::string current = path;
    for (int hops = 0; hops < 40; ++hops) {
        struct stat st {};
        if (lstat(current.c_str(), &st) != 0) {
            if (errno != ENOENT)
                return errno;
            target = current;
            return 0;
        }
        if (!S_ISLNK(st.st_mode)) {
            target = current;
            return 0;
        }
        std::vector<char> link(static_cast<size_t>(st.st_size > 0 ? st.st_size : 4096) + 1);
        const ssize_t n = readlink(current.c_str(), link.data(), link.size() - 1);
        if (n < 0)
            return errno;
        std::string next(link.data(), static_cast<size_t>(n));
        current = next.starts_with('/') ? next : DirectoryOf(current) + "/" + next;
    }
    return ELOOP;
}

ProfileLock::~ProfileLock()
{
    if (m_fd >= 0)
        close(m_fd); // closing the last descriptor releases the lock
}

int ProfileLock::Acquire(const std::string& target)
{
    const std::string dir = DirectoryOf(target);
    if (access(dir.c_str(), F_OK) != 0) {
        if (int error = CreateSystemDirectoryFor(dir))
            return error;
    }
    if (int error = CheckWritable(dir))
        return error;
    if (InjectedFileFault(FileStep::OpenLock))
        return errno;
    m_fd = open(SiblingPath(target, ".lock").c_str(), O_RDWR | O_CREAT | O_CLOEXEC, 0644);
    if (m_fd < 0)
        return errno;
    if (InjectedFileFault(FileStep::Lock))
        return errno;
    while (flock(m_fd, LOCK_EX) != 0) {
        if (errno != EINTR)
            return errno;
    }
    return 0;
}

int ReplaceProfileFile(const std::string& target, const std::string& bytes)
{
    struct stat old {};
    const bool exists = stat(target.c_str(), &old) == 0;
    if (exists) {
        if (int error = CheckWritable(target))
            return error;
    }
    RemoveLeftoverTemporaries(target);

    std::string temporary = SiblingPath(target, ".tmp-XXXXXX");
    if (InjectedFileFault(FileStep::CreateTemp))
        return errno;
    const int fd = mkostemp(temporary.data(), O_CLOEXEC);
    if (fd < 0)
        return errno;
    int error = FillTemporary(fd, bytes, exists ? &old : nullptr);
    close(fd);

    // The old version stays reachable under a second name until the directory is known to hold the
    // new one, so that a failure after the rename can still put it back.
    std::string backup;
    if (error == 0 && exists) {
        backup = SiblingPath(target, ".tmp-old");
        unlink(backup.c_str());
        if (link(target.c_str(), backup.c_str()) != 0)
            error = errno;
    }
    if (error == 0 && (InjectedFileFault(FileStep::Rename) || rename(temporary.c_str(), target.c_str()) != 0))
        error = errno;
    if (error != 0) {
        unlink(temporary.c_str());
        if (!backup.empty())
            unlink(backup.c_str());
        return error;
    }
    if (int syncError = SyncDirectory(DirectoryOf(target))) {
        if (!backup.empty())
            rename(backup.c_str(), target.c_str());
        else
            unlink(target.c_str());
        return syncError;
    }
    if (!backup.empty())
        unlink(backup.c_str());
    return 0;
}
