#include "RecordFiles.h"

#include "Accounts.h"
#include "Ask.h"
#include "Cause.h"
#include "Cp1252.h"
#include "NameFile.h"
#include "NameRule.h"
#include "Pending.h"
#include "RecordStore.h"
#include "Request.h"
#include "ResultsLog.h"
#include "Settings.h"
#include "Transaction.h"

#include "GameRules.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <algorithm>
#include <ctime>

namespace records {

RecordError::RecordError(const QString& f, const QString& r, bool refusedData)
    : std::runtime_error((f + QStringLiteral(": ") + r).toStdString()), file(f), reason(r),
      refused(refusedData)
{
}

QString RecordError::message() const
{
    const QString where = QDir::toNativeSeparators(file);
    if (refused)
        return QCoreApplication::translate("records",
                                           "Non posso registrare questa gara.\n\nMotivo: %1")
            .arg(reason);
    return file.endsWith(u'/')
               ? QCoreApplication::translate(
                     "records", "Non riesco a usare la cartella del record\n%1\n\nMotivo: %2")
                     .arg(where, reason)
               : QCoreApplication::translate(
                     "records", "Non riesco a usare il file del record\n%1\n\nMotivo: %2")
                     .arg(where, reason);
}

QString reasonText(Cause cause, int error, bool folder)
{
    if (cause == Cause::Other)
        return QCoreApplication::translate("records", "errore imprevisto (codice %1)").arg(error);
    return QCoreApplication::translate("records", reasonFor(cause, error, folder).c_str());
}

namespace {

// The error as the player reads it; folder ends in a separator.
RecordError told(const QString& folder, const std::string& name, int error)
{
    const QString path = name.empty() ? folder : folder + QFile::decodeName(name.c_str());
    return RecordError(path, reasonText(causeOf(error), error, name.empty()));
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

QString decoded(const std::string& bytes)
{
    return QString::fromStdString(names::utf8(bytes));
}

// How long a start waits for the service: the child is about to play.
constexpr int StartWaitMs = 1000;

// The service's outcome, or the reason it gave none.
request::Outcome ask(const QString& service, const std::string& text)
{
    std::string reply;
    const int error = connection::ask(QFile::encodeName(service).toStdString(), text,
                                      connection::AnswerWaitMs, reply);
    auto outcome = error == 0 ? request::parseReply(reply) : std::nullopt;
    if (outcome)
        return *outcome;
    return request::failed({"", error == 0 ? NoAnswerError : error});
}

} // namespace

QString GetSystemDir(const QString& directory)
{
    QString dir = directory;
    if (dir.isEmpty())
        throw RecordError(QCoreApplication::translate("records", "(cartella dei record)"),
                          QCoreApplication::translate("records", "la cartella non è nota"));
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

namespace {

// The record's texts; writing: in an account's own folder, with missing
// files made and a save cut short finished.
Record readRecord(const QString& recordDir, bool writing)
{
    const bool shared = !writing;
    try {
        RecordStore store(bytesOf(recordDir),
                          shared ? RecordStore::Mode::Shared : RecordStore::Mode::Account);
        const Pair pair = store.read(!shared);
        // In an account's own folder a save cut short is finished here, unless
        // the lock cannot be had at once: start-up waits for nobody, and what
        // it shows is the same either way. In the shared folder the service
        // finishes it at the next contest's end.
        if (!shared && tryLock(store))
            store.recover();
        store.close();
        // The whole name in place of the holder file's line, its line end kept
        // as the label shows it.
        const std::string whole = names::whole(pair);
        const std::size_t end = std::min(pair.holder.find_first_of("\r\n"), pair.holder.size());
        return {decoded(pair.score),
                whole.empty() ? decoded(pair.holder)
                              : QString::fromStdString(whole) + decoded(pair.holder.substr(end)),
                QString::fromStdString(names::account(pair))};
    } catch (const StoreError& error) {
        throw told(recordDir, error);
    }
}

} // namespace

Record startUp(const QString& recordDir, const QString& service, int upTo, int minutes)
{
    const QString sub = QString::fromStdString(settings::recordFolder(upTo, minutes));
    if (sub.isEmpty())
        return readRecord(recordDir, service.isEmpty());
    const QString own = recordDir + sub + u'/';
    if (service.isEmpty()) {
        try {
            RecordStore::makeFolders(bytesOf(own));
        } catch (const StoreError& error) {
            throw told(own, error);
        }
    } else if (!QFileInfo::exists(own)) {
        // The service makes a setting's folder with its first record.
        return {};
    }
    return readRecord(own, service.isEmpty());
}

namespace {

// Why the service refused a contest, in words.
QString refusalReason(int status)
{
    const QString reason = QCoreApplication::translate("records", refusalFor(status));
    if (status == request::DailyLimit)
        return reason.arg(Ledger::DailyContests);
    if (status == request::TooSoon || status == request::Refused)
        return reason;
    return reason.arg(status);
}

} // namespace

Outcome finish(const QString& recordDir, const Ending& ending, const QString& service,
               const QString& pendingDir)
{
    const QString name = QString::fromStdString(names::clean(ending.holder.toStdString()));
    const request::Contest contest{ending.right,
                                   ending.wrong,
                                   ending.seconds,
                                   !ending.practice && ending.right > ending.startUpRecord,
                                   cp1252::closest(name, rules::MaxNameChars).toStdString(),
                                   name.toUtf8().toStdString(),
                                   ending.upTo,
                                   ending.minutes,
                                   ending.practice,
                                   ending.misses,
                                   ending.crossed};
    request::Outcome done;
    const std::string text = request::end(contest);
    if (!service.isEmpty()) {
        done = ask(service, text);
        const bool away =
            done.failure.error == NoServiceError || done.failure.error == NoAnswerError;
        if (away && !pendingDir.isEmpty() && pending::keep(pendingDir, text))
            return {false, std::nullopt, true, false};
    } else {
        // The service's own checks, on the game's own request.
        request::Status refusal = request::Refused;
        if (request::parse(text, &refusal))
            done = transaction::carryOut(contest, bytesOf(recordDir), RecordStore::Mode::Account,
                                         accounts::own(), std::time(nullptr));
        else
            done.status = refusal;
    }
    Outcome outcome{done.recorded, std::nullopt, false, done.status == request::Unverified};
    if (done.status == request::NameTooLong)
        outcome.error =
            RecordError(recordDir + HolderFile,
                        QCoreApplication::translate("records", "il nome è troppo lungo"));
    else if (done.status >= request::Failed)
        outcome.error = told(recordDir, done.failure.name, done.failure.error);
    else if (done.status != request::Written && done.status != request::NotKept &&
             done.status != request::Unverified)
        outcome.error = RecordError(recordDir, refusalReason(done.status), true);
    return outcome;
}

void begin(const QString& service, const QString& pendingDir)
{
    if (service.isEmpty())
        return;
    if (!pendingDir.isEmpty())
        pending::sendAll(pendingDir, service, StartWaitMs);
    std::string reply;
    connection::ask(QFile::encodeName(service).toStdString(), request::start(), StartWaitMs, reply);
}

Record current(const QString& recordDir)
{
    try {
        return readRecord(recordDir, false);
    } catch (const RecordError&) {
        return {};
    }
}

namespace {

QString saved(const QString& recordDir, const request::Outcome& done)
{
    if (done.status == request::Written)
        return {};
    if (done.status >= request::Failed)
        return told(recordDir, done.failure.name, done.failure.error).message();
    return QCoreApplication::translate("records", refusalFor(done.status));
}

} // namespace

QString saveSettings(const QString& recordDir, const std::string& text, const QString& service)
{
    return saved(recordDir, service.isEmpty() ? transaction::saveSettings(bytesOf(recordDir), text)
                                              : ask(service, request::saveSettings(text)));
}

QString saveClass(const QString& recordDir, const std::string& text, const QString& service)
{
    return saved(recordDir, service.isEmpty() ? transaction::saveClass(bytesOf(recordDir), text)
                                              : ask(service, request::saveClass(text)));
}

QString pendingFolder(const QString& accountDir)
{
    return accountDir.isEmpty() ? QString() : accountDir + QStringLiteral("/in-attesa");
}

} // namespace records
