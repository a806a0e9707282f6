#pragma once

#include <QAbstractTableModel>
#include <QDateTime>
#include <QList>
#include <QString>
#include <QStringList>

#include <memory>

#include "ResultsLog.h"

class QThread;

// The class's results as read from risultati.csv: one row a contest.
class ResultsModel : public QAbstractTableModel {
    Q_OBJECT
public:
    enum Column {
        Date,
        Name,
        Right,
        Wrong,
        Total,
        Duration,
        Record,
        Account,
        Verified,
        UpTo,
        Minutes,
        Play,
        Computer, // with a school's folder only
        Columns
    };

    struct Row {
        QDateTime when;
        QString name;
        int right = 0;
        int wrong = 0;
        int total = 0;
        int seconds = 0;
        bool record = false;
        QString account;      // empty in lines of older copies
        bool verified = true; // the record service saw it start
        // What was played; older copies' lines played the default.
        int upTo = 10000;
        int minutes = 5;
        bool practice = false;
        // Unknown in lines of older copies.
        std::vector<records::results::Miss> misses = {};
        std::optional<records::results::Crossed> crossed = {};
        // The local day it was played, worked out once: a filter by period
        // asks it of every row.
        QDate day = {};
        // Where it was played, with a school's folder; empty otherwise.
        QString computer = {};
    };

    explicit ResultsModel(QObject* parent = nullptr);
    // What a pupil's account is told instead of the log, which only root and
    // the teachers' group may read.
    static QString teachersOnly();
    // Waits for the reading to end: a window closed while it reads.
    ~ResultsModel() override;

    // Reads the log on a thread of its own: the window answers meanwhile.
    // The newest rows come first, as many as fill a few screens; loaded()
    // comes once all the rows are in, or with the reason they are not.
    void load(const QString& path);
    // The same, then the months every other computer published in the
    // school's folder, each row with its computer (this one's, computer,
    // from the log). The share is read on a thread the model leaves behind
    // when it goes: a hung share holds that thread, never the window.
    void load(const QString& path, const QString& school, const QString& computer);
    // What was read of a school's folder: its rows, the files that could not
    // be read ("pc-03/risultati-2026-11.csv"), the computers whose clock was
    // off by more than ClockSlack when they published.
    struct School {
        QList<Row> rows;
        QStringList unreadable;
        QStringList skewed;
        bool found = false; // the folder is there, with its marker
    };
    static School readSchool(const QString& folder, const QString& own);
    bool withSchool() const { return !m_school.isEmpty(); }
    // Whether the school's folder is still being read.
    bool readingSchool() const { return m_schoolPending; }
    const School& school() const { return m_schoolRead; }
    // Whether the rows are only the newest, the rest still being read.
    bool reading() const { return m_reading; }
    // Why the log could not be read, in Italian; empty once it was.
    QString error() const { return m_error; }
    // The log's bytes, at most its bound and a margin (the newest of a larger
    // one): only a single regular file is read, never through a link and
    // never waiting for a writer. Empty with the reason in error otherwise.
    static QByteArray readLog(const QString& path, QString& error);
    // The rows of a log's bytes: whole lines only (a torn tail is left out),
    // the header and blank lines skipped; unread counts the other lines that
    // are not a contest (one edited by hand, say), which are skipped too.
    static QList<Row> parse(const QByteArray& bytes, int* unread = nullptr);
    // Lines of the log read last that were no contest.
    int unread() const { return m_unread; }
    // One CSV line, as the log writes it (RFC 4180, CR LF), but for the
    // record's yes and no, and the header, which are in the language installed.
    static QByteArray csvLine(const Row& row);
    static QByteArray header();
    // The header's names, in the language installed.
    static QStringList headerNames();
    // A contest's moment as the table shows it: in local time, written as the
    // language installed writes dates.
    static QString shownWhen(const QDateTime& when);
    // A day as the table writes it: the date of that same format.
    static QString shownDay(const QDate& day);

    const Row& row(int index) const { return m_rows[index]; }
    const QList<Row>& rows() const { return m_rows; }
    int rowCount(const QModelIndex& parent = QModelIndex()) const override;
    int columnCount(const QModelIndex& parent = QModelIndex()) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
    QVariant headerData(int section, Qt::Orientation orientation,
                        int role = Qt::DisplayRole) const override;

    // What sorts a column: the moment, the name, the numbers.
    static constexpr int SortRole = Qt::UserRole;

signals:
    void loaded();

private:
    void setRows(QList<Row> rows, int unread, const QString& error, bool reading = false);
    void setSchool(School school);

    QList<Row> m_rows;
    QList<Row> m_local; // the log's, before the school's are added
    QString m_school;
    QString m_computer; // this computer's name in the school's folder
    School m_schoolRead;
    bool m_schoolPending = false;
    bool m_localDone = false; // the log's rows are all in
    // Shared with the school's reader, which posts to the model only while
    // it is there.
    struct Guard;
    std::shared_ptr<Guard> m_guard;
    QString m_error;
    int m_unread = 0;
    bool m_reading = false;
    QThread* m_reader = nullptr;
};
