#include "RecordFiles.h"

#include "Cp1252.h"
#include "Numbers.h"
#include "Platform.h"
#include "RecordStore.h"
#include "WriterRequest.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <algorithm>

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

QString reasonFor(Cause cause, int error, bool folder)
{
    switch (cause) {
    case Cause::DiskFull:
        return QStringLiteral("il disco è pieno");
    case Cause::NoPermission:
        return QStringLiteral("non ho il permesso di usarlo");
    case Cause::ReadOnly:
        return QStringLiteral("è di sola lettura");
    case Cause::DiskError:
        return QStringLiteral("errore del disco");
    case Cause::Busy:
        return QStringLiteral("un'altra copia del gioco sta salvando il record");
    case Cause::NotRegular:
        return folder ? QStringLiteral("non è una cartella")
                      : QStringLiteral("non è un file normale");
    case Cause::Other:
        break;
    }
    return QStringLiteral("errore imprevisto (codice %1)").arg(error);
}

// The error as the player reads it; folder ends in a separator.
RecordError told(const QString& folder, const StoreError& error)
{
    const QString path =
        error.name.empty() ? folder : folder + QFile::decodeName(error.name.c_str());
    return RecordError(path, reasonFor(error.cause, error.error, error.name.empty()));
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
    if (status == writer::Written || status == writer::NotBetter)
        return status;
    // The game sends only digits and a typed name: what the writer refuses
    // is a name longer than the computer's record keeps.
    if (status == writer::Refused)
        throw RecordError(folder + HolderFile, QStringLiteral("il nome è troppo lungo"));
    if (status < writer::Failed)
        throw RecordError(folder, reasonFor(Cause::Other, status, true));
    // The writer names the file on its one line; none names the folder.
    const QString name = QFile::decodeName(process.readAllStandardOutput()).section(u'\n', 0, 0);
    const auto cause = Cause(std::min(status - int(writer::Failed), int(Cause::Other)));
    throw RecordError(folder + name, reasonFor(cause, status, name.isEmpty()));
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
        throw RecordError(nomefile, reasonFor(error.cause, error.error, false));
    }
}

Record startUp(const QString& recordDir, const QString& writer)
{
    try {
        // Only the writer may finish a save in the shared folder.
        if (!writer.isEmpty() && QFileInfo(recordDir + QLatin1String(journal::Name)).size() > 0)
            runWriter(writer, recordDir, QByteArray());
        RecordStore store(bytesOf(recordDir));
        store.lock();
        if (writer.isEmpty())
            store.recover();
        const Pair pair = store.read(writer.isEmpty());
        store.close();
        return {decoded(pair.score), decoded(pair.holder)};
    } catch (const StoreError& error) {
        throw told(recordDir, error);
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

} // namespace records
