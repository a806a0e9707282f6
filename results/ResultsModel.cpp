#include "ResultsModel.h"

#include <QFile>
#include <QThread>

namespace {

const char* const Titles[] = {"Data", "Nome", "Esatte", "Errate", "Totali", "Durata", "Record"};

// The fields of one CSV line (RFC 4180): quoted fields may hold commas and
// doubled quotes.
QList<QByteArray> fields(const QByteArray& line)
{
    QList<QByteArray> out;
    QByteArray field;
    bool quoted = false;
    for (qsizetype i = 0; i < line.size(); ++i) {
        const char c = line[i];
        if (quoted) {
            if (c == '"' && i + 1 < line.size() && line[i + 1] == '"') {
                field += '"';
                ++i;
            } else if (c == '"') {
                quoted = false;
            } else {
                field += c;
            }
        } else if (c == '"') {
            quoted = true;
        } else if (c == ',') {
            out << field;
            field.clear();
        } else {
            field += c;
        }
    }
    out << field;
    return out;
}

QByteArray quotedIfNeeded(const QByteArray& field)
{
    if (!field.contains(',') && !field.contains('"') && !field.contains('\n') &&
        !field.contains('\r'))
        return field;
    QByteArray doubled = field;
    doubled.replace('"', "\"\"");
    return '"' + doubled + '"';
}

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
        QByteArray line = bytes.mid(at, next - at);
        at = next + 1;
        if (line.endsWith('\r'))
            line.chop(1);
        const QList<QByteArray> f = fields(line);
        if (f.size() != Columns)
            continue;
        Row row;
        row.when = QDateTime::fromString(QString::fromLatin1(f[Date]), Qt::ISODate);
        bool ok[5];
        row.right = f[Right].toInt(&ok[0]);
        row.wrong = f[Wrong].toInt(&ok[1]);
        row.total = f[Total].toInt(&ok[2]);
        row.seconds = f[Duration].toInt(&ok[3]);
        ok[4] = f[Record] == "sì" || f[Record] == "no";
        if (!row.when.isValid() || !(ok[0] && ok[1] && ok[2] && ok[3] && ok[4]))
            continue; // the header, or a line that is no contest
        row.name = QString::fromUtf8(f[Name]);
        row.record = f[Record] == "sì";
        rows << row;
    }
    return rows;
}

QByteArray ResultsModel::header()
{
    return "data,nome,esatte,errate,totali,secondi,record\r\n";
}

QByteArray ResultsModel::csvLine(const Row& row)
{
    return row.when.toString(Qt::ISODate).toLatin1() + ',' + quotedIfNeeded(row.name.toUtf8()) +
           ',' + QByteArray::number(row.right) + ',' + QByteArray::number(row.wrong) + ',' +
           QByteArray::number(row.total) + ',' + QByteArray::number(row.seconds) + ',' +
           (row.record ? "sì" : "no") + "\r\n";
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
        QFile file(path);
        QList<Row> rows = file.open(QIODevice::ReadOnly) ? parse(file.readAll()) : QList<Row>();
        QMetaObject::invokeMethod(
            this, [this, rows = std::move(rows)]() mutable { setRows(std::move(rows)); },
            Qt::QueuedConnection);
    });
    m_reader->start();
}

void ResultsModel::setRows(QList<Row> rows)
{
    beginResetModel();
    m_rows = std::move(rows);
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
    }
    return {};
}

QVariant ResultsModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (orientation == Qt::Horizontal && role == Qt::DisplayRole && section < Columns)
        return QString::fromUtf8(Titles[section]);
    return QAbstractTableModel::headerData(section, orientation, role);
}
