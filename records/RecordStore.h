#pragma once

#include "Cause.h"
#include "Journal.h"
#include "Ledger.h"

#include <string>
#include <sys/types.h>

namespace records {

inline constexpr char ScoreName[] = "suc0000.txt";
inline constexpr char HolderName[] = "suc00000.txt";
// Saves take a lock on this file, which no other account can open: 0600, the
// account's own, or in the shared folder the record service's.
inline constexpr char LockName[] = "corvalesta.lock";
// The most of a record file that is read: a hand-edited giant must not hang
// start-up.
inline constexpr std::size_t MaxRead = 4096;
// How long a save waits for another one before it gives up: a copy stopped
// in the middle of a save can delay the others' saves this long, no more.
inline constexpr int LockWaitMs = 5000;

struct StoreError {
    StoreError(std::string name, int error);
    std::string name; // the file in the record folder; empty for the folder
    Cause cause;
    int error; // the system's error number
};

// The record folder: both record files together. Reading takes no lock; saves
// take the folder's lock file and are all or nothing. Plain POSIX, so that the
// record service can use it too. Every failure throws StoreError.
class RecordStore {
public:
    // Shared: the computer's folder, which only the record service writes,
    // under an account of its own: no name in it, nor the folder itself, may
    // be a link. Only its administrator makes the results log.
    enum class Mode { Account, Shared };

    explicit RecordStore(const std::string& folder, Mode mode = Mode::Account);
    ~RecordStore();
    RecordStore(const RecordStore&) = delete;
    RecordStore& operator=(const RecordStore&) = delete;

    // Creates the folder and the ones above it that are missing.
    static void makeFolders(const std::string& path);
    // The first MaxRead bytes of a regular file; nothing else is opened.
    static std::string readFile(const std::string& path);
    // The last limit bytes of a single regular file (one name, not through a
    // link, opened without waiting for a writer), from the first whole line.
    static std::string readLines(const std::string& path, std::size_t limit);

    // Waits at most timeoutMs for another save to end; then the cause is Busy.
    void lock(int timeoutMs = LockWaitMs);
    // Finishes a save that was cut short after its journal was whole. True
    // when a save was finished. Under the lock only.
    bool recover();
    // Both texts, without a lock: a whole journal is the pair being saved;
    // otherwise the files, read again while a save changes the journal, so
    // the pair is never half old and half new. A record file that is not a
    // regular file (or, in an account's folder, a link to one) is refused.
    // In an account's folder, create makes missing files with 0 bytes.
    Pair read(bool create);
    // Both files new, synced to disk, or, when it throws before the journal
    // is whole on disk, both as they were; a whole journal left on disk is
    // finished by the next recover(). Every file must be a single regular
    // file with one link, none sharing another's data. Under the lock only.
    void save(const Pair& pair);
    // Appends one whole line to the results log, under the lock. A tail left
    // torn by an append cut short is dropped first; an empty log gets the
    // header; a log that would pass results::MaxBytes, or that an older copy
    // headed, is rewritten beside it as results::withLine says and swapped
    // in at once. False when the
    // shared folder keeps no log (its administrator deleted it).
    bool appendResult(const std::string& line);
    // The service's ledger of contests, and the ledger kept in its place (the
    // service's alone: 0600). A ledger that cannot be read is empty. Under
    // the lock only.
    Ledger ledger() const;
    void keep(const Ledger& ledger);
    // Shared folder, for its administrator: puts the lock file back as the
    // package makes it, takes the lock, replaces whatever stands in the place
    // of a record file, the journal, the scratch file or the results log that
    // is not a single regular file (a link is removed, never followed), makes
    // missing files with the folder's owner and group (but a deleted log),
    // then saves an empty pair over any pending journal. The results log and
    // its scratch file go to the readers' group when one is given, readable
    // by that group only (the children's results are the teachers'), else
    // to the folder's, readable by all.
    void reset(gid_t readers = gid_t(-1));
    // Lets the other copies in; the destructor does it too, but cannot tell
    // of an error.
    void close();

private:
    class Files;
    void apply(Files& files, const Pair& pair);
    void syncFolder();
    std::string readJournal() const;
    void restore(const char* name, int mode, gid_t group = gid_t(-1));

    int noFollow() const;

    int m_dir = -1;
    int m_lock = -1;
    bool m_shared = false;
};

} // namespace records
