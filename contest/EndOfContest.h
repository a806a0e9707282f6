#pragma once

#include "RecordFiles.h"

#include <QCoreApplication>
#include <QString>

class Platform;

// How a contest ends: the goodbye, the record and the class's results, the
// confirmation, the program's end.
namespace contest {

// In Italian, as written; what is shown is their translation (context "contest").
inline const QString Goodbye =
    QString::fromUtf8(QT_TRANSLATE_NOOP("contest", "Ciao, alla prossima sfida. "));
inline const QString Saved = QString::fromUtf8(
    QT_TRANSLATE_NOOP("contest", "Ok! Ho registrato il tuo record, C A M P I O N E"));
// The text in the language installed.
QString translated(const QString& italian);

// What the contest played: the one value that goes on to the record and
// the class's results, and the counters for a screen reader with the goodbye.
struct Played {
    records::Ending ending;
    QString spoken = {};
};

// The goodbye (at the countdown's end only), the comparison, the record write
// when the score is strictly greater, the confirmation, the line in the class's
// results, then the program's end. Always ends the program; a failed write
// ends it with a message and status 1, a failed results line after the record.
// A contest the record service could not take now waits in the account's
// own folder, and the child is told so in words, as when it could not set
// the record.
void endContest(Platform& platform, const QString& recordDir, bool goodbye, const Played& played);

} // namespace contest
