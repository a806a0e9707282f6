#include "Pending.h"

#include "Connection.h"
#include "WriterRequest.h"

#include <QCoreApplication>
#include <QDateTime>
#include <QDeadlineTimer>
#include <QDir>
#include <QFile>
#include <QSaveFile>

namespace records::pending {

namespace {

const QString Suffix = QStringLiteral(".richiesta");

QStringList waiting(const QDir& dir)
{
    return dir.entryList({u'*' + Suffix}, QDir::Files | QDir::NoSymLinks, QDir::Name);
}

} // namespace

bool keep(const QString& folder, const std::string& request)
{
    QDir dir(folder);
    if (!dir.mkpath(QStringLiteral(".")) || waiting(dir).size() >= MaxWaiting)
        return false;
    // Named by the moment, so that the oldest is sent first.
    const QString name =
        QDateTime::currentDateTimeUtc().toString(QStringLiteral("yyyyMMddHHmmsszzz")) + u'-' +
        QString::number(QCoreApplication::applicationPid()) + Suffix;
    QSaveFile file(dir.filePath(name));
    return file.open(QIODevice::WriteOnly) &&
           file.write(request.data(), qint64(request.size())) == qint64(request.size()) &&
           file.commit();
}

void sendAll(const QString& folder, const QString& service, int waitMs)
{
    const QDir dir(folder);
    const QDeadlineTimer deadline(waitMs);
    for (const QString& name : waiting(dir)) {
        if (deadline.hasExpired())
            return;
        QFile file(dir.filePath(name));
        if (!file.open(QIODevice::ReadOnly))
            continue;
        const QByteArray request = file.read(qint64(writer::MaxRequest) + 1);
        file.close();
        std::string reply;
        const int error =
            connection::ask(QFile::encodeName(service).toStdString(), request.toStdString(),
                            int(qMax<qint64>(1, deadline.remainingTime())), reply);
        if (error != 0 || !writer::parseReply(reply))
            return; // still away: the rest wait too
        // Answered, whatever it said: the service has decided.
        QFile::remove(file.fileName());
    }
}

} // namespace records::pending
