// SPDX-License-Identifier: GPL-2.0-or-later
#include "platform/profile_file.h"

#include "platform/file_fault.h"
#include "platform/file_keeping.h"
#include "platform/lock_holder.h"
#include "platform/system_directory.h"
#include "platform/trusted_links.h"
#include "platform/wait_presenter.h"

#include <algorithm>
#include <cerrno>
#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <thread>
#include <unistd.h>

namespace {

using namespace std::chrono_literals;

constexpr std::chrono::milliseconds kDefaultPatience = 10s;
// Shorter waits go unnoticed; longer ones the host shows.
constexpr std::chrono::milliseconds kNoticeableWait = 500ms;

std::chrono::milliseconds g_patience{0};

std::chrono::milliseconds Patience()
{
    return g_patience.count() > 0 ? g_patience : kDefaultPatience;
}

constexpr int kOpenFlags = O_NOFOLLOW | O_NONBLOCK | O_CLOEXEC | O_NOCTTY;

// A new lock file, made like `target` (owner for root, group, mode, access control lists) so that
// whoever may write `target` may also lock it. Best effort: where these cannot be given (a file
// system without them), a read-only descriptor still takes the lock. -1 with errno set when it
// exists already or cannot be made.
int CreateLockFile(const std::string& lockPath, const std::string& target)
{
    struct stat model {};
    const bool hasModel = stat(target.c_str(), &model) == 0 && S_ISREG(model.st_mode);
    const int fd = open(lockPath.c_str(), O_RDWR | O_CREAT | O_EXCL | kOpenFlags, 0666);
    if (fd < 0 || !hasModel)
        return fd;
    [[maybe_unused]] const int chowned = fchown(fd, geteuid() == 0 ? model.st_uid : static_cast<uid_t>(-1), model.st_gid);
    [[maybe_unused]] const int chmodded = fchmod(fd, model.st_mode & 0666);
    // A user that an access control list lets write `target` may lock it too.
    [[maybe_unused]] const int copied = CopyExtendedAttributes(target, fd);
    return fd;
}

// The lock file opened for locking: for writing where we may, else for reading, which flock
// accepts as well. Never a link, never anything but a regular file; nothing of it is changed.
FileFailure OpenLockFile(const std::string& lockPath, const std::string& target, int& fd)
{
    const auto notRegular = [&lockPath] { return RefusedFile(lockPath, EINVAL, FileProblem::NotRegularFile); };
    struct stat st {};
    const bool exists = lstat(lockPath.c_str(), &st) == 0;
    if (exists && !S_ISREG(st.st_mode))
        return notRegular();
    if (InjectedFileFault(FileStep::OpenLock))
        return RefusedFile(lockPath, errno);
    fd = exists ? -1 : CreateLockFile(lockPath, target);
    if (fd < 0 && (exists || errno == EEXIST))
        fd = open(lockPath.c_str(), O_RDWR | kOpenFlags);
    if (fd < 0 && (errno == EACCES || errno == EPERM || errno == EROFS))
        fd = open(lockPath.c_str(), O_RDONLY | kOpenFlags);
    if (fd < 0)
        return errno == ELOOP ? notRegular() : RefusedFile(lockPath, errno);
    // It may have been swapped since it was looked at.
    if (fstat(fd, &st) != 0 || !S_ISREG(st.st_mode)) {
        close(fd);
        fd = -1;
        return notRegular();
    }
    return {};
}

// Tells the wait presenter once a wait gets long, and again when it ends.
class WaitNotice {
public:
    ~WaitNotice()
    {
        if (m_shown)
            PresentWait(WaitPhase::Ended);
    }

    void Waited(std::chrono::steady_clock::duration waited)
    {
        if (!m_shown && waited >= kNoticeableWait) {
            m_shown = true;
            PresentWait(WaitPhase::Started);
        }
    }

private:
    bool m_shown = false;
};

}   // namespace

void SetLockPatienceForTesting(std::chrono::milliseconds patience)
{
    g_patience = patience;
}

ProfileLock::~ProfileLock()
{
    if (m_fd >= 0)
        close(m_fd);   // closing the last descriptor releases the lock
}

FileFailure ProfileLock::Acquire(const std::string& target)
{
    const std::string dir = DirectoryOf(target);
    if (access(dir.c_str(), F_OK) != 0) {
        if (int error = CreateSystemDirectoryFor(dir))
            return RefusedFile(dir, error);
    }
    if (int error = CheckWritable(dir))
        return RefusedFile(dir, error);
    const std::string lockPath = PathFor(target);
    if (FileFailure failure = OpenLockFile(lockPath, target, m_fd))
        return failure;
    if (InjectedFileFault(FileStep::Lock))
        return RefusedFile(lockPath, errno);

    const auto start = std::chrono::steady_clock::now();
    WaitNotice notice;
    auto pause = 2ms;
    while (flock(m_fd, LOCK_EX | LOCK_NB) != 0) {
        if (errno == EINTR)
            continue;
        if (errno != EWOULDBLOCK)
            return RefusedFile(lockPath, errno);
        const auto waited = std::chrono::steady_clock::now() - start;
        if (waited >= Patience()) {
            FileFailure failure = RefusedFile(target, EWOULDBLOCK, FileProblem::LockHeld);
            failure.holder = LockHolder(m_fd);
            return failure;
        }
        notice.Waited(waited);
        std::this_thread::sleep_for(pause);
        pause = std::min(pause * 2, std::chrono::milliseconds(50));
    }
    return {};
}
