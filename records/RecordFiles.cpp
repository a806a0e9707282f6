#include "RecordFiles.h"

#include "Cp1252.h"
#include "Numbers.h"
#include "Platform.h"

#include <QDir>
#include <QFile>
#include <QLockFile>
#include <QSaveFile>
#include <algorithm>
#include <memory>

namespace records {

RecordError::RecordError(const QString& f, const QString& r)
    : std::runtime_error((f + QStringLiteral(": ") + r).toStdString()), file(f), reason(r)
{
}

QString RecordError::message() const
{
    return QStringLiteral("Non riesco a usare il file del record\n%1\n\nMotivo: %2")
        .arg(QDir::toNativeSeparators(file), reason);
}

QString GetSystemDir(Platform& platform)
{
    QString dir = platform.recordDirectory();
    if (dir.isEmpty())
        throw RecordError(QStringLiteral("(cartella dei record)"),
                          QStringLiteral("la cartella non è nota"));
    if (!QDir().mkpath(dir))
        throw RecordError(dir, QStringLiteral("non posso creare la cartella"));
    if (!dir.endsWith(u'/'))
        dir += u'/';
    return dir;
}

namespace {

QByteArray readBytes(const QString& path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        throw RecordError(path, file.errorString());
    QByteArray bytes = file.read(MaxRead);
    if (file.error() != QFileDevice::NoError)
        throw RecordError(path, file.errorString());
    return bytes;
}

void touch(const QString& path)
{
    QFile file(path);
    // Append creates a missing file and leaves an existing one as it is.
    if (!file.open(QIODevice::WriteOnly | QIODevice::Append))
        throw RecordError(path, file.errorString());
}

std::unique_ptr<QSaveFile> prepare(const QString& path, const QByteArray& bytes)
{
    auto file = std::make_unique<QSaveFile>(path);
    if (!file->open(QIODevice::WriteOnly) || file->write(bytes) != bytes.size())
        throw RecordError(path, file->errorString());
    return file;
}

void commit(QSaveFile& file)
{
    if (!file.commit())
        throw RecordError(file.fileName(), file.errorString());
}

QByteArray line(const QString& text)
{
    return cp1252::encode(text) + "\r\n";
}

} // namespace

QString Leggifiletxt(const QString& nomefile)
{
    return cp1252::decode(readBytes(nomefile));
}

Record startUp(const QString& recordDir)
{
    const QString score = recordDir + ScoreFile;
    const QString holder = recordDir + HolderFile;
    touch(score);
    touch(holder);
    return {Leggifiletxt(score), Leggifiletxt(holder)};
}

bool write(const QString& recordDir, const QString& score, const QString& holder,
           double startUpRecord)
{
    const QString scorePath = recordDir + ScoreFile;
    const QString holderPath = recordDir + HolderFile;

    QLockFile lock(recordDir + QStringLiteral("corvalesta.lock"));
    if (!lock.tryLock(5000)) {
        if (lock.error() == QLockFile::LockFailedError)
            throw RecordError(recordDir + QStringLiteral("corvalesta.lock"),
                              QStringLiteral("un'altra copia del gioco sta salvando il record"));
        // No lock file can be made: the folder itself is not writable.
        throw RecordError(recordDir, QStringLiteral("non posso scrivere nella cartella"));
    }

    const QByteArray oldScore = QFile::exists(scorePath) ? readBytes(scorePath) : QByteArray();
    const double stored = numbers::val(cp1252::decode(oldScore));
    const double value = numbers::strict(score).value_or(0.0);
    if (!(value > std::max(startUpRecord, stored)))
        return false;

    // Both files are ready before either replaces the old one.
    auto scoreFile = prepare(scorePath, line(score));
    auto holderFile = prepare(holderPath, line(holder));
    commit(*scoreFile);
    try {
        commit(*holderFile);
    } catch (const RecordError&) {
        // Put the old score back, so the pair stays as it was.
        auto restore = prepare(scorePath, oldScore);
        commit(*restore);
        throw;
    }
    return true;
}

} // namespace records
