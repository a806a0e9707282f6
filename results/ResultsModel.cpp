#include "ResultsModel.h"

#include "Reason.h"
#include "RecordStore.h"
#include "ResultsLog.h"

#include <QFile>
#include <QScopeGuard>
#include <QThread>

#include <algorithm>
#include <cerrno>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

const char* const Titles[] = {"Data",   "Nome",   "Esatte", "Errate",
                              "Totali", "Durata", "Record", "Utente"};
// Read past the log's bound: a log an older copy let grow a little longer.
constexpr std::size_t Margin = 1024 * 1024;

} // namespace

ResultsModel::ResultsModel(QObject* parent) : QAbstractTableModel(parent) {}

ResultsModel::~ResultsModel()
{
    if (m_reader) {
        m_reader->wait();
        delete m_reader;
    }
}

QList<ResultsModel::Row> ResultsModel::parse(const QByteArray& bytes)
{
    QList<Row> rows;
    // Only whole lines: what follows the last line end was cut short.
    const qsizetype end = bytes.lastIndexOf('\n') + 1;
    rows.reserve(bytes.left(end).count('\n'));
    for (qsizetype at = 0; at < end;) {
        const qsizetype next = bytes.indexOf('\n', at);
        const qsizetype length = next - at - (next > at && bytes[next - 1] == '\r' ? 1 : 0);
        const auto entry =
            records::results::parse(std::string_view(bytes.constData() + at, length));
        at = next + 1;
        if (!entry)
            continue; // the header, or a line that is no contest
        Row row{QDateTime::fromString(QString::fromStdString(entry->when), Qt::ISODate),
                QString::fromStdString(entry->name),
                entry->right,
                entry->wrong,
                entry->right + entry->wrong,
                entry->seconds,
                entry->record,
                QString::fromStdString(entry->account)};
        if (row.when.isValid())
            rows << row;
    }
    return rows;
}

QByteArray ResultsModel::header()
{
    return records::results::Header;
}

QByteArray ResultsModel::csvLine(const Row& row)
{
    const records::results::Entry entry{row.when.toString(Qt::ISODate).toStdString(),
                                        row.name.toStdString(),
                                        row.right,
                                        row.wrong,
                                        row.seconds,
                                        row.record,
                                        row.account.toStdString()};
    return QByteArray::fromStdString(records::results::line(entry));
}

QByteArray ResultsModel::readLog(const QString& path, QString& error)
{
    const auto failed = [&error](int number) {
        error = QString::fromStdString(records::reasonFor(records::causeOf(number), number, false));
        return QByteArray();
    };
    const int fd = open(QFile::encodeName(path).constData(),
                        O_RDONLY | O_NOFOLLOW | O_NONBLOCK | O_NOCTTY | O_CLOEXEC);
    if (fd < 0)
        return failed(errno == ELOOP ? records::NotRegularError : errno);
    const auto closing = qScopeGuard([fd] { close(fd); });
    struct stat st;
    if (fstat(fd, &st) != 0)
        return failed(errno);
    if (!S_ISREG(st.st_mode))
        return failed(records::NotRegularError);
    if (st.st_nlink != 1)
        return failed(records::LinkedError);
    const std::size_t bound = records::results::MaxBytes + Margin;
    const std::size_t size = std::size_t(st.st_size);
    const off_t from = size > bound ? off_t(size - bound) : 0;
    QByteArray bytes(qsizetype(std::min(size, bound)), '\0');
    qsizetype done = 0;
    while (done < bytes.size()) {
        const ssize_t n =
            pread(fd, bytes.data() + done, std::size_t(bytes.size() - done), from + done);
        if (n < 0 && errno == EINTR)
            continue;
        if (n < 0)
            return failed(errno);
        if (n == 0)
            break;
        done += n;
    }
    bytes.truncate(done);
    if (from > 0) // the newest lines: the first one read is cut
        bytes.remove(0, bytes.indexOf('\n') + 1);
    error.clear();
    return bytes;
}

void ResultsModel::load(const QString& path)
{
    if (m_reader) {
        m_reader->wait();
        delete m_reader;
    }
    // The rows come back as a queued call on this model, which Qt drops if
    // the model is gone by then; the destructor waits for the thread itself.
    m_reader = QThread::create([this, path] {
        QString error;
        QList<Row> rows = parse(readLog(path, error));
        QMetaObject::invokeMethod(
            this,
            [this, rows = std::move(rows), error]() mutable { setRows(std::move(rows), error); },
            Qt::QueuedConnection);
    });
    m_reader->start();
}

void ResultsModel::setRows(QList<Row> rows, const QString& error)
{
    beginResetModel();
    m_rows = std::move(rows);
    m_error = error;
    endResetModel();
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
        return sorting
                   ? QVariant(r.when)
                   : QVariant(r.when.toLocalTime().toString(QStringLiteral("dd/MM/yyyy HH:mm")));
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
        return r.record ? QStringLiteral("sì") : QStringLiteral("no");
    case Account:
        return r.account;
    }
    return {};
}

QVariant ResultsModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (orientation == Qt::Horizontal && role == Qt::DisplayRole && section < Columns)
        return QString::fromUtf8(Titles[section]);
    return QAbstractTableModel::headerData(section, orientation, role);
}
