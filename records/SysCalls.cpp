#include "SysCalls.h"

#include <cerrno>
#include <cstdio>
#include <fcntl.h>
#include <sys/file.h>
#include <unistd.h>

namespace sys {

namespace {

Hook hook = nullptr;

// False, with errno set, when the hook fails this call.
bool allowed(const char* call)
{
    if (!hook)
        return true;
    const int error = hook(call);
    if (error == 0)
        return true;
    errno = error;
    return false;
}

} // namespace

void setHook(Hook h)
{
    hook = h;
}

int openat(int dir, const char* name, int flags, mode_t mode)
{
    if (!allowed("openat"))
        return -1;
    int fd;
    do
        fd = ::openat(dir, name, flags | O_CLOEXEC, mode);
    while (fd < 0 && errno == EINTR);
    return fd;
}

ssize_t readAll(int fd, char* buffer, std::size_t size)
{
    return readAt(fd, buffer, size, 0);
}

int writeAll(int fd, const char* data, std::size_t size)
{
    return writeAt(fd, data, size, 0);
}

ssize_t readAt(int fd, char* buffer, std::size_t size, off_t offset)
{
    std::size_t done = 0;
    while (done < size) {
        if (!allowed("pread"))
            return -1;
        const ssize_t n = ::pread(fd, buffer + done, size - done, offset + off_t(done));
        if (n < 0 && errno == EINTR)
            continue;
        if (n < 0)
            return -1;
        if (n == 0)
            break;
        done += std::size_t(n);
    }
    return ssize_t(done);
}

int writeAt(int fd, const char* data, std::size_t size, off_t offset)
{
    std::size_t done = 0;
    while (done < size) {
        if (!allowed("pwrite"))
            return -1;
        const ssize_t n = ::pwrite(fd, data + done, size - done, offset + off_t(done));
        if (n < 0 && errno == EINTR)
            continue;
        if (n < 0)
            return -1;
        if (n == 0) {
            errno = EIO;
            return -1;
        }
        done += std::size_t(n);
    }
    return 0;
}

int ftruncate(int fd, off_t size)
{
    return allowed("ftruncate") ? ::ftruncate(fd, size) : -1;
}

int fsync(int fd)
{
    return allowed("fsync") ? ::fsync(fd) : -1;
}

int close(int fd)
{
    const bool ok = allowed("close");
    const int saved = errno;
    const int result = ::close(fd);
    if (!ok) {
        errno = saved;
        return -1;
    }
    // Linux frees the descriptor even when close is interrupted.
    return result < 0 && errno == EINTR ? 0 : result;
}

int fstat(int fd, struct stat* st)
{
    return allowed("fstat") ? ::fstat(fd, st) : -1;
}

int fstatat(int dir, const char* name, struct stat* st, int flags)
{
    return allowed("fstatat") ? ::fstatat(dir, name, st, flags) : -1;
}

int unlinkat(int dir, const char* name, int flags)
{
    return allowed("unlinkat") ? ::unlinkat(dir, name, flags) : -1;
}

int mkdirat(int dir, const char* name, mode_t mode)
{
    return allowed("mkdirat") ? ::mkdirat(dir, name, mode) : -1;
}

int flock(int fd, int operation)
{
    if (!allowed("flock"))
        return -1;
    int result;
    do
        result = ::flock(fd, operation);
    while (result < 0 && errno == EINTR);
    return result;
}

int fchown(int fd, uid_t owner, gid_t group)
{
    return allowed("fchown") ? ::fchown(fd, owner, group) : -1;
}

int fchmod(int fd, mode_t mode)
{
    return allowed("fchmod") ? ::fchmod(fd, mode) : -1;
}

int exchange(int dir, const char* a, const char* b)
{
    return allowed("renameat2") ? ::renameat2(dir, a, dir, b, RENAME_EXCHANGE) : -1;
}

int renameat(int dir, const char* from, const char* to)
{
    return allowed("renameat") ? ::renameat(dir, from, dir, to) : -1;
}

} // namespace sys
