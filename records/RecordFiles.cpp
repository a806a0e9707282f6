#include "RecordFiles.h"

#include "Cp1252.h"
#include "Numbers.h"
#include "Platform.h"
#include "Reason.h"
#include "RecordStore.h"
#include "ResultsLog.h"
#include "WriterRequest.h"

#include <QDir>
#include <QFile>
#include <QProcess>
#include <algorithm>
#include <ctime>

namespace records {

RecordError::RecordError(const QString& f, const QString& r)
    : std::runtime_error((f + QStringLiteral(": ") + r).toStdString()), file(f), reason(r)
{
}

QString RecordError::message() const
{
    const QString what =
        file.endsWith(u'/') ? QStringLiteral("la cartella") : QStringLiteral("il file");
    return QStringLiteral("Non riesco a usare %1 del record\n%2\n\nMotivo: %3")
        .arg(what, QDir::toNativeSeparators(file), reason);
}

namespace {

QString reasonText(Cause cause, int error, bool folder)
{
    return QString::fromStdString(reasonFor(cause, error, folder));
}

// The error as the player reads it; folder ends in a separator. A file
// missing from the computer's shared folder is made again by the writer's
// reset, which only its administrator may run.
RecordError told(const QString& folder, const std::string& name, int error,
                 const QString& writer = QString())
{
    const QString path = name.empty() ? folder : folder + QFile::decodeName(name.c_str());
    const Cause cause = causeOf(error);
    QString reason = reasonText(cause, error, name.empty());
    if (cause == Cause::Missing && !writer.isEmpty() && !name.empty())
        reason += QStringLiteral(": chi amministra il computer lo rifà con «sudo %1 --reset», "
                                 "che azzera il record")
                      .arg(writer);
    return RecordError(path, reason);
}

RecordError told(const QString& folder, const StoreError& error)
{
    return told(folder, error.name, error.error);
}

bool tryLock(RecordStore& store)
{
    try {
        store.lock(0);
        return true;
    } catch (const StoreError&) {
        return false;
    }
}

std::string bytesOf(const QString& path)
{
    return QFile::encodeName(path).toStdString();
}

std::string line(const QString& text)
{
    return (cp1252::encode(text) + "\r\n").toStdString();
}

QString decoded(const std::string& bytes)
{
    return cp1252::decode(QByteArray::fromStdString(bytes));
}

// Runs the record writer with this request and returns its status: written
// or not better. Its errors are told as the game's own would be.
int runWriter(const QString& program, const QString& folder, const QByteArray& request)
{
    QProcess process;
    process.start(program, {});
    if (!process.waitForStarted(5000))
        throw RecordError(program, QStringLiteral("il programma che registra il record non parte"));
    process.write(request);
    process.closeWriteChannel();
    if (!process.waitForFinished(30000) || process.exitStatus() != QProcess::NormalExit) {
        process.kill();
        throw RecordError(program,
                          QStringLiteral("il programma che registra il record si è fermato"));
    }
    const int status = process.exitCode();
    if (status == writer::Written || status == writer::NotBetter || status == writer::NotKept)
        return status;
    if (status == writer::NameTooLong)
        throw RecordError(folder + HolderFile, QStringLiteral("il nome è troppo lungo"));
    if (status < writer::Failed)
        throw RecordError(program, QStringLiteral("il programma che registra il record ha "
                                                  "rifiutato la richiesta (codice %1)")
                                       .arg(status));
    // The writer names the file (none for the folder) and the system's error.
    const QList<QByteArray> lines = process.readAllStandardOutput().split('\n');
    const int error = lines.value(1).toInt();
    throw told(folder, lines.value(0).toStdString(), error, program);
}

} // namespace

QString GetSystemDir(Platform& platform)
{
    QString dir = platform.recordDirectory();
    if (dir.isEmpty())
        throw RecordError(QStringLiteral("(cartella dei record)"),
                          QStringLiteral("la cartella non è nota"));
    if (!dir.endsWith(u'/'))
        dir += u'/';
    try {
        RecordStore::makeFolders(bytesOf(dir));
    } catch (const StoreError& error) {
        throw told(dir, error);
    }
    return dir;
}

QString Leggifiletxt(const QString& nomefile)
{
    try {
        return decoded(RecordStore::readFile(bytesOf(nomefile)));
    } catch (const StoreError& error) {
        throw RecordError(nomefile, reasonText(error.cause, error.error, false));
    }
}

Record startUp(const QString& recordDir, const QString& writer)
{
    const bool shared = !writer.isEmpty();
    try {
        RecordStore store(bytesOf(recordDir),
                          shared ? RecordStore::Mode::Shared : RecordStore::Mode::Account);
        const Pair pair = store.read(!shared);
        // In an account's own folder a save cut short is finished here, unless
        // the lock cannot be had at once: start-up waits for nobody, and what
        // it shows is the same either way. In the shared folder the next save
        // through the writer finishes it.
        if (!shared && tryLock(store))
            store.recover();
        store.close();
        return {decoded(pair.score), decoded(pair.holder)};
    } catch (const StoreError& error) {
        throw told(recordDir, error.name, error.error, writer);
    }
}

bool write(const QString& recordDir, const QString& score, const QString& holder,
           double startUpRecord, const QString& writer)
{
    if (!writer.isEmpty()) {
        const QByteArray request = score.toLatin1() + '\n' + cp1252::encode(holder) + '\n';
        return runWriter(writer, recordDir, request) == writer::Written;
    }
    try {
        RecordStore store(bytesOf(recordDir));
        store.lock();
        store.recover();
        const double stored = numbers::val(decoded(store.read(false).score));
        const double value = numbers::strict(score).value_or(0.0);
        const bool better = value > std::max(startUpRecord, stored);
        if (better)
            store.save({line(score), line(holder)});
        store.close();
        return better;
    } catch (const StoreError& error) {
        throw told(recordDir, error);
    }
}

bool appendResult(const QString& recordDir, const Result& result, const QString& writer)
{
    if (!writer.isEmpty()) {
        const QByteArray request =
            "risultato\n" + result.name.toUtf8() + '\n' + QByteArray::number(result.right) + '\n' +
            QByteArray::number(result.wrong) + '\n' +
            QByteArray::number(result.right + result.wrong) + '\n' +
            QByteArray::number(result.seconds) + '\n' + (result.record ? "1\n" : "0\n");
        return runWriter(writer, recordDir, request) == writer::Written;
    }
    try {
        RecordStore store(bytesOf(recordDir));
        store.lock();
        const results::Entry entry{results::timestamp(std::time(nullptr)),
                                   result.name.toStdString(),
                                   result.right,
                                   result.wrong,
                                   result.seconds,
                                   result.record};
        const bool kept = store.appendResult(results::line(entry));
        store.close();
        return kept;
    } catch (const StoreError& error) {
        throw told(recordDir, error);
    }
}

} // namespace records
