#pragma once

#include "Journal.h"

#include <string>

namespace records {

inline constexpr char ScoreName[] = "suc0000.txt";
inline constexpr char HolderName[] = "suc00000.txt";
// The most of a record file that is read: a hand-edited giant must not hang
// start-up.
inline constexpr std::size_t MaxRead = 4096;

// Not a system error number: a record file that is not a regular file.
inline constexpr int NotRegularError = 1 << 16;

// Why a record file or folder could not be used, as the player is told.
enum class Cause { DiskFull, NoPermission, ReadOnly, DiskError, Busy, NotRegular, Other };
Cause causeOf(int error);

struct StoreError {
    StoreError(std::string name, int error);
    std::string name; // the file in the record folder; empty for the folder
    Cause cause;
    int error; // the system's error number
};

// The record folder: both record files together, read and saved under one
// lock, a save all or nothing. Plain POSIX, so that the privileged record
// writer can use it too. Every failure throws StoreError.
class RecordStore {
public:
    // Shared: the computer's folder, written by the privileged writer. No
    // name in it, nor the folder itself, may be a link, and the writer makes
    // no file: one it made would belong to the player who ran it, who could
    // then write it without the writer. The package makes the two record
    // files and the journal, which a save leaves empty instead of removing.
    enum class Mode { Account, Shared };

    explicit RecordStore(const std::string& folder, Mode mode = Mode::Account);
    ~RecordStore();
    RecordStore(const RecordStore&) = delete;
    RecordStore& operator=(const RecordStore&) = delete;

    // Creates the folder and the ones above it that are missing.
    static void makeFolders(const std::string& path);
    // The first MaxRead bytes of a regular file; nothing else is opened.
    static std::string readFile(const std::string& path);

    // Other copies of the game read and save under the same lock; after
    // waiting this long for one, the cause is Busy.
    void lock(int timeoutMs = 5000);
    // Finishes a save that was cut short after its journal was complete and
    // drops an incomplete journal. True when a save was finished.
    bool recover();
    // Both texts. Missing files read as empty and, with create, are made with
    // 0 bytes. A record file that is not a regular file (or a link to one) is
    // refused before either file is touched.
    Pair read(bool create);
    // Both files new, synced to disk, or, when it throws before the journal
    // is on disk, both as they were; a journal left on disk is finished by
    // the next recover().
    void save(const Pair& pair);
    // Lets the other copies in; the destructor does it too, but cannot tell
    // of an error.
    void close();

private:
    class Files;
    void apply(Files& files, const Pair& pair);
    void syncFolder();

    int noFollow() const;
    void clearJournal();

    int m_dir = -1;
    bool m_shared = false;
};

} // namespace records
