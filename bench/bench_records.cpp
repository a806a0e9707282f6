// Saving the record pair and reading it at start-up, in a folder on the
// machine's own disk (the save syncs, so the disk sets the pace); a contest's
// start and end in the shared folder through the long-lived record service,
// beside a service started for each connection (the units of 1.1.0) and a
// process started for each request, as the set-group-id helper was; the
// results log at its bound.
#include "Journal.h"
#include "Measure.h"
#include "RecordFiles.h"
#include "RecordStore.h"
#include "ResultsLog.h"

#include "Request.h"
#include "Service.h"
#include "Transaction.h"

#include <QCoreApplication>
#include <QDeadlineTimer>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QThread>

namespace {

void put(const QString& path, const std::string& bytes)
{
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(bytes.data(), qint64(bytes.size())) < 0)
        std::abort();
}

// The contest that sets the i-th record: as many right answers as five
// minutes allow, one more each time.
records::Ending ending(int i)
{
    return {i, QStringLiteral("Anna"), 0, 300, 0};
}

// A service run by systemd-socket-activate with these arguments, until the
// object goes; its socket listening.
class Activated {
public:
    Activated(const QString& activate, QStringList arguments, const QString& socket)
        : m_socket(socket)
    {
        QFile::remove(socket);
        // It tells of every connection: unread, that would fill the pipe and stop it.
        m_service.setStandardOutputFile(QProcess::nullDevice());
        m_service.setStandardErrorFile(QProcess::nullDevice());
        m_service.start(activate, arguments << "-l" << socket << CORVALESTA_BENCH_SERVICE);
        const QDeadlineTimer deadline(60000);
        while (!QFileInfo::exists(socket) && !deadline.hasExpired())
            QThread::msleep(10);
    }
    ~Activated()
    {
        m_service.terminate();
        m_service.waitForFinished(60000);
        QFile::remove(m_socket);
    }

private:
    QProcess m_service;
    QString m_socket;
};

// One request to a process of its own, on its standard input.
int asked(const std::string& request)
{
    QProcess writer;
    writer.start(CORVALESTA_BENCH_SERVICE, {});
    writer.write(request.data(), qint64(request.size()));
    writer.closeWriteChannel();
    return writer.waitForFinished(60000) ? writer.exitCode() : -1;
}

// A contest's start and end in the shared folder, each end a new record (the
// benchmark's service is the tests', whose contests start an hour back).
void sharedSaves()
{
    const QString activate = QStandardPaths::findExecutable("systemd-socket-activate");
    if (activate.isEmpty()) {
        std::printf("\n(no systemd-socket-activate: no shared-folder saves)\n");
        return;
    }
    const QString folder = QStringLiteral(CORVALESTA_BENCH_SHARED_DIR "/");
    const QString socket = QStringLiteral(CORVALESTA_BENCH_SHARED_DIR ".sock");
    QDir(folder).removeRecursively();
    QDir().mkpath(folder);
    put(folder + QString::fromLatin1(records::results::Name), "");
    // Each row starts a new day's count: an account ends 300 contests a day.
    const auto newDay = [&] { QFile::remove(folder + QString::fromLatin1(records::Ledger::Name)); };
    header("Shared folder, a contest's start and its end with a record (median of 200)");
    newDay();
    const double process = medianMicroseconds(200, [&](int i) {
        const std::string end = records::request::end({i + 1, 0, 300, true, "Anna", "Anna"});
        if (asked(records::request::start()) != records::request::Written ||
            asked(end) != records::request::Written)
            std::abort();
    });
    row("a process started for each request", process, "us");
    const auto throughService = [&](int first) {
        newDay();
        return medianMicroseconds(200, [&](int i) {
            records::begin(socket, QString());
            if (!records::finish(folder, ending(first + i), socket).recorded)
                std::abort();
        });
    };
    double perConnection = 0, longLived = 0;
    {
        const Activated service(activate, {"--accept", "--inetd"}, socket);
        perConnection = throughService(201);
    }
    row("a service for each connection", perConnection, "us");
    {
        const Activated service(activate, {}, socket);
        longLived = throughService(401);
    }
    row("one long-lived service", longLived, "us");
    row("long-lived / for each connection", longLived / perConnection, "x");
}

} // namespace

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    // Beside the build, not in a memory-backed /tmp: syncing must reach a disk.
    QTemporaryDir base(QDir::currentPath() + QStringLiteral("/bench-records-XXXXXX"));
    const QString dir = base.path() + u'/';
    header("Record files (median of 200)");
    records::startUp(dir);
    const double save = medianMicroseconds(200, [&](int i) {
        if (!records::finish(dir, ending(i + 1)).recorded)
            std::abort();
    });
    row("save a better record", save, "us");
    const double startUp = medianMicroseconds(200, [&](int) { records::startUp(dir); });
    row("start-up, nothing to carry through", startUp, "us");
    // A save killed after its journal was on disk: start-up finishes it.
    const std::string journal = records::journal::encode({"99\r\n", "Bea\r\n", ""});
    const double carried = medianMicroseconds(
        200, [&](int) { put(dir + QString::fromLatin1(records::journal::Name), journal); },
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
    const QString log = dir + QString::fromLatin1(records::results::Name);
    put(log, full);
    const double append = medianMicroseconds(200, [&](int) {
        records::RecordStore store(path);
        store.lock();
        if (!store.appendResult(line))
            std::abort();
    });
    row("append to a full log", append, "us");
    const double rewrite = medianMicroseconds(
        20, [&](int) { put(log, full); },
        [&](int) {
            records::RecordStore store(path);
            store.lock();
            if (!store.appendResult(line + line))
                std::abort();
        });
    row("the append that drops a block", rewrite, "us");
    sharedSaves();
    return 0;
}
