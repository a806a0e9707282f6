// Saving the record pair and reading it at start-up, in a folder on the
// machine's own disk (the save syncs, so the disk sets the pace).
#include "Journal.h"
#include "Measure.h"
#include "RecordFiles.h"
#include "RecordStore.h"
#include "ResultsLog.h"

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

    // The class's results at their bound: most appends are plain appends,
    // the one that finds the log full drops a block and rewrites it once.
    header("Results log at 10 MiB (median of 200)");
    const std::string line = records::results::line(
        {"2026-12-09T10:00:00+01:00", std::string(60, 'F'), 603, 0, 300, false, "nobody"});
    std::string full = records::results::Header;
    while (full.size() + line.size() <= records::results::MaxBytes)
        full += line;
    const std::string path = QFile::encodeName(dir).toStdString();
    QFile log(dir + QString::fromLatin1(records::results::Name));
    if (!log.open(QIODevice::WriteOnly) || log.write(full.data(), qint64(full.size())) < 0)
        std::abort();
    log.close();
    const double append = medianMicroseconds(200, [&](int) {
        records::RecordStore store(path);
        store.lock();
        if (!store.appendResult(line))
            std::abort();
    });
    row("append to a full log", append, "us");
    const double rewrite = medianMicroseconds(
        20,
        [&](int) {
            QFile again(dir + QString::fromLatin1(records::results::Name));
            if (!again.open(QIODevice::WriteOnly) ||
                again.write(full.data(), qint64(full.size())) < 0)
                std::abort();
        },
        [&](int) {
            records::RecordStore store(path);
            store.lock();
            if (!store.appendResult(line + line))
                std::abort();
        });
    row("the append that drops a block", rewrite, "us");
    return 0;
}
