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
    if (record >= score) {
        platform.endProgram(0);
        return;
    }
    try {
        if (write(recordDir, captions.score, captions.holder, record, platform.recordWriter()))
            platform.messageBox(Saved);
    } catch (const RecordError& error) {
        platform.messageBox(error.message());
        platform.endProgram(1);
        return;
    }
    platform.endProgram(0);
}

} // namespace records
