#pragma once

#include "RecordStore.h"

#include <QString>
#include <stdexcept>

class Platform;

// The best score and its holder, one line each in two small files.
namespace records {

inline const QString ScoreFile = QString::fromLatin1(ScoreName);
inline const QString HolderFile = QString::fromLatin1(HolderName);

// A record file or folder that cannot be read or written.
struct RecordError : std::runtime_error {
    // A path ending in a separator names a folder.
    RecordError(const QString& path, const QString& reason);
    QString file;
    QString reason;
    // An Italian sentence for the message box, naming the file and the reason.
    QString message() const;
};

// The record directory, ending in exactly one separator; created if missing.
QString GetSystemDir(Platform& platform);

// The whole content of the file (at most MaxRead bytes), byte for byte; only
// a regular file is opened.
QString Leggifiletxt(const QString& nomefile);

struct Record {
    QString score;  // the whole text of the score file
    QString holder; // the whole text of the holder file
};

// Under the save lock: finishes a save cut short, creates missing files with
// 0 bytes, leaves existing ones unchanged, and returns their texts. With a
// record writer (the computer's shared folder) the writer finishes a save cut
// short, and nothing is created: a missing file reads as empty.
Record startUp(const QString& recordDir, const QString& writer = QString());

// Writes score and holder as one line each, both or neither, synced to disk,
// under a lock, and only when the score beats both the record seen at
// start-up and the one stored now (another copy of the game may have saved
// meanwhile). Returns whether the record was written.
// With a record writer, the writer saves and compares.
bool write(const QString& recordDir, const QString& score, const QString& holder,
           double startUpRecord, const QString& writer = QString());

// One finished contest for the class's results, appended to risultati.csv
// under the record's lock; through the writer in the shared folder. Returns
// false when the folder keeps no results.
struct Result {
    QString name;
    int right = 0;
    int wrong = 0;
    int seconds = 0;
    bool record = false;
};
bool appendResult(const QString& recordDir, const Result& result,
                  const QString& writer = QString());

} // namespace records
