#include "ResultsModel.h"

#include "RecordFiles.h"
#include "RecordStore.h"
#include "ResultsLog.h"
#include "School.h"

#include <QCoreApplication>
#include <QFile>
#include <QScopeGuard>
#include <QThread>

#include <cerrno>
#include <cstdlib>
#include <mutex>
#include <new>
#include <sys/prctl.h>
#include <thread>

namespace {

const char* const Titles[] = {
    QT_TRANSLATE_NOOP("ResultsModel", "Data"), QT_TRANSLATE_NOOP("ResultsModel", "Nome"),
    QT_TRANSLATE_NOOP("ResultsModel", "Esatte"), QT_TRANSLATE_NOOP("ResultsModel", "Errate"),
    QT_TRANSLATE_NOOP("ResultsModel", "Totali"), QT_TRANSLATE_NOOP("ResultsModel", "Durata"),
    QT_TRANSLATE_NOOP("ResultsModel", "Record"), QT_TRANSLATE_NOOP("ResultsModel", "Utente"),
    //: Column: whether the record service saw the contest start (sì/no).
    QT_TRANSLATE_NOOP("ResultsModel", "Verificata"),
    //: Column: the highest answer of the contest's range (10 to 10000).
    QT_TRANSLATE_NOOP("ResultsModel", "Fino a"),
    //: Column: the contest's length in minutes.
    QT_TRANSLATE_NOOP("ResultsModel", "Minuti"),
    //: Column: a timed contest (gara) or a practice (allenamento).
    QT_TRANSLATE_NOOP("ResultsModel", "Gioco"),
    //: Column: the lab's computer the contest was played on.
    QT_TRANSLATE_NOOP("ResultsModel", "Computer")};
// Read past the log's bound: a log an older copy let grow a little longer.
constexpr std::size_t Margin = 1024 * 1024;
// The log's tail read first: some 2,000 contests, the newest.
constexpr qsizetype NewestBytes = 256 * 1024;

} // namespace

struct ResultsModel::Guard {
    std::mutex mutex;
    ResultsModel* model = nullptr;
};

ResultsModel::ResultsModel(QObject* parent)
    : QAbstractTableModel(parent), m_guard(std::make_shared<Guard>())
{
    m_guard->model = this;
}

ResultsModel::~ResultsModel()
{
    {
        const std::lock_guard lock(m_guard->mutex);
        m_guard->model = nullptr;
    }
    if (m_reader) {
        m_reader->wait();
        delete m_reader;
    }
}

QList<ResultsModel::Row> ResultsModel::parse(const QByteArray& bytes, int* unread)
{
    QList<Row> rows;
    int skipped = 0;
    // Only whole lines: what follows the last line end was cut short.
    const qsizetype end = bytes.lastIndexOf('\n') + 1;
    rows.reserve(bytes.left(end).count('\n'));
    for (qsizetype at = 0; at < end;) {
        const qsizetype next = bytes.indexOf('\n', at);
        const qsizetype length = next - at - (next > at && bytes[next - 1] == '\r' ? 1 : 0);
        const std::string_view line(bytes.constData() + at, std::size_t(length));
        auto entry = records::results::parse(line);
        at = next + 1;
        if (!entry) {
            // The header, any copy's, and blank lines are no loss.
            const std::string ended = std::string(line) + "\r\n";
            if (!line.empty() && ended != records::results::Header &&
                !records::results::olderHeader(ended))
                ++skipped;
            continue;
        }
        Row row{QDateTime::fromString(QString::fromStdString(entry->when), Qt::ISODate),
                QString::fromStdString(entry->name),
                entry->right,
                entry->wrong,
                entry->right + entry->wrong,
                entry->seconds,
                entry->record,
                QString::fromStdString(entry->account),
                entry->verified,
                entry->upTo,
                entry->minutes,
                entry->practice,
                std::move(entry->misses),
                entry->crossed};
        row.day = row.when.toLocalTime().date();
        if (row.when.isValid())
            rows << row;
        else
            ++skipped;
    }
    if (unread)
        *unread = skipped;
    return rows;
}

