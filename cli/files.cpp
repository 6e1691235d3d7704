// SPDX-License-Identifier: GPL-2.0-or-later
#include "cli/files.h"

#include "cli/cli_text.h"
#include "config/server_file.h"
#include "res/resource_ids.h"

#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

std::string Reason(const SaveFailure& why)
{
    const FailureReason reason = ReasonOf(why);
    return reason.stringId != 0 ? TableText(reason.stringId, {reason.argument}) : std::strerror(reason.error);
}

} // namespace

std::string DescribeFile(const FileFailure& failure)
{
    return TableText(IDS_FILE_AND_REASON, {failure.path, Reason({SaveProblem::File, failure})});
}

Failure ReadFailure(std::string_view path, uint32_t error)
{
    return {ExitStatus::FileFailure, Text(CliText::CannotRead, {path, std::strerror(static_cast<int>(error))})};
}

Failure ProfileReadFailure(const SaveFailure& why)
{
    return {ExitStatus::FileFailure, Text(CliText::CannotRead, {SaveFailureFile(why), Reason(why)})};
}

Failure ProfileWriteFailure(const SaveFailure& why)
{
    return {ExitStatus::FileFailure, Text(CliText::CannotWrite, {SaveFailureFile(why), Reason(why)})};
}

SaveFailure LastRefusal(const char* path)
{
    SaveFailure why;
    (void)SaveRefused(&why, path, SaveProblem::TextTooLong);
    return why;
}

Failure OutOfMemory(bool writing)
{
    char path[kProfilePathSize];
    const SaveFailure why{SaveProblem::File, RefusedFile(GetProfilePath(path) ? path : "kqnet.ini", ENOMEM)};
    return writing ? ProfileWriteFailure(why) : ProfileReadFailure(why);
}

Failure NoSystemDirectory(bool writing)
{
    const SaveFailure why{SaveProblem::NoSystemDirectory, {}};
    return writing ? ProfileWriteFailure(why) : ProfileReadFailure(why);
}

std::optional<std::string> ReadFileContents(const std::string& path, int& error)
{
    const int fd = open(path.c_str(), O_RDONLY | O_CLOEXEC);
    if (fd < 0) {
        error = errno;
        return std::nullopt;
    }
    std::string bytes;
    struct stat status {};
    if (fstat(fd, &status) != 0 || S_ISDIR(status.st_mode)) {
        error = S_ISDIR(status.st_mode) ? EISDIR : errno;
        close(fd);
        return std::nullopt;
    }
    char buffer[65536];
    for (;;) {
        const ssize_t n = read(fd, buffer, sizeof buffer);
        if (n < 0 && errno == EINTR)
            continue;
        if (n < 0) {
            error = errno;
            close(fd);
            return std::nullopt;
        }
        if (n == 0)
            break;
        bytes.append(buffer, static_cast<size_t>(n));
    }
    close(fd);
    return bytes;
}

bool ReadableOrMissing(const std::string& path, int& error)
{
    const int fd = open(path.c_str(), O_RDONLY | O_CLOEXEC);
    if (fd < 0) {
        error = errno;
        return errno == ENOENT;
    }
    // A folder opens, but does not read.
    char byte = 0;
    const bool readable = read(fd, &byte, 1) >= 0;
    error = readable ? 0 : errno;
    close(fd);
    return readable;
}
