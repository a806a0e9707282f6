#pragma once

#include <cstddef>
#include <sys/stat.h>
#include <sys/types.h>

// The file-system calls that read and save the record, one wrapper each, so
// that a test can end the process or fail the call at any one of them.
// Plain POSIX: the record service links this too.
namespace sys {

// Runs before every wrapped call with the call's name. Returns 0 to let the
// call run, or an errno value to fail it with that error instead.
using Hook = int (*)(const char* call);
void setHook(Hook hook);

int openat(int dir, const char* name, int flags, mode_t mode = 0);
// Reads from the start until size bytes or the end of the file; -1 on error.
ssize_t readAll(int fd, char* buffer, std::size_t size);
// Writes every byte from offset 0, or fails; a write that makes no progress
// is a disk error.
int writeAll(int fd, const char* data, std::size_t size);
// Reads size bytes from offset, or fewer at the end of the file; -1 on error.
ssize_t readAt(int fd, char* buffer, std::size_t size, off_t offset);
// Writes every byte at offset, or fails.
int writeAt(int fd, const char* data, std::size_t size, off_t offset);
int ftruncate(int fd, off_t size);
int fsync(int fd);
// The descriptor is released even when closing reports an error.
int close(int fd);
int fstat(int fd, struct stat* st);
int fstatat(int dir, const char* name, struct stat* st, int flags);
int unlinkat(int dir, const char* name, int flags);
int mkdirat(int dir, const char* name, mode_t mode);
int flock(int fd, int operation);
int fchown(int fd, uid_t owner, gid_t group);
int fchmod(int fd, mode_t mode);
// Swaps the two names atomically: each then names the other's file.
int exchange(int dir, const char* a, const char* b);
// Gives the file a new name in the folder, replacing what had it.
int renameat(int dir, const char* from, const char* to);

} // namespace sys
