// SPDX-License-Identifier: GPL-2.0-or-later
#include "platform/file_keeping.h"

#include <algorithm>
#include <cerrno>
#include <fcntl.h>
#include <string_view>
#include <sys/xattr.h>
#include <unistd.h>
#include <vector>

namespace {

bool Unsupported(int error)
{
    return error == ENOTSUP || error == EOPNOTSUPP || error == ENOSYS;
}

// The names of `path`'s attributes, NUL-separated. An attribute added meanwhile makes the list
// grow (ERANGE): ask again.
int ListAttributes(const std::string& path, std::vector<char>& names)
{
    for (;;) {
        const ssize_t size = llistxattr(path.c_str(), nullptr, 0);
        if (size < 0)
            return errno;
        names.resize(static_cast<size_t>(size));
        const ssize_t got = size == 0 ? 0 : llistxattr(path.c_str(), names.data(), names.size());
        if (got >= 0) {
            names.resize(static_cast<size_t>(got));
            return 0;
        }
        if (errno != ERANGE)
            return errno;
    }
}

int ReadAttribute(const std::string& path, const char* name, std::vector<char>& value)
{
    for (;;) {
        const ssize_t size = lgetxattr(path.c_str(), name, nullptr, 0);
        if (size < 0)
            return errno;
        value.resize(static_cast<size_t>(size));
        const ssize_t got = size == 0 ? 0 : lgetxattr(path.c_str(), name, value.data(), value.size());
        if (got >= 0) {
            value.resize(static_cast<size_t>(got));
            return 0;
        }
        if (errno != ERANGE)
            return errno;
    }
}

bool HoldsAlready(int fd, const char* name, const std::vector<char>& value)
{
    std::vector<char> held(value.size() + 1);
    const ssize_t got = fgetxattr(fd, name, held.data(), held.size());
    return got == static_cast<ssize_t>(value.size()) && std::equal(value.begin(), value.end(), held.begin());
}

int WriteAll(int fd, const char* data, size_t size)
{
    while (size > 0) {
        const ssize_t n = write(fd, data, size);
        if (n < 0) {
            if (errno == EINTR)
                continue;
            return errno;
        }
        data += n;
        size -= static_cast<size_t>(n);
    }
    return 0;
}

int CopyOpenFile(int in, int out)
{
    char buffer[65536];
    for (;;) {
        const ssize_t n = read(in, buffer, sizeof buffer);
        if (n == 0)
            return 0;
        if (n < 0) {
            if (errno == EINTR)
                continue;
            return errno;
        }
        if (int error = WriteAll(out, buffer, static_cast<size_t>(n)))
            return error;
    }
}

}   // namespace

int CopyExtendedAttributes(const std::string& from, int to)
{
    std::vector<char> names;
    if (int error = ListAttributes(from, names))
        return Unsupported(error) ? 0 : error;
    std::vector<char> value;
    for (size_t at = 0; at < names.size();) {
        const char* name = names.data() + at;
        at += std::string_view(name).size() + 1;
        if (int error = ReadAttribute(from, name, value)) {
            if (error == ENODATA)
                continue;   // removed meanwhile
            return error;
        }
        if (fsetxattr(to, name, value.data(), value.size(), 0) != 0) {
            const int error = errno;
            if (!HoldsAlready(to, name, value))
                return error;
        }
    }
    return 0;
}

int CopyFileBytes(const std::string& from, const std::string& copy)
{
    const int in = open(from.c_str(), O_RDONLY | O_CLOEXEC | O_NOFOLLOW | O_NONBLOCK);
    if (in < 0)
        return errno;
    const int out = open(copy.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0600);
    if (out < 0) {
        const int error = errno;
        close(in);
        return error;
    }
    int error = CopyOpenFile(in, out);
    if (close(out) != 0 && error == 0)
        error = errno;
    close(in);
    if (error != 0)
        unlink(copy.c_str());
    return error;
}