QStringList ResultsModel::headerNames()
{
    // In Italian, the log's own header.
    static const char* const names[] = {QT_TRANSLATE_NOOP("ResultsCsv", "data"),
                                        QT_TRANSLATE_NOOP("ResultsCsv", "nome"),
                                        QT_TRANSLATE_NOOP("ResultsCsv", "esatte"),
                                        QT_TRANSLATE_NOOP("ResultsCsv", "errate"),
                                        QT_TRANSLATE_NOOP("ResultsCsv", "totali"),
                                        QT_TRANSLATE_NOOP("ResultsCsv", "secondi"),
                                        QT_TRANSLATE_NOOP("ResultsCsv", "record"),
                                        QT_TRANSLATE_NOOP("ResultsCsv", "utente"),
                                        QT_TRANSLATE_NOOP("ResultsCsv", "verificata"),
                                        QT_TRANSLATE_NOOP("ResultsCsv", "fino_a"),
                                        QT_TRANSLATE_NOOP("ResultsCsv", "minuti"),
                                        QT_TRANSLATE_NOOP("ResultsCsv", "gioco"),
                                        QT_TRANSLATE_NOOP("ResultsCsv", "sbagliate"),
                                        QT_TRANSLATE_NOOP("ResultsCsv", "decine"),
                                        QT_TRANSLATE_NOOP("ResultsCsv", "decine_errate"),
                                        QT_TRANSLATE_NOOP("ResultsCsv", "centinaia"),
                                        QT_TRANSLATE_NOOP("ResultsCsv", "centinaia_errate"),
                                        QT_TRANSLATE_NOOP("ResultsCsv", "migliaia"),
                                        QT_TRANSLATE_NOOP("ResultsCsv", "migliaia_errate")};
    QStringList out;
    for (const char* name : names)
        out << QCoreApplication::translate("ResultsCsv", name);
    return out;
}

QByteArray ResultsModel::header()
{
    std::string line;
    for (const QString& name : headerNames()) {
        line += line.empty() ? "" : ",";
        line += records::results::field(name.toUtf8().toStdString());
    }
    return QByteArray::fromStdString(line + "\r\n");
}

namespace {

QString whenFormat()
{
    //: How the table writes a contest's date and time (QDateTime's
    //: format: dd day, MM month, yyyy year, HH hour, mm minute),
    //: in digits only, as the language writes dates.
    return QCoreApplication::translate("ResultsModel", "dd/MM/yyyy HH:mm");
}

} // namespace

QString ResultsModel::shownWhen(const QDateTime& when)
{
    return when.toLocalTime().toString(whenFormat());
}

QString ResultsModel::shownDay(const QDate& day)
{
    return day.toString(whenFormat().section(u' ', 0, 0));
}

QByteArray ResultsModel::csvLine(const Row& row)
{
    const records::results::Entry entry{row.when.toString(Qt::ISODate).toStdString(),
                                        row.name.toStdString(),
                                        row.right,
                                        row.wrong,
                                        row.seconds,
                                        row.record,
                                        row.account.toStdString(),
                                        row.verified,
                                        row.upTo,
                                        row.minutes,
                                        row.practice,
                                        row.misses,
                                        row.crossed};
    const std::string yes = tr("sì").toStdString(), no = tr("no").toStdString(),
                      contest = tr("gara").toStdString(), practice = tr("allenamento").toStdString();
    return QByteArray::fromStdString(
        records::results::line(entry, {yes, no, contest, practice}));
}

QString ResultsModel::teachersOnly()
{
    return tr("I risultati della classe sono degli insegnanti: li leggono l'amministratore e "
              "gli utenti del gruppo corvalesta-maestri.");
}

QByteArray ResultsModel::readLog(const QString& path, QString& error)
{
    error.clear();
    try {
        return QByteArray::fromStdString(records::RecordStore::readLines(
            QFile::encodeName(path).toStdString(), records::results::MaxBytes + Margin));
    } catch (const records::StoreError& failure) {
        // The package lets root and the teachers' group read the children's
        // results, and no one else.
        error = failure.error == EACCES ? teachersOnly()
                                        : records::reasonText(failure.cause, failure.error, false);
    } catch (const std::bad_alloc&) {
        error = records::reasonText(records::Cause::OutOfMemory, ENOMEM, false);
    }
    return {};
}

void ResultsModel::load(const QString& path)
{
    m_localDone = false;
    if (m_reader) {
        m_reader->wait();
        delete m_reader;
    }
    // The rows come back as a queued call on this model, which Qt drops if
    // the model is gone by then; the destructor waits for the thread itself.
    m_reader = QThread::create([this, path] {
        // The name goes with the work: the thread takes a moment longer to
        // leave, and a reading done must not look like one still running.
        const auto done = qScopeGuard([] { prctl(PR_SET_NAME, "risultati-fine"); });
        QString error;
        int unread = 0;
        const QByteArray bytes = readLog(path, error);
        if (bytes.size() > NewestBytes) {
            // From the first whole line of the tail.
            const qsizetype from = bytes.indexOf('\n', bytes.size() - NewestBytes) + 1;
            QList<Row> newest =
                parse(QByteArray::fromRawData(bytes.constData() + from, bytes.size() - from));
            QMetaObject::invokeMethod(
                this,
                [this, newest = std::move(newest)]() mutable {
                    setRows(std::move(newest), 0, QString(), true);
                },
                Qt::QueuedConnection);
        }
        QList<Row> rows = parse(bytes, &unread);
        QMetaObject::invokeMethod(
            this,
            [this, rows = std::move(rows), unread, error]() mutable {
                setRows(std::move(rows), unread, error);
            },
            Qt::QueuedConnection);
    });
    // Named, so that a reading left behind is seen for what it is.
    m_reader->setObjectName(QStringLiteral("risultati"));
    m_reader->start();
}

