#include "RecordStore.h"

#include "NameFile.h"
#include "ResultsLog.h"
#include "StoreFiles.h"

#include <algorithm>
#include <cerrno>
#include <chrono>
#include <cstring>
#include <fcntl.h>
#include <sys/file.h>
#include <thread>
#include <unistd.h>
#include <utility>

namespace records {

using namespace files;

namespace {

constexpr const char* Names[] = {ScoreName, HolderName, names::Name};
constexpr int Parts = 3;
// A reader gives up when the journal changes under it this many times in a
// row, a millisecond apart: far longer than any save takes.
constexpr int ReadAttempts = 2000;
constexpr std::size_t MaxJournal = Parts * journal::MaxPart + 100;

} // namespace

// The three record files and the journal, checked and open for writing
// before the journal commits a save: a file that cannot be written stops the
// save while the old pair is still whole. Each must be one regular file with
// one link: writing through a second name would write another file, or one
// of them over another.
class RecordStore::Files {
public:
    Files(int dir, bool shared)
    {
        for (const char* name : Names)
            checkRegular(dir, name, !shared);
        checkRegular(dir, journal::Name, false);
        for (int i = 0; i < Parts; ++i)
            fds[i] = openRegular(dir, Names[i], O_WRONLY | O_CREAT | (shared ? O_NOFOLLOW : 0));
        journal = openRegular(dir, journal::Name, O_WRONLY | O_NOFOLLOW | O_CREAT);
        const Fd* all[] = {&fds[0], &fds[1], &fds[2], &journal};
        const char* names[] = {ScoreName, HolderName, names::Name, journal::Name};
        struct stat st[Parts + 1];
        for (int i = 0; i <= Parts; ++i) {
            st[i] = statOf(*all[i], names[i]);
            if (st[i].st_nlink != 1)
                fail(names[i], LinkedError);
            for (int j = 0; j < i; ++j) {
                if (sameFile(st[i], st[j]))
                    fail(names[i], LinkedError);
            }
        }
    }
    Fd fds[Parts];
    Fd journal;
};

RecordStore::RecordStore(const std::string& folder, Mode mode) : m_shared(mode == Mode::Shared)
{
    m_dir = sys::openat(AT_FDCWD, folder.c_str(), O_RDONLY | O_DIRECTORY | noFollow());
    if (m_dir < 0)
        fail("");
}

RecordStore::~RecordStore()
{
    for (int fd : {m_lock, m_dir}) {
        if (fd >= 0)
            sys::close(fd); // releases the lock
    }
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
    return readText(AT_FDCWD, path.c_str(), MaxRead, 0);
}

std::string RecordStore::readLines(const std::string& path, std::size_t limit)
{
    Fd fd = openRegular(AT_FDCWD, path.c_str(), O_RDONLY | O_NOFOLLOW);
    const struct stat st = statOf(fd, path.c_str());
    if (st.st_nlink != 1)
        fail(path, LinkedError);
    const std::size_t size = std::size_t(st.st_size);
    const std::size_t from = size > limit ? size - limit : 0;
    std::string bytes(size - from, '\0');
    const ssize_t n = sys::readAt(fd.get(), bytes.data(), bytes.size(), off_t(from));
    if (n < 0)
        fail(path);
    bytes.resize(std::size_t(n));
    if (from > 0) // the first line read is cut
        bytes.erase(0, std::min(bytes.size(), bytes.find('\n') + 1));
    return bytes;
}

void RecordStore::lock(int timeoutMs)
{
    if (m_lock < 0) {
        // Nobody else may open it: an open file is all that flock needs, so
        // a lock that another account could open is one it could hold for ever.
        Fd fd = openRegular(m_dir, LockName, O_RDWR | O_CREAT | O_NOFOLLOW, 0600);
        const struct stat st = statOf(fd, LockName);
        if ((st.st_mode & 077) != 0 && st.st_uid == geteuid() && sys::fchmod(fd.get(), 0600) != 0)
            fail(LockName);
        m_lock = fd.release();
    }
    // Non-blocking tries, so that a copy stuck in a save cannot hang this one.
    const auto deadline = std::chrono::steady_clock::now() + std::chrono::milliseconds(timeoutMs);
    while (sys::flock(m_lock, LOCK_EX | LOCK_NB) != 0) {
        if (errno != EWOULDBLOCK)
            fail(LockName);
        if (std::chrono::steady_clock::now() >= deadline)
            fail("", EWOULDBLOCK);
        std::this_thread::sleep_for(std::chrono::milliseconds(5));
    }
}

int RecordStore::noFollow() const
{
    return m_shared ? O_NOFOLLOW : 0;
}

void RecordStore::close()
{
    for (int* fd : {&m_lock, &m_dir}) {
        const int open = std::exchange(*fd, -1);
        if (open >= 0 && sys::close(open) != 0)
            fail(fd == &m_lock ? LockName : "");
    }
}

void RecordStore::syncFolder()
{
    if (sys::fsync(m_dir) != 0)
        fail("");
}

std::string RecordStore::readJournal() const
{
    // Only this program writes the journal: a link in its place is refused.
    return readText(m_dir, journal::Name, MaxJournal, O_NOFOLLOW);
}

bool RecordStore::recover()
{
    const auto pair = journal::decode(readJournal());
    if (!pair)
        return false; // at rest, or cut short before the save began on the files
    Files files(m_dir, m_shared);
    apply(files, *pair);
    return true;
}

Pair RecordStore::read(bool create)
{
    bool exists[Parts];
    for (int i = 0; i < Parts; ++i)
        exists[i] = checkRegular(m_dir, Names[i], !m_shared);
    for (int i = 0; i < Parts; ++i) {
        if (!exists[i] && create && !m_shared)
            openRegular(m_dir, Names[i], O_WRONLY | O_CREAT).close(Names[i]);
    }
    // The journal is the sequence: a save changes it before it touches the
    // files and again after, with a mark never used before.
    for (int attempt = 1;; ++attempt) {
        const std::string before = readJournal();
        if (auto whole = journal::decode(before))
            return *whole;
        Pair pair{readText(m_dir, ScoreName, MaxRead, noFollow()),
                  readText(m_dir, HolderName, MaxRead, noFollow()),
                  readText(m_dir, names::Name, MaxRead, noFollow())};
        if (readJournal() == before)
            return pair;
        if (attempt == ReadAttempts)
            fail("", EWOULDBLOCK);
        std::this_thread::sleep_for(std::chrono::milliseconds(1));
    }
}

void RecordStore::save(const Pair& pair)
{
    if (pair.score.size() > journal::MaxPart || pair.holder.size() > journal::MaxPart ||
        pair.name.size() > journal::MaxPart)
        fail("", EFBIG);
    Files files(m_dir, m_shared);
    try {
        rewrite(files.journal, journal::encode(pair), journal::Name);
        syncFolder();
    } catch (const StoreError&) {
        // Not committed: the old pair stays. The first error is the one to
        // tell; a journal torn here is not whole and counts for nothing.
        try {
            rewrite(files.journal, journal::restMark(), journal::Name);
        } catch (const StoreError&) {
        }
        throw;
    }
    apply(files, pair);
}

// From here on the journal is whole on disk: whatever stops this, the next
// recover() writes the same pair again.
void RecordStore::apply(Files& files, const Pair& pair)
{
    const std::string* parts[] = {&pair.score, &pair.holder, &pair.name};
    for (int i = 0; i < Parts; ++i)
        rewrite(files.fds[i], *parts[i], Names[i]);
    rewrite(files.journal, journal::restMark(), journal::Name);
    for (int i = 0; i < Parts; ++i)
        files.fds[i].close(Names[i]);
    files.journal.close(journal::Name);
}

void RecordStore::restore(const char* name, int mode, gid_t group)
{
    struct stat st;
    bool exists = sys::fstatat(m_dir, name, &st, AT_SYMLINK_NOFOLLOW) == 0;
    if (!exists && errno != ENOENT)
        fail(name);
    if (exists && S_ISDIR(st.st_mode))
        fail(name, NotRegularError); // never emptied by a reset
    if (exists && (!S_ISREG(st.st_mode) || st.st_nlink != 1)) {
        // A link, a second name, a pipe: only the name goes, never what it
        // points to.
        if (sys::unlinkat(m_dir, name, 0) != 0)
            fail(name);
        exists = false;
    }
    Fd fd = exists ? openRegular(m_dir, name, O_RDONLY | O_NOFOLLOW)
                   : openRegular(m_dir, name, O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW, 0);
    struct stat folder;
    if (sys::fstat(m_dir, &folder) != 0)
        fail("");
    if (statOf(fd, name).st_nlink != 1)
        fail(name, LinkedError);
    if (sys::fchown(fd.get(), folder.st_uid, group == gid_t(-1) ? folder.st_gid : group) != 0 ||
        sys::fchmod(fd.get(), mode_t(mode)) != 0)
        fail(name);
    fd.close(name);
}

void RecordStore::reset(gid_t readers)
{
    restore(LockName, 0600);
    lock();
    for (const char* name : {ScoreName, HolderName, names::Name, journal::Name})
        restore(name, 0644);
    const int logMode = readers == gid_t(-1) ? 0644 : 0640;
    restore(results::Scratch, logMode, readers);
    // A log deleted by its administrator stays deleted: no results are kept.
    struct stat st;
    if (sys::fstatat(m_dir, results::Name, &st, AT_SYMLINK_NOFOLLOW) == 0 || errno != ENOENT)
        restore(results::Name, logMode, readers);
    save({});
}

} // namespace records
