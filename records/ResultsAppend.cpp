// The class's results beside the record: one whole line appended under the
// record's lock, the log kept within its bound.
#include "RecordStore.h"

#include "Journal.h"
#include "NameFile.h"
#include "ResultsLog.h"
#include "StoreFiles.h"

#include <algorithm>
#include <cstring>

namespace records {

using namespace files;
using namespace results;

namespace {

// One file with one name, and never one of the record's own files.
void checkSingle(int dir, const struct stat& st)
{
    if (st.st_nlink != 1)
        fail(Name, LinkedError);
    for (const char* other : {ScoreName, HolderName, names::Name, journal::Name}) {
        struct stat o;
        if (sys::fstatat(dir, other, &o, AT_SYMLINK_NOFOLLOW) != 0) {
            if (errno != ENOENT)
                fail(other);
        } else if (sameFile(o, st)) {
            fail(Name, LinkedError);
        }
    }
}

// Where the log's whole lines end: a tail left by an append cut short is
// not one of them. A tail longer than any line the game writes is no such
// thing: it stays, and unended says that a line end must follow it.
std::size_t wholeLines(const Fd& log, std::size_t size, bool& unended)
{
    unended = false;
    if (size == 0)
        return 0;
    std::string tail(std::min<std::size_t>(size, 1 << 16), '\0');
    if (sys::readAt(log.get(), tail.data(), tail.size(), off_t(size - tail.size())) < 0)
        fail(Name);
    const std::size_t end = tail.rfind('\n');
    if (end != std::string::npos)
        return size - tail.size() + end + 1;
    unended = size > tail.size();
    return unended ? size : 0;
}

bool headedByOlderCopy(const Fd& log, std::size_t whole)
{
    std::string head(std::min<std::size_t>(whole, 256), '\0');
    if (sys::readAt(log.get(), head.data(), head.size(), 0) < 0)
        fail(Name);
    return olderHeader(head.substr(0, head.find('\n') + 1));
}

// The lines kept go into the scratch file, which then takes the log's name.
// A log grown by hand past any bound is read from its last MaxBytes only.
void rewriteWith(int dir, Fd& log, std::size_t whole, const std::string& line)
{
    const std::size_t from = whole > MaxBytes ? whole - MaxBytes : 0;
    std::string all(whole - from, '\0');
    if (sys::readAt(log.get(), all.data(), all.size(), off_t(from)) < 0)
        fail(Name);
    if (from > 0)
        all.erase(0, std::min(all.size(), all.find('\n') + 1));
    Fd scratch = openRegular(dir, Scratch, O_WRONLY | O_NOFOLLOW | O_CREAT);
    if (statOf(scratch, Scratch).st_nlink != 1)
        fail(Scratch, LinkedError);
    // The new log is read by whom the old one was, never by more: its mode
    // first, then its group (which the service may only give when it is in it).
    const struct stat was = statOf(log, Name);
    if (sys::fchmod(scratch.get(), was.st_mode & 0660) != 0)
        fail(Scratch);
    if (sys::fchown(scratch.get(), uid_t(-1), was.st_gid) != 0 && errno != EPERM)
        fail(Scratch);
    if (sys::fchmod(scratch.get(), was.st_mode & 0666) != 0)
        fail(Scratch);
    rewrite(scratch, withLine(all, line), Scratch);
    scratch.close(Scratch);
    if (sys::exchange(dir, Scratch, Name) != 0)
        fail(Name);
    if (sys::fsync(dir) != 0)
        fail("");
    // The old log, now under the scratch name, need not take the disk.
    if (sys::ftruncate(log.get(), 0) != 0)
        fail(Scratch);
    log.close(Scratch);
}

} // namespace

bool RecordStore::appendResult(const std::string& line)
{
    if (!checkRegular(m_dir, Name, false) && m_shared)
        return false; // not kept here
    Fd log = openRegular(m_dir, Name, O_RDWR | O_NOFOLLOW | (m_shared ? 0 : O_CREAT));
    const struct stat st = statOf(log, Name);
    checkSingle(m_dir, st);
    const std::size_t size = std::size_t(st.st_size);
    bool unended = false;
    const std::size_t whole = wholeLines(log, size, unended);
    const std::string added = whole == 0 ? Header + line : unended ? "\r\n" + line : line;
    // Full, or headed as an older copy wrote it: rewritten once.
    if (headedByOlderCopy(log, whole) || whole + added.size() > MaxBytes) {
        rewriteWith(m_dir, log, whole, line);
        return true;
    }
    if (whole != size && sys::ftruncate(log.get(), off_t(whole)) != 0)
        fail(Name);
    if (sys::writeAt(log.get(), added.data(), added.size(), off_t(whole)) != 0 ||
        sys::fsync(log.get()) != 0)
        fail(Name);
    log.close(Name);
    return true;
}

} // namespace records