void ResultsModel::load(const QString& path, const QString& school, const QString& computer)
{
    m_school = school;
    m_computer = computer;
    if (!school.isEmpty()) {
        m_schoolPending = true;
        // Detached: a share that never answers keeps this thread, not the
        // window nor the program's end.
        std::thread([guard = m_guard, school, computer] {
            School read = readSchool(school, computer);
            const std::lock_guard lock(guard->mutex);
            if (guard->model)
                QMetaObject::invokeMethod(
                    guard->model,
                    [model = guard->model, read = std::move(read)]() mutable {
                        model->setSchool(std::move(read));
                    },
                    Qt::QueuedConnection);
        }).detach();
    }
    load(path);
}

ResultsModel::School ResultsModel::readSchool(const QString& folder, const QString& own)
{
    School out;
    const auto computers = records::school::computers(QFile::encodeName(folder).toStdString());
    if (!computers)
        return out;
    out.found = true;
    for (const auto& computer : *computers) {
        const QString name = QString::fromStdString(computer.name);
        if (name == own)
            continue; // this computer's rows are the log's, newer than the share's
        if (computer.skew && std::abs(*computer.skew) > records::school::ClockSlack)
            out.skewed << name;
        for (const std::string& month : computer.months) {
            const QString file = name + u'/' + QString::fromStdString(month);
            QString error;
            const QByteArray bytes = readLog(folder + u'/' + file, error);
            if (!error.isEmpty()) {
                out.unreadable << file;
                continue;
            }
            QList<Row> rows = parse(bytes);
            for (Row& row : rows)
                row.computer = name;
            out.rows += std::move(rows);
        }
    }
    return out;
}

void ResultsModel::setSchool(School school)
{
    m_schoolRead = std::move(school);
    m_schoolPending = false;
    // Before the log's rows are in, they bring the school's with them.
    if (m_localDone)
        setRows(std::move(m_local), m_unread, m_error, m_reading);
}

void ResultsModel::setRows(QList<Row> rows, int unread, const QString& error, bool reading)
{
    beginResetModel();
    m_local = std::move(rows);
    if (!m_school.isEmpty()) {
        for (Row& row : m_local)
            row.computer = m_computer;
    }
    m_rows = m_local;
    m_rows += m_schoolRead.rows;
    m_unread = unread;
    m_error = error;
    m_reading = reading;
    m_localDone = !reading;
    endResetModel();
    if (!reading)
        emit loaded();
}

int ResultsModel::rowCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : int(m_rows.size());
}

int ResultsModel::columnCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : Columns;
}

QVariant ResultsModel::data(const QModelIndex& index, int role) const
{
    if (!index.isValid() ||
        (role != Qt::DisplayRole && role != SortRole && role != Qt::TextAlignmentRole))
        return {};
    const Row& r = m_rows[index.row()];
    if (role == Qt::TextAlignmentRole)
        return index.column() == Name ? int(Qt::AlignLeft | Qt::AlignVCenter)
                                      : int(Qt::AlignCenter);
    const bool sorting = role == SortRole;
    switch (index.column()) {
    case Date:
        return sorting ? QVariant(r.when) : QVariant(shownWhen(r.when));
    case Name:
        return sorting ? QVariant(r.name.toLower()) : QVariant(r.name);
    case Right:
        return r.right;
    case Wrong:
        return r.wrong;
    case Total:
        return r.total;
    case Duration:
        return sorting ? QVariant(r.seconds)
                       : QVariant(QStringLiteral("%1:%2")
                                      .arg(r.seconds / 60)
                                      .arg(r.seconds % 60, 2, 10, QLatin1Char('0')));
    case Record:
        return r.record ? tr("sì") : tr("no");
    case Account:
        return r.account;
    case Verified:
        return r.verified ? tr("sì") : tr("no");
    case UpTo:
        return r.upTo;
    case Minutes:
        return r.practice ? QVariant() : QVariant(r.minutes);
    case Play:
        return r.practice ? tr("allenamento") : tr("gara");
    case Computer:
        //: %1 is a computer whose clock was more than five minutes off.
        return m_schoolRead.skewed.contains(r.computer) && !sorting
                   ? tr("%1 (orologio sbagliato)").arg(r.computer)
                   : r.computer;
    }
    return {};
}

QVariant ResultsModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (orientation == Qt::Horizontal && role == Qt::DisplayRole && section < Columns)
        return tr(Titles[section]);
    return QAbstractTableModel::headerData(section, orientation, role);
}
