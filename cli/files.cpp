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

std::string Reason(uint32_t error, uint32_t withoutError)
{
    return error != 0 ? std::strerror(static_cast<int>(error)) : RuleMessage(withoutError);
}

} // namespace

std::string ProfilePathForMessages()
{
    char path[kProfilePathSize];
    return GetProfilePath(path) ? path : "kqnet.ini";
}

Failure ReadFailure(std::string_view path, uint32_t error)
{
    return {ExitStatus::FileFailure, Text(CliText::CannotRead, {path, Reason(error, IDS_SAVE_NO_SYSTEM_DIRECTORY)})};
}

Failure WriteFailure(std::string_view path, uint32_t error)
{
    return {ExitStatus::FileFailure, Text(CliText::CannotWrite, {path, Reason(error, IDS_SAVE_LINE_TOO_LONG)})};
}

Failure NoSystemDirectory(bool writing)
{
    const std::string reason = RuleMessage(IDS_SAVE_NO_SYSTEM_DIRECTORY);
    return {ExitStatus::FileFailure, Text(writing ? CliText::CannotWrite : CliText::CannotRead, {"kqnet.ini", reason})};
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
