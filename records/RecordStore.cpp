#include "RecordStore.h"

#include "SysCalls.h"

#include <cerrno>
#include <chrono>
#include <fcntl.h>
#include <sys/file.h>
#include <thread>
#include <unistd.h>

namespace records {

namespace {

constexpr const char* Names[] = {ScoreName, HolderName};
// O_NONBLOCK: should a pipe take a record file's place between the check and
// the open, opening it must not wait for a writer.
constexpr int Careful = O_NONBLOCK | O_NOCTTY;

[[noreturn]] void fail(const std::string& name, int error = errno)
{
    throw StoreError(name, error);
}

bool isRegular(const struct stat& st)
{
    return S_ISREG(st.st_mode);
}

// Throws unless the name is missing or a regular file (or, with follow, a
// link to one); returns whether it exists.
bool checkRegular(int dir, const char* name, bool follow = true)
{
    struct stat st;
    if (sys::fstatat(dir, name, &st, follow ? 0 : AT_SYMLINK_NOFOLLOW) == 0) {
        if (!isRegular(st))
            fail(name, NotRegularError);
        return true;
    }
    if (errno != ENOENT)
        fail(name);
    return false;
}

int openRegular(int dir, const char* name, int flags)
{
    const int fd = sys::openat(dir, name, flags | Careful, 0666);
    if (fd < 0)
        fail(name);
    struct stat st;
    const int error = sys::fstat(fd, &st) != 0 ? errno : isRegular(st) ? 0 : NotRegularError;
    if (error != 0) {
        sys::close(fd);
        fail(name, error);
    }
    return fd;
}

void closeChecked(int fd, const std::string& name)
{
    if (sys::close(fd) != 0)
        fail(name);
}

std::string readAt(int dir, const char* name, std::size_t limit, int flags = 0)
{
    const int fd = openRegular(dir, name, O_RDONLY | flags);
    std::string bytes(limit, '\0');
    const ssize_t n = sys::readAll(fd, bytes.data(), limit);
    if (n < 0) {
        const int error = errno;
        sys::close(fd);
        fail(name, error);
    }
    closeChecked(fd, name);
    bytes.resize(std::size_t(n));
    return bytes;
}

} // namespace

Cause causeOf(int error)
{
    switch (error) {
    case ENOSPC:
    case EDQUOT:
    case EFBIG:
        return Cause::DiskFull;
    case EACCES:
        return Cause::NoPermission;
    case EROFS:
    case EPERM:
        return Cause::ReadOnly;
    case EIO:
        return Cause::DiskError;
    case EWOULDBLOCK:
        return Cause::Busy;
    case NotRegularError:
    case ENOTDIR:
    case ELOOP:
        return Cause::NotRegular;
    default:
        return Cause::Other;
    }
}

StoreError::StoreError(std::string n, int e) : name(std::move(n)), cause(causeOf(e)), error(e) {}

// The two record files, checked and open for writing before the journal
// commits the save: a file that cannot be written stops the save while the
// old pair is still whole.
class RecordStore::Files {
public:
    Files(int dir, bool shared)
    {
        for (const char* name : Names)
            checkRegular(dir, name, !shared);
        for (int i = 0; i < 2; ++i)
            fds[i] = openRegular(dir, Names[i], O_WRONLY | (shared ? O_NOFOLLOW : O_CREAT));
    }
    ~Files()
    {
        for (int fd : fds) {
            if (fd >= 0)
                sys::close(fd);
        }
    }
    int fds[2] = {-1, -1};
};

RecordStore::RecordStore(const std::string& folder, Mode mode) : m_shared(mode == Mode::Shared)
{
    m_dir = sys::openat(AT_FDCWD, folder.c_str(), O_RDONLY | O_DIRECTORY | noFollow());
    if (m_dir < 0)
        fail("");
}

RecordStore::~RecordStore()
{
    if (m_dir >= 0)
        sys::close(m_dir); // releases the lock
}

void RecordStore::makeFolders(const std::string& path)
{
    for (std::size_t end = path.find('/', 1);; end = path.find('/', end + 1)) {
        const std::string part = path.substr(0, end);
        if (!part.empty() && sys::mkdirat(AT_FDCWD, part.c_str(), 0777) != 0 && errno != EEXIST)
            fail("");
        if (end == std::string::npos)
            break;
    }
    struct stat st;
    if (sys::fstatat(AT_FDCWD, path.c_str(), &st, 0) != 0)
        fail("");
    if (!S_ISDIR(st.st_mode))
        fail("", ENOTDIR);
}

std::string RecordStore::readFile(const std::string& path)
{
    if (!checkRegular(AT_FDCWD, path.c_str()))
        fail(path, ENOENT);
    return readAt(AT_FDCWD, path.c_str(), MaxRead);
}

void RecordStore::lock(int timeoutMs)
{
    // Non-blocking tries, so that a copy stuck in a save cannot hang this one.
    const auto deadline = std::chrono::steady_clock::now() + std::chrono::milliseconds(timeoutMs);
    while (sys::flock(m_dir, LOCK_EX | LOCK_NB) != 0) {
        if (errno != EWOULDBLOCK || std::chrono::steady_clock::now() >= deadline)
            fail("");
        std::this_thread::sleep_for(std::chrono::milliseconds(20));
    }
}

int RecordStore::noFollow() const
{
    return m_shared ? O_NOFOLLOW : 0;
}

// The journal is done with: removed, or in the shared folder, where the
// writer must not make files of its own, emptied.
void RecordStore::clearJournal()
{
    if (m_shared) {
        const int fd = openRegular(m_dir, journal::Name, O_WRONLY | O_NOFOLLOW);
        if (sys::ftruncate(fd, 0) != 0 || sys::fsync(fd) != 0) {
            const int error = errno;
            sys::close(fd);
            fail(journal::Name, error);
        }
        closeChecked(fd, journal::Name);
        return;
    }
    if (sys::unlinkat(m_dir, journal::Name, 0) != 0)
        fail("");
    syncFolder();
}

void RecordStore::close()
{
    const int dir = m_dir;
    m_dir = -1;
    closeChecked(dir, "");
}

void RecordStore::syncFolder()
{
    if (sys::fsync(m_dir) != 0)
        fail("");
}

bool RecordStore::recover()
{
    // Only this program makes the journal: a link in its place is refused.
    if (!checkRegular(m_dir, journal::Name, false))
        return false;
    const std::string bytes = readAt(m_dir, journal::Name, 2 * journal::MaxPart + 100, O_NOFOLLOW);
    if (m_shared && bytes.empty())
        return false; // the shared journal at rest
    const auto pair = journal::decode(bytes);
    if (!pair) {
        // Cut short before it was whole: the save never began on the files.
        clearJournal();
        return false;
    }
    Files files(m_dir, m_shared);
    apply(files, *pair);
    return true;
}

Pair RecordStore::read(bool create)
{
    bool exists[2];
    for (int i = 0; i < 2; ++i)
        exists[i] = checkRegular(m_dir, Names[i], !m_shared);
    Pair pair;
    std::string* texts[] = {&pair.score, &pair.holder};
    for (int i = 0; i < 2; ++i) {
        if (!exists[i] && create)
            closeChecked(openRegular(m_dir, Names[i], O_WRONLY | O_CREAT | noFollow()), Names[i]);
        if (exists[i])
            *texts[i] = readAt(m_dir, Names[i], MaxRead, noFollow());
    }
    return pair;
}

void RecordStore::save(const Pair& pair)
{
    if (pair.score.size() > journal::MaxPart || pair.holder.size() > journal::MaxPart)
        fail("", EFBIG);
    Files files(m_dir, m_shared);
    const std::string bytes = journal::encode(pair);
    const int fd = m_shared ? openRegular(m_dir, journal::Name, O_WRONLY | O_NOFOLLOW)
                            : sys::openat(m_dir, journal::Name,
                                          O_WRONLY | O_CREAT | O_TRUNC | O_NOFOLLOW, 0666);
    if (fd < 0)
        fail("");
    try {
        if (sys::writeAll(fd, bytes.data(), bytes.size()) != 0 ||
            sys::ftruncate(fd, off_t(bytes.size())) != 0 || sys::fsync(fd) != 0) {
            const int error = errno;
            sys::close(fd);
            fail("", error);
        }
        closeChecked(fd, "");
        syncFolder();
    } catch (const StoreError&) {
        // Not committed: the old pair stays, and so must nothing else.
        try {
            clearJournal();
        } catch (const StoreError&) {
            // The first error is the one to tell; a torn journal is dropped
            // at the next start anyway.
        }
        throw;
    }
    apply(files, pair);
}

// From here on the journal is on disk: whatever stops this, the next
// recover() writes the same pair again.
void RecordStore::apply(Files& files, const Pair& pair)
{
    const std::string* texts[] = {&pair.score, &pair.holder};
    for (int i = 0; i < 2; ++i) {
        const std::string& text = *texts[i];
        if (sys::writeAll(files.fds[i], text.data(), text.size()) != 0 ||
            sys::ftruncate(files.fds[i], off_t(text.size())) != 0 || sys::fsync(files.fds[i]) != 0)
            fail(Names[i]);
    }
    for (int i = 0; i < 2; ++i) {
        const int fd = files.fds[i];
        files.fds[i] = -1;
        closeChecked(fd, Names[i]);
    }
    clearJournal();
}

} // namespace records
