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
    const double record = numbers::val(captions.record);
    const double score = numbers::strict(captions.score).value_or(0.0);
    bool written = false;
    try {
        if (record < score) {
            written =
                write(recordDir, captions.score, captions.holder, record, platform.recordWriter());
            if (written)
                platform.messageBox(Saved);
        }
        // The record first: a results line that cannot be written never costs it.
        appendResult(recordDir,
                     {captions.holder, int(score), captions.wrong, captions.seconds, written},
                     platform.recordWriter());
    } catch (const RecordError& error) {
        platform.messageBox(error.message());
        platform.endProgram(1);
        return;
    }
    platform.endProgram(0);
}

} // namespace records
