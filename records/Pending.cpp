#include "Pending.h"

#include "Ask.h"
#include "Request.h"

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

bool keep(const QString& folder, const std::string& text)
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
           file.write(text.data(), qint64(text.size())) == qint64(text.size()) &&
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
        const QByteArray text = file.read(qint64(request::MaxRequest) + 1);
        file.close();
        std::string reply;
        const int error =
            connection::ask(QFile::encodeName(service).toStdString(), text.toStdString(),
                            int(qMax<qint64>(1, deadline.remainingTime())), reply);
        if (error != 0 || !request::parseReply(reply))
            return; // still away: the rest wait too
        // Answered, whatever it said: the service has decided.
        QFile::remove(file.fileName());
    }
}

} // namespace records::pending
