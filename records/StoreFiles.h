#pragma once

#include "RecordStore.h"
#include "SysCalls.h"

#include <cerrno>
#include <fcntl.h>
#include <string>
#include <sys/stat.h>
#include <utility>

// What the record store and the results log share of the file system: for
// their own files only, not part of the record's interface.
namespace records::files {

// O_NONBLOCK: should a pipe take a file's place between the check and the
// open, opening it must not wait for a writer.
inline constexpr int Careful = O_NONBLOCK | O_NOCTTY;

[[noreturn]] void fail(const std::string& name, int error = errno);

// A descriptor that is closed on every path, errors included.
class Fd {
public:
    explicit Fd(int fd = -1) : m_fd(fd) {}
    Fd(Fd&& other) noexcept : m_fd(std::exchange(other.m_fd, -1)) {}
    Fd& operator=(Fd&& other) noexcept
    {
        std::swap(m_fd, other.m_fd);
        return *this;
    }
    ~Fd()
    {
        if (m_fd >= 0)
            sys::close(m_fd);
    }
    int get() const { return m_fd; }
    int release() { return std::exchange(m_fd, -1); }
    // Closes now and tells of an error.
    void close(const std::string& name)
    {
        if (sys::close(std::exchange(m_fd, -1)) != 0)
            fail(name);
    }

private:
    int m_fd;
};

struct stat statOf(const Fd& fd, const char* name);
// Two names of one file: writing through one would write the other.
bool sameFile(const struct stat& a, const struct stat& b);
// Throws unless the name is missing or a regular file (or, with follow, a
// link to one); returns whether it exists.
bool checkRegular(int dir, const char* name, bool follow = true);
Fd openRegular(int dir, const char* name, int flags, mode_t mode = 0666);
// The first limit bytes of a regular file; a missing one reads as empty.
// Seen, when given, gets the status of the file read (left as it is for a
// missing one).
std::string readText(int dir, const char* name, std::size_t limit, int flags,
                     struct stat* seen = nullptr);
// Replaces the file's bytes with these, synced to disk.
void rewrite(const Fd& fd, const std::string& bytes, const char* name);

} // namespace records::files
