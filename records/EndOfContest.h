#pragma once

#include <QString>

class Platform;

namespace records {

inline const QString Goodbye = QStringLiteral("Ciao, alla prossima sfida. ");
inline const QString Saved = QStringLiteral("Ok! Ho registrato il tuo record, C A M P I O N E");

// What the end of a contest reads from the window.
struct Captions {
    QString record;       // lblpunti: the score file's text as read at start-up
    QString score;        // lblScore
    QString holder;       // lblnome1
    QString summary = {}; // the counters, for a screen reader with the goodbye
    int wrong = 0;        // for the class's results
    int seconds = 0;      // played
};

// The goodbye (at the countdown's end only), the comparison, the record write
// when the score is strictly greater, the confirmation, the line in the class's
// results, then the program's end. Always ends the program; a failed write
// ends it with a message and status 1, a failed results line after the record.
void endContest(Platform& platform, const QString& recordDir, bool goodbye,
                const Captions& captions);

} // namespace records
