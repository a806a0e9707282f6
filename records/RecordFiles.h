#pragma once

#include "RecordStore.h"

#include "Ledger.h"
#include "ResultsLog.h"

#include <QString>
#include <optional>
#include <stdexcept>

// The best score and its holder, one line each in two small files, and the
// holder's whole name in a third.
namespace records {

inline const QString ScoreFile = QString::fromLatin1(ScoreName);
inline const QString HolderFile = QString::fromLatin1(HolderName);

// A record file or folder that cannot be read or written.
struct RecordError : std::runtime_error {
    // A path ending in a separator names a folder. Refused: the contest's
    // own data were refused, not the file.
    RecordError(const QString& path, const QString& reason, bool refused = false);
    QString file;
    QString reason;
    bool refused = false;
    // An Italian sentence for the message box, naming the file and the reason.
    QString message() const;
};

// Why a record file or folder could not be used, in the language installed;
// the record service says it in Italian, the catalogues' source.
QString reasonText(Cause cause, int error, bool folder);

// The record directory (the platform's), ending in exactly one separator;
// created if missing.
QString GetSystemDir(const QString& directory);

// The whole content of the file (at most MaxRead bytes), byte for byte; only
// a regular file is opened.
QString Leggifiletxt(const QString& nomefile);

struct Record {
    QString score;        // the whole text of the score file
    QString holder;       // the whole text of the holder file, or the whole name beside it
    QString account = {}; // who set it, when the shared folder's record says
};

// The record as it stands, read without a lock and without writing; empty
// when it cannot be read. For the teacher's window.
Record current(const QString& recordDir);

// Finishes a save cut short (in an account's own folder, when the lock can
// be had at once), creates missing files with 0 bytes there, and returns the
// files' texts without waiting for any lock. With the record service (the
// computer's shared folder) nothing is written: the service finishes a save
// cut short, and a missing file reads as empty.
// A setting's record (upTo, minutes) is in its own folder below recordDir;
// the default's is recordDir's own.
Record startUp(const QString& recordDir, const QString& service = QString(), int upTo = 10000,
               int minutes = 5);

// What the end of a contest stores.
struct Ending {
    int right = 0;  // the score
    QString holder; // the player's name
    int wrong = 0;
    int seconds = 0;          // played
    double startUpRecord = 0; // the record shown since start-up
    // What was played: a practice has no record.
    int upTo = 10000;
    int minutes = 5;
    bool practice = false;
    // The first wrong answers and the sums that crossed a ten, a hundred or
    // a thousand; a contest that did not count them says nothing of either.
    std::vector<results::Miss> misses = {};
    std::optional<results::Crossed> crossed = {};
};
struct Outcome {
    bool recorded = false; // the score is the new record, with the holder's name
    std::optional<RecordError> error;
    // Kept in the account's own folder for the service, which did not answer.
    bool pending = false;
    // Counted, but it could not set the record: the service saw no start.
    bool unverified = false;
};
// The record, when the score beats both the one shown at start-up and the one
// stored now (another copy may have saved meanwhile), both files or neither,
// synced to disk; then the contest's line in the class's results. One request
// under one lock: in the shared folder the record service carries it out.
// A results line that cannot be written never costs the record.
// When the service cannot be reached or gives no answer, the request waits in
// the account's own folder (pendingDir) for the next start.
Outcome finish(const QString& recordDir, const Ending& ending, const QString& service = QString(),
               const QString& pendingDir = QString());

// A contest starts: the service is given the requests that waited for it in
// pendingDir, oldest first, then told of this start. Each waits a short time
// at most; a service away costs the child nothing but the record.
void begin(const QString& service, const QString& pendingDir);

// Saves the teachers' settings file beside the record: through the service
// for the computer's shared folder, which checks who asks, else in the
// account's own folder. Empty when saved, else why not, in words.
QString saveSettings(const QString& recordDir, const std::string& text,
                     const QString& service = QString());
// The class list beside them, the same way.
QString saveClass(const QString& recordDir, const std::string& text,
                  const QString& service = QString());

// The folder in an account's own one where requests wait for the service.
QString pendingFolder(const QString& accountDir);

} // namespace records
