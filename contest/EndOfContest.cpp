#include "EndOfContest.h"

#include "Numbers.h"
#include "Platform.h"
#include "RecordFiles.h"

namespace contest {

QString translated(const QString& italian)
{
    return QCoreApplication::translate("contest", italian.toUtf8().constData());
}

void endContest(Platform& platform, const QString& recordDir, bool goodbye, const Played& played)
{
    if (goodbye)
        platform.messageBox(translated(Goodbye), Platform::OkOnly, QString(), played.spoken);
    const records::Outcome outcome = records::finish(
        recordDir,
        {played.right, played.holder, played.wrong, played.seconds, numbers::val(played.record)},
        platform.recordService());
    if (outcome.recorded)
        platform.messageBox(translated(Saved));
    // The record first: a results line that cannot be written never costs it.
    if (outcome.error) {
        platform.messageBox(outcome.error->message());
        platform.endProgram(1);
        return;
    }
    platform.endProgram(0);
}

} // namespace contest
