#include "EndOfContest.h"

#include "Numbers.h"
#include "Platform.h"
#include "RecordFiles.h"

namespace records {

void endContest(Platform& platform, const QString& recordDir, bool goodbye,
                const Captions& captions)
{
    if (goodbye)
        platform.messageBox(Goodbye, Platform::OkOnly, QString(), captions.summary);
    const Outcome outcome = finish(recordDir,
                                   {captions.score, captions.holder, captions.wrong,
                                    captions.seconds, numbers::val(captions.record)},
                                   platform.recordService());
    if (outcome.recorded)
        platform.messageBox(Saved);
    // The record first: a results line that cannot be written never costs it.
    if (outcome.error) {
        platform.messageBox(outcome.error->message());
        platform.endProgram(1);
        return;
    }
    platform.endProgram(0);
}

} // namespace records
