// Saving the record pair and reading it at start-up, in a folder on the
// machine's own disk (the save syncs, so the disk sets the pace).
#include "Journal.h"
#include "Measure.h"
#include "RecordFiles.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    // Beside the build, not in a memory-backed /tmp: syncing must reach a disk.
    QTemporaryDir base(QDir::currentPath() + QStringLiteral("/bench-records-XXXXXX"));
    const QString dir = base.path() + u'/';
    header("Record files (median of 200)");
    records::startUp(dir);
    const double save = medianMicroseconds(200, [&](int i) {
        // As many right answers as five minutes allow, then one more each time.
        const records::Ending ending{QString::number(i + 1), QStringLiteral("Anna"), 0, 300, 0};
        if (!records::finish(dir, ending).recorded)
            std::abort();
    });
    row("save a better record", save, "us");
    const double startUp = medianMicroseconds(200, [&](int) { records::startUp(dir); });
    row("start-up, nothing to carry through", startUp, "us");
    // A save killed after its journal was on disk: start-up finishes it.
    const std::string journal = records::journal::encode({"99\r\n", "Bea\r\n"});
    const double carried = medianMicroseconds(
        200,
        [&](int) {
            QFile file(dir + QString::fromLatin1(records::journal::Name));
            if (!file.open(QIODevice::WriteOnly) ||
                file.write(journal.data(), qint64(journal.size())) < 0)
                std::abort();
        },
        [&](int) { records::startUp(dir); });
    row("start-up carrying a save through", carried, "us");
    return 0;
}
