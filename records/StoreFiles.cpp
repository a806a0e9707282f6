#include "StoreFiles.h"

#include <algorithm>

namespace records {

namespace files {

void fail(const std::string& name, int error)
{
    throw StoreError(name, error);
}

struct stat statOf(const Fd& fd, const char* name)
{
    struct stat st;
    if (sys::fstat(fd.get(), &st) != 0)
        fail(name);
    return st;
}

bool sameFile(const struct stat& a, const struct stat& b)
{
    return a.st_dev == b.st_dev && a.st_ino == b.st_ino;
}

bool checkRegular(int dir, const char* name, bool follow)
{
    struct stat st;
    if (sys::fstatat(dir, name, &st, follow ? 0 : AT_SYMLINK_NOFOLLOW) == 0) {
        if (!S_ISREG(st.st_mode))
            fail(name, NotRegularError);
        return true;
    }
    if (errno != ENOENT)
        fail(name);
    return false;
}

Fd openRegular(int dir, const char* name, int flags, mode_t mode)
{
    Fd fd(sys::openat(dir, name, flags | Careful, mode));
    if (fd.get() < 0)
        fail(name);
    if (!S_ISREG(statOf(fd, name).st_mode))
        fail(name, NotRegularError);
    return fd;
}

std::string readText(int dir, const char* name, std::size_t limit, int flags, struct stat* seen)
{
    if (!checkRegular(dir, name, !(flags & O_NOFOLLOW)))
        return {};
    Fd fd(sys::openat(dir, name, O_RDONLY | flags | Careful));
    if (fd.get() < 0 && errno == ENOENT)
        return {};
    if (fd.get() < 0)
        fail(name);
    const struct stat st = statOf(fd, name);
    if (!S_ISREG(st.st_mode))
        fail(name, NotRegularError);
    if (seen)
        *seen = st;
    // Sized by the file: a reader that retries must not fill megabytes.
    std::string bytes(std::min(limit, std::size_t(st.st_size) + 1), '\0');
    const ssize_t n = sys::readAll(fd.get(), bytes.data(), bytes.size());
    if (n < 0)
        fail(name);
    fd.close(name);
    bytes.resize(std::size_t(n));
    return bytes;
}

void rewrite(const Fd& fd, const std::string& bytes, const char* name)
{
    if (sys::writeAll(fd.get(), bytes.data(), bytes.size()) != 0 ||
        sys::ftruncate(fd.get(), off_t(bytes.size())) != 0 || sys::fsync(fd.get()) != 0)
        fail(name);
}

} // namespace files

StoreError::StoreError(std::string n, int e) : name(std::move(n)), cause(causeOf(e)), error(e) {}

} // namespace records
