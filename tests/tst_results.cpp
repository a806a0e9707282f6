// The teacher's window on the class's results, on a generated log of
// 100,000 contests: what it reads, filters, sorts, charts and exports.
#include "ChildPage.h"
#include "ChildrenModel.h"
#include "Files.h"
#include "Progress.h"
#include "ProgressChart.h"
#include "ResultsChart.h"
#include "ResultsModel.h"
#include "ResultsWindow.h"
#include "SettingsWindow.h"
#include "Spreadsheet.h"
#include "SysCalls.h"

#include <QComboBox>
#include <QDir>
#include <QElapsedTimer>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPdfWriter>
#include <QProcess>
#include <QPushButton>
#include <QScopeGuard>
#include <QSignalSpy>
#include <QStandardPaths>
#include <QSysInfo>
#include <QTabWidget>
#include <QTableView>
#include <QTemporaryDir>
#include <QTest>

#include <chrono>
#include <cstdlib>
#include <ctime>
#include <fcntl.h>
#include <pthread.h>
#include <string_view>
#include <sys/stat.h>
#include <thread>
#include <unistd.h>

class TestResults : public QObject {
    Q_OBJECT
private slots:
    void initTestCase();
    void filtersSortingAndExport();
    void oddLogsAreToldNotRead_data();
    void oddLogsAreToldNotRead();
    void closedWhileReading();
    void labReadFromTheSchoolsFolder_data();
    void labReadFromTheSchoolsFolder();
    void settingsWindow_data();
    void settingsWindow();
    void childrenSummary_data();
    void childrenSummary();
    void childrenTablePageReportAndWorkbook();

private:
    QTemporaryDir m_dir;
    QString m_log;
};

namespace {

// Wednesday 9 December 2026, noon in Rome.
const QDateTime Now = QDateTime::fromString("2026-12-09T12:00:00+01:00", Qt::ISODate);

} // namespace

// Contest i was played 99999 - i minutes before now: right i % 40, wrong
// i % 7, by Anna, Bea, Carlo, Dario in turn, and the last three by Zoe, "Z".
// A junk line, and a tail cut short, are not contests.
void TestResults::initTestCase()
{
    qputenv("TZ", "Europe/Rome");
    tzset();
    const char* const names[] = {"Anna", "Bea", "Carlo", "Dario"};
    QByteArray log = "data,nome,esatte,errate,totali,secondi,record\r\nciao\r\n";
    for (int i = 0; i < 100000; ++i) {
        const QDateTime when = Now.addSecs(-60LL * (99999 - i));
        const QByteArray name =
            i >= 99997 ? QByteArray("\"Zoe, \"\"Z\"\"\"") : QByteArray(names[i % 4]);
        log += when.toString(Qt::ISODate).toLatin1() + ',' + name + ',' +
               QByteArray::number(i % 40) + ',' + QByteArray::number(i % 7) + ',' +
               QByteArray::number(i % 40 + i % 7) + ",300," + (i % 1000 == 0 ? "sì" : "no") +
               "\r\n";
    }
    log += "2026-12-09T12:01:00+01:00,Anna,1";
    m_log = m_dir.filePath("risultati.csv");
    QFile file(m_log);
    QVERIFY(file.open(QIODevice::WriteOnly) && file.write(log) == log.size());
    // The computer's record beside it, set by the account eva.
    for (const auto& [name, bytes] : {std::pair{"suc0000.txt", "13\r\n"},
                                      {"suc00000.txt", "Anna\r\n"},
                                      {"nome-record.txt", "Anna\n13\nAnna\neva\n"}}) {
        QFile record(m_dir.filePath(name));
        QVERIFY(record.open(QIODevice::WriteOnly) && record.write(bytes) > 0);
    }
}

void TestResults::filtersSortingAndExport()
{
    ResultsWindow window(m_log, Now);
    QSignalSpy loaded(&window, &ResultsWindow::loaded);
    // The newest rows come first, while the rest is read: the log's last
    // 256 KiB, from its first whole line.
    QList<int> delivered;
    QString firstShown;
    connect(window.model(), &QAbstractItemModel::modelReset, this, [&] {
        delivered << (window.model()->reading() ? window.model()->rowCount() : -1);
        if (delivered.size() == 1)
            firstShown = window.filter()->index(0, ResultsModel::Name).data().toString();
    });
    window.show();
    QVERIFY(loaded.wait(600000)); // Valgrind on a busy machine: minutes
    QCOMPARE(window.model()->rowCount(), 100000);
    QCOMPARE(delivered.size(), 2);
    QVERIFY2(delivered[0] > 1000 && delivered[0] < 10000,
             qPrintable(QString::number(delivered[0])));
    QCOMPARE(delivered[1], -1);
    QCOMPARE(firstShown, QString("Zoe, \"Z\""));
    // Who set the record: a record nobody played names its author.
    QCOMPARE(window.findChild<QLabel*>("recordComputer")->text(),
             QString("Record del computer: 13, di Anna (utente eva)"));
    ResultsFilter* shown = window.filter();
    // Newest first.
    QCOMPARE(shown->index(0, ResultsModel::Name).data().toString(), QString("Zoe, \"Z\""));
    auto* name = window.findChild<QLineEdit*>("filtroNome");
    auto* period = window.findChild<QComboBox*>("periodo");
    // i % 4 == 0 up to 99996: 25,000 contests; any case, any part.
    name->setText("aNN");
    QCOMPARE(shown->rowCount(), 25000);
    name->clear();
    // Today since midnight: 12 hours, 721 contests; this week since Monday
    // at midnight: 60 hours, 3,601.
    period->setCurrentIndex(ResultsFilter::Today);
    QCOMPARE(shown->rowCount(), 721);
    period->setCurrentIndex(ResultsFilter::ThisWeek);
    QCOMPARE(shown->rowCount(), 3601);
    period->setCurrentIndex(ResultsFilter::All);
    // Sorted by right answers, most first: 39.
    window.table()->sortByColumn(ResultsModel::Right, Qt::DescendingOrder);
    QCOMPARE(shown->index(0, ResultsModel::Right).data().toInt(), 39);
    window.table()->sortByColumn(ResultsModel::Date, Qt::DescendingOrder);
    // Zoe's three contests: the chart, and the rows shown as CSV.
    name->setText("zoe");
    QCOMPARE(shown->rowCount(), 3);
    window.table()->selectRow(1);
    QCOMPARE(window.chart()->accessibleDescription(), QString("37, 38, 39"));
    const QString exported = m_dir.filePath("esportati.csv");
    QVERIFY(window.exportTo(exported));
    QFile file(exported);
    QVERIFY(file.open(QIODevice::ReadOnly));
    // Lines of an older copy: no account, and not asked whether the service
    // saw them start; every text field quoted.
    QCOMPARE(
        file.readAll(),
        QByteArray(
            "\"data\",\"nome\",\"esatte\",\"errate\",\"totali\",\"secondi\",\"record\","
            "\"utente\",\"verificata\",\"fino_a\",\"minuti\",\"gioco\",\"sbagliate\",\"decine\","
            "\"decine_errate\",\"centinaia\",\"centinaia_errate\",\"migliaia\",\"migliaia_"
            "errate\"\r\n"
            "\"2026-12-09T12:00:00+01:00\",\"Zoe, \"\"Z\"\"\",39,4,43,300,\"no\",\"\",\"sì\","
            "10000,5,\"gara\",\"\",,,,,,\r\n"
            "\"2026-12-09T11:59:00+01:00\",\"Zoe, \"\"Z\"\"\",38,3,41,300,\"no\",\"\",\"sì\","
            "10000,5,\"gara\",\"\",,,,,,\r\n"
            "\"2026-12-09T11:58:00+01:00\",\"Zoe, \"\"Z\"\"\",37,2,39,300,\"no\",\"\",\"sì\","
            "10000,5,\"gara\",\"\",,,,,,\r\n"));
    // Nowhere to write: the window says so instead of nothing.
    QVERIFY(!window.exportTo(m_dir.path()));
}

void TestResults::oddLogsAreToldNotRead_data()
{
    QTest::addColumn<QString>("kind");
    QTest::addColumn<int>("rows");
    QTest::addColumn<QString>("told"); // the count label
    const QString notRegular = "Non riesco a leggere i risultati: non è un file normale";
    QTest::newRow("a pipe, never opened for a writer") << "fifo" << 0 << notRegular;
    QTest::newRow("a link to the log") << "link" << 0 << notRegular;
    QTest::newRow("a link to an endless device") << "zero" << 0 << notRegular;
    QTest::newRow("a folder") << "folder" << 0 << notRegular;
    QTest::newRow("a second name of another file")
        << "hard" << 0
        << "Non riesco a leggere i risultati: ha un altro nome: è un collegamento fisso";
    QTest::newRow("none") << "missing" << 0 << "Non riesco a leggere i risultati: il file non c'è";
    QTest::newRow("a tail cut short") << "torn" << 1 << "1 gara";
    // A record flag written 1, a date that is none, and a blank line.
    QTest::newRow("lines edited by hand")
        << "edited" << 1 << "1 gara; 2 righe del file non si leggono";
    // 12,583 lines of 1,000 bytes: of the last 11 MiB (11,534,336 bytes, from
    // byte 1,048,664, inside line 1,049) only whole lines count: 11,534.
    QTest::newRow("past any bound") << "huge" << 11534 << "11534 gare";
}

void TestResults::oddLogsAreToldNotRead()
{
    QFETCH(QString, kind);
    QFETCH(int, rows);
    QFETCH(QString, told);
    QTemporaryDir dir;
    const QString log = dir.filePath("risultati.csv");
    const QByteArray native = QFile::encodeName(log);
    QFile file(log);
    if (kind == "fifo") {
        QCOMPARE(mkfifo(native.constData(), 0600), 0);
    } else if (kind == "link") {
        QVERIFY(QFile::link(m_log, log));
    } else if (kind == "zero") {
        QVERIFY(QFile::link("/dev/zero", log));
    } else if (kind == "folder") {
        QVERIFY(QDir().mkdir(log));
    } else if (kind == "hard") {
        QVERIFY(QFile(dir.filePath("altro")).open(QIODevice::WriteOnly));
        QCOMPARE(link(QFile::encodeName(dir.filePath("altro")).constData(), native.constData()), 0);
    } else if (kind == "torn") {
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write(
            "data,nome,esatte,errate,totali,secondi,record,utente\r\n"
            "2026-12-09T10:00:00+01:00,Eva,1,0,1,300,no,eva\r\n2026-12-09T10:05:00+01:00,Ev");
        file.close();
    } else if (kind == "edited") {
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write("data,nome,esatte,errate,totali,secondi,record,utente\r\n"
                   "2026-12-09T10:00:00+01:00,Eva,1,0,1,300,no,eva\r\n"
                   "2026-12-09T10:05:00+01:00,Eva,9,0,9,300,1,eva\r\n"
                   "ieri,Eva,1,0,1,300,no,eva\r\n\r\n");
        file.close();
    } else if (kind == "huge") {
        QVERIFY(file.open(QIODevice::WriteOnly));
        const QByteArray line =
            "2026-12-09T10:00:00+01:00," + QByteArray(955, 'x') + ",1,0,1,300,no,eva\r\n";
        QCOMPARE(line.size(), 1000);
        for (int i = 0; i < 12583; ++i)
            file.write(line);
        file.close();
    }
    ResultsWindow window(log, Now);
    QSignalSpy loaded(&window, &ResultsWindow::loaded);
    QVERIFY(loaded.wait(600000));
    QCOMPARE(window.model()->rowCount(), rows);
    QCOMPARE(window.findChild<QLabel*>("conteggio")->text(), told);
}

namespace {

// The results readers running in this process, by their thread's name.
int readersRunning()
{
    int running = 0;
    for (const QString& task :
         QDir("/proc/self/task").entryList(QDir::Dirs | QDir::NoDotAndDotDot)) {
        QFile comm("/proc/self/task/" + task + "/comm");
        running += comm.open(QIODevice::ReadOnly) && comm.readAll().trimmed() == "risultati";
    }
    return running;
}

} // namespace

// A teacher who closes the window before the log is read: no reading
// outlives its window, to deliver its rows to one that is gone.
void TestResults::closedWhileReading()
{
    for (int i = 0; i < 3; ++i) {
        auto* window = new ResultsWindow(m_log, Now);
        window->show();
        delete window;
        QCOMPARE(readersRunning(), 0);
    }
    QTest::qWait(300); // any late news of the reading arrives, and is dropped
    QCOMPARE(readersRunning(), 0);
}

void TestResults::labReadFromTheSchoolsFolder_data()
{
    QTest::addColumn<bool>("hung");
    QTest::newRow("every computer's months, with its name") << false;
    QTest::newRow("a hung share: this computer's, and the window closes at once") << true;
}

// The teacher sees the lab's contests, each with its computer, what could
// not be read said, a wrong clock shown; a share that hangs holds nothing.
void TestResults::labReadFromTheSchoolsFolder()
{
    QFETCH(bool, hung);
    QTemporaryDir dir;
    const QString school = dir.filePath("scuola"), log = dir.filePath("risultati.csv");
    const QByteArray header = records::results::Header;
    const QString here = QSysInfo::machineHostName();
    QVERIFY(QDir().mkpath(school + "/pc-02") && QDir().mkpath(school + "/pc-03") &&
            QDir().mkpath(school + '/' + here) && QDir().mkpath(school + "/.pc-04"));
    QVERIFY(put(school + "/.corvalesta-scuola", ""));
    QVERIFY(put(log, header + "2026-12-02T09:00:00+01:00,Anna,3,0,3,300,no\r\n"));
    // This computer's own copy on the share is older than its log: not read.
    QVERIFY(put(school + '/' + here + "/risultati-2026-12.csv",
                header + "2026-12-01T09:00:00+01:00,Anna,1,0,1,300,no\r\n"));
    QVERIFY(put(school + "/pc-02/risultati-2026-11.csv",
                header + "2026-11-30T09:00:00+01:00,Bea,5,0,5,300,no\r\n"
                         "2026-11-30T09:10:00+01:00,Bea,6,0,6,300,no\r\n"));
    QVERIFY(put(school + "/pc-02/risultati-2026-12.csv",
                header + "2026-12-01T10:00:00+01:00,Carla,7,1,8,300,no\r\n"));
    // pc-02 published an hour ahead of the share's clock.
    QVERIFY(put(school + "/pc-02/record.txt", "orologio\t1765003600\n"));
    const QByteArray record = QFile::encodeName(school + "/pc-02/record.txt");
    const timespec times[2] = {{1765000000, 0}, {1765000000, 0}};
    QCOMPARE(utimensat(AT_FDCWD, record.constData(), times, 0), 0);
    QVERIFY(QDir().mkpath(school + "/pc-03/risultati-2026-10.csv")); // no file: unreadable
    QVERIFY(
        put(school + "/.pc-04/risultati-2026-12.csv", header + "2026-12-01,X,1,0,1,300,no\r\n"));
    static std::thread::id main;
    main = std::this_thread::get_id();
    if (hung)
        sys::setHook([](const char*) {
            // The school's reader, not the log's, which is named.
            char name[16] = {};
            pthread_getname_np(pthread_self(), name, sizeof name);
            if (std::this_thread::get_id() != main && std::string_view(name) != "risultati")
                std::this_thread::sleep_for(std::chrono::seconds(5));
            return 0;
        });
    const auto unhook = qScopeGuard([] { sys::setHook(nullptr); });
    auto* window = new ResultsWindow(log, Now, nullptr, school);
    QSignalSpy loaded(window, &ResultsWindow::loaded);
    QVERIFY(loaded.wait(600000));
    QVERIFY(!window->table()->isColumnHidden(ResultsModel::Computer));
    const auto label = window->findChild<QLabel*>("conteggio");
    if (hung) {
        QCOMPARE(window->model()->rowCount(), 1);
        QCOMPARE(label->text(), "1 gara; lettura della cartella della scuola…");
        QElapsedTimer closing;
        closing.start();
        delete window;
        QVERIFY2(closing.elapsed() < 4000, qPrintable(QString::number(closing.elapsed())));
        return;
    }
    while (window->model()->readingSchool())
        QVERIFY(loaded.wait(600000));
    QStringList rows;
    const ResultsModel* model = window->model();
    for (int i = 0; i < model->rowCount(); ++i)
        rows << model->index(i, ResultsModel::Name).data().toString() + ' ' +
                    model->index(i, ResultsModel::Computer).data().toString();
    rows.sort();
    QCOMPARE(rows,
             (QStringList{"Anna " + here, "Bea pc-02 (orologio sbagliato)",
                          "Bea pc-02 (orologio sbagliato)", "Carla pc-02 (orologio sbagliato)"}));
    QCOMPARE(label->text(), "4 gare; non si leggono: pc-03/risultati-2026-10.csv");
    delete window;
}

void TestResults::settingsWindow_data()
{
    QTest::addColumn<QByteArray>("administrator");
    QTest::addColumn<QByteArray>("teachers");
    QTest::addColumn<bool>("mayChange");
    QTest::addColumn<QString>("upToShown");
    QTest::addColumn<QString>("upToFrom");
    QTest::addColumn<bool>("upToFixed");
    QTest::addColumn<QByteArray>("saved"); // the teachers' file after Salva
    QTest::newRow("a teacher, in the account's own folder")
        << QByteArray() << QByteArray("minuti = 3\n") << true << "fino a 10000"
        << "Valore predefinito." << false
        << QByteArray("# Corvalesta: impostazioni della classe\nfino_a = 20\nminuti = 3\n"
                      "gioco = gara\nrecord = nome\n");
    QTest::newRow("a key the administrator fixed")
        << QByteArray("fino_a = 100\n") << QByteArray("fino_a = 10\n") << true << "fino a 100"
        << "Fissata dall'amministratore in ADMIN." << true
        << QByteArray("# Corvalesta: impostazioni della classe\nfino_a = 100\nminuti = 5\n"
                      "gioco = gara\nrecord = nome\n");
    QTest::newRow("a pupil reads them only")
        << QByteArray() << QByteArray("fino_a = 10\n") << false << "fino a 10"
        << "Scelta dagli insegnanti." << false << QByteArray("fino_a = 10\n");
}

// What each choice is, where the one in force comes from; a key the
// administrator fixed and a pupil's account change nothing.
void TestResults::settingsWindow()
{
    QFETCH(QByteArray, administrator);
    QFETCH(QByteArray, teachers);
    QFETCH(bool, mayChange);
    QFETCH(QString, upToShown);
    QFETCH(QString, upToFrom);
    QFETCH(bool, upToFixed);
    QFETCH(QByteArray, saved);
    QTemporaryDir dir;
    const settingsText::Files files{dir.filePath("admin.conf"), dir.filePath("impostazioni.conf")};
    if (!administrator.isEmpty())
        QVERIFY(put(files.administrator, administrator));
    QVERIFY(put(files.teacher, teachers));
    SettingsWindow window(files, dir.path(), QString(), mayChange);
    window.show();
    auto* upTo = window.findChild<QComboBox*>("cmbFinoA");
    auto* minutes = window.findChild<QComboBox*>("cmbMinuti");
    QVERIFY(upTo && minutes);
    QCOMPARE(upTo->currentText(), upToShown);
    QCOMPARE(window.findChild<QLabel*>("lblDa0")->text(),
             QString(upToFrom).replace("ADMIN", files.administrator));
    QCOMPARE(upTo->isEnabled(), mayChange && !upToFixed);
    QCOMPARE(minutes->isEnabled(), mayChange);
    QCOMPARE(window.findChild<QPushButton*>("cmdSalva")->isEnabled(), mayChange);
    QCOMPARE(window.findChild<QLabel*>("lblChi")->text().isEmpty(), mayChange);
    if (upTo->isEnabled())
        upTo->setCurrentIndex(1); // fino a 20
    QCOMPARE(window.save(), mayChange);
    QCOMPARE(bytesOf(files.teacher), saved);
    if (mayChange)
        QCOMPARE(window.findChild<QLabel*>("lblEsito")->text(),
                 QString("Salvate: valgono dalla prossima gara."));
}

namespace {

using Row = ResultsModel::Row;

Row contest(const char* when, const char* name, const char* account, int right, int wrong,
            int seconds, bool practice = false)
{
    Row r;
    r.when = QDateTime::fromString(QString::fromLatin1(when), Qt::ISODate);
    r.name = QString::fromUtf8(name);
    r.account = QString::fromLatin1(account);
    r.right = right;
    r.wrong = wrong;
    r.total = right + wrong;
    r.seconds = seconds;
    r.upTo = 20;
    r.minutes = 1;
    r.practice = practice;
    return r;
}

// Anna's eleven one-minute contests, 1 to 11 December at ten, then "anna "
// (the same account, typed otherwise) practising on the 12th, and Bea, who
// left at once on the 9th.
QList<Row> classRows()
{
    const int right[] = {5, 6, 7, 8, 9, 10, 4, 12, 11, 13, 14};
    const int wrong[] = {5, 4, 3, 2, 1, 0, 6, 0, 1, 1, 2};
    QList<Row> rows;
    for (int k = 0; k < 11; ++k)
        rows << contest(
            qPrintable(QString("2026-12-%1T10:00:00+01:00").arg(k + 1, 2, 10, QChar('0'))), "Anna",
            "anna", right[k], wrong[k], 60);
    rows[0].crossed = records::results::Crossed{{3, 1, 0}, {2, 1, 0}};
    rows[10].crossed = records::results::Crossed{{2, 2, 1}, {0, 1, 1}};
    rows << contest("2026-12-12T10:00:00+01:00", "anna ", "anna", 20, 0, 120, true);
    rows << contest("2026-12-09T11:00:00+01:00", "Bea", "bea", 0, 0, 0);
    return rows;
}

} // namespace

// A child's figures, worked out by hand: the median pace and the accuracy of
// the last ten contests with time played, the best of the timed ones, the
// crossings missed, worst share first.
void TestResults::childrenSummary_data()
{
    QTest::addColumn<int>("period");
    QTest::addColumn<int>("play");
    QTest::addColumn<bool>("merged"); // "anna " joined to Anna
    QTest::addColumn<QStringList>("names");
    QTest::addColumn<int>("contests"); // Anna's
    QTest::addColumn<int>("best");
    QTest::addColumn<double>("perMinute");
    QTest::addColumn<int>("right"); // accuracy: right of answered
    QTest::addColumn<int>("answered");
    QTest::addColumn<QList<double>>("trend");
    QTest::addColumn<QStringList>("missed");
    const QStringList crossings{"passaggio del migliaio: 1 su 1", "passaggio del centinaio: 2 su 3",
                                "passaggio della decina: 2 su 5"};
    // The last ten are the 2nd to the 11th: sorted 4 6 7 8 9 10 11 12 13 14,
    // median (9 + 10) / 2; right 94 of 114. Crossings: tens 2 of 3 + 2,
    // hundreds 1 + 1 of 1 + 2, the thousand 1 of 1.
    QTest::newRow("everything") << int(progress::Selection::All)
                                << int(progress::Selection::AnyPlay) << false
                                << QStringList{"Anna", "anna ", "Bea"} << 11 << 14 << 9.5 << 94
                                << 114 << QList<double>{6, 7, 8, 9, 10, 4, 12, 11, 13, 14}
                                << crossings;
    QTest::newRow("contests only")
        << int(progress::Selection::All) << int(progress::Selection::Contests) << false
        << QStringList{"Anna", "Bea"} << 11 << 14 << 9.5 << 94 << 114
        << QList<double>{6, 7, 8, 9, 10, 4, 12, 11, 13, 14} << crossings;
    // The practice is Anna's newest: 20 right in two minutes, 10 a minute.
    // The last ten, 3rd to 11th and it: 4 7 8 9 10 10 11 12 13 14, median 10;
    // right 108 of 124; the practice is no best.
    QTest::newRow("anna merged") << int(progress::Selection::All)
                                 << int(progress::Selection::AnyPlay) << true
                                 << QStringList{"Anna", "Bea"} << 12 << 14 << 10.0 << 108 << 124
                                 << QList<double>{7, 8, 9, 10, 4, 12, 11, 13, 14, 10} << crossings;
    // From Monday the 7th to Wednesday the 9th: 4, 12 and 11 right of 27 + 7.
    QTest::newRow("this week") << int(progress::Selection::ThisWeek)
                               << int(progress::Selection::AnyPlay) << false
                               << QStringList{"Anna", "Bea"} << 3 << 12 << 11.0 << 27 << 34
                               << QList<double>{4, 12, 11} << QStringList();
}

void TestResults::childrenSummary()
{
    QFETCH(int, period);
    QFETCH(int, play);
    QFETCH(bool, merged);
    QFETCH(QStringList, names);
    QFETCH(int, contests);
    QFETCH(int, best);
    QFETCH(double, perMinute);
    QFETCH(int, right);
    QFETCH(int, answered);
    QFETCH(QList<double>, trend);
    QFETCH(QStringList, missed);
    progress::Selection s;
    s.now = Now;
    s.period = progress::Selection::Period(period);
    s.play = progress::Selection::Play(play);
    QHash<progress::Key, progress::Key> merges;
    if (merged)
        merges.insert({"anna ", "anna"}, {"Anna", "anna"});
    const QList<progress::Child> children = progress::children(classRows(), s, {"Anna"}, merges);
    QStringList found;
    for (const progress::Child& c : children)
        found << c.name;
    QCOMPARE(found, names);
    const progress::Child& anna = children[0];
    QCOMPARE(anna.contests, contests);
    QCOMPARE(anna.best, best);
    QCOMPARE(anna.perMinute, perMinute);
    QCOMPARE(anna.accuracy, double(right) / answered);
    QCOMPARE(anna.trend, trend);
    QCOMPARE(progress::missedMost(anna), missed);
    QVERIFY(anna.listed);
    // Bea played no second: no pace, no accuracy, a best of 0; not on the list.
    const progress::Child& bea = children.last();
    QVERIFY(bea.perMinute < 0 && bea.accuracy < 0 && bea.trend.isEmpty() && bea.best == 0);
    QVERIFY(!bea.listed);
}

// End to end on a small log: three contests by two children, the
// children's table and a child's page as a screen reader finds them, then
// the class's report as a PDF and the workbook as LibreOffice reads it, all
// with the same figures.
void TestResults::childrenTablePageReportAndWorkbook()
{
    // Western digits always; the decimal comma where the language has one.
    QLocale::setDefault(QLocale(QLocale::Italian));
    QCOMPARE(ChildrenModel::perMinuteText(7.25), QString("7,3"));
    QLocale::setDefault(QLocale(QLocale::Arabic));
    QCOMPARE(ChildrenModel::perMinuteText(7.25), QString("7.3"));
    QLocale::setDefault(QLocale::c()); // decimals as C writes them
    QTemporaryDir dir;
    std::string log = records::results::Header;
    const auto add = [&log](const char* when, const char* name, int right, int wrong,
                            std::vector<records::results::Miss> misses,
                            records::results::Crossed crossed) {
        records::results::Entry e{when, name, right, wrong, 300, false, "eve"};
        e.misses = std::move(misses);
        e.crossed = crossed;
        log += records::results::line(e);
    };
    add("2026-12-07T10:00:00+01:00", "=Ada(1)", 30, 2, {{199, "190"}, {2999, "2000"}},
        {{3, 2, 1}, {0, 1, 1}});
    add("2026-12-08T10:00:00+01:00", "=Ada(1)", 40, 0, {}, {{2, 0, 0}, {0, 0, 0}});
    add("2026-12-08T11:00:00+01:00", "Niccolò", 20, 1, {{9, ""}}, {{1, 0, 0}, {1, 0, 0}});
    QVERIFY(put(dir.filePath("risultati.csv"), QByteArray::fromStdString(log)));
    QVERIFY(put(dir.filePath("classe.txt"), "=Ada(1)\nBruno\n"));
    ResultsWindow window(dir.filePath("risultati.csv"), Now);
    QSignalSpy loaded(&window, &ResultsWindow::loaded);
    window.show();
    QVERIFY(loaded.wait(600000));
    window.tabs()->setCurrentIndex(1);
    QTableView* table = window.childrenTable();
    QCOMPARE(table->accessibleName(), QString("Bambini della classe"));
    const QAbstractItemModel* shown = table->model();
    QCOMPARE(shown->rowCount(), 2);
    QCOMPARE(shown->columnCount(), int(ChildrenModel::Columns)); // a class list: its column too
    // Sorted by name: "=Ada(1)" before "Niccolò". Ada: 30 and 40 right in
    // five minutes, 6 and 8 a minute, median 7; 70 right of 72, 97 %.
    const auto cell = [shown](int row, int column) {
        return shown->index(row, column).data().toString();
    };
    QCOMPARE(cell(0, ChildrenModel::Name), QString("=Ada(1)"));
    QCOMPARE(cell(0, ChildrenModel::Contests), QString("2"));
    QCOMPARE(cell(0, ChildrenModel::Best), QString("40"));
    QCOMPARE(cell(0, ChildrenModel::PerMinute), QString("7.0"));
    QCOMPARE(cell(0, ChildrenModel::Accuracy), QString("97%"));
    QCOMPARE(cell(0, ChildrenModel::Trend), QString("6.0; 8.0"));
    QCOMPARE(cell(0, ChildrenModel::Missed),
             QString("passaggio del migliaio: 1 su 1; passaggio del centinaio: 1 su 2"));
    QCOMPARE(cell(0, ChildrenModel::Listed), QString("sì"));
    QCOMPARE(cell(1, ChildrenModel::Listed), QString("no"));
    QCOMPARE(cell(1, ChildrenModel::Missed), QString("passaggio della decina: 1 su 1"));
    // Sorting by pace puts Niccolò's 4 a minute first.
    table->sortByColumn(ChildrenModel::PerMinute, Qt::AscendingOrder);
    QCOMPARE(cell(0, ChildrenModel::Name), QString("Niccolò"));
    table->sortByColumn(ChildrenModel::Name, Qt::AscendingOrder);
    // Ada's page: her chart in words, her wrong answers as sums, newest first.
    auto* page = qobject_cast<ChildPage*>(window.openChild(0));
    QVERIFY(page);
    QCOMPARE(page->chart()->accessibleDescription(),
             QString("07/12/2026: 6.0 al minuto, 94%; 08/12/2026: 8.0 al minuto, 100%"));
    QStringList sums;
    for (int i = 0; i < page->wrongAnswers()->count(); ++i)
        sums << page->wrongAnswers()->item(i)->text().section("  ", 1);
    QCOMPARE(sums, (QStringList{"199 + 1 = 190", "2999 + 1 = 2000"}));
    // The report: one landscape page, its names and figures as the table's.
    const QString pdf = dir.filePath("classe.pdf");
    {
        QPdfWriter writer(pdf);
        QVERIFY(window.printTo(writer));
    }
    const QString text = QStandardPaths::findExecutable("pdftotext");
    if (text.isEmpty())
        QSKIP("Poppler is not installed (poppler-utils)");
    QProcess info;
    info.start(QStandardPaths::findExecutable("pdfinfo"), {pdf});
    QVERIFY(info.waitForFinished(60000));
    const QString about = QString::fromUtf8(info.readAll());
    QVERIFY2(about.contains(QRegularExpression("Pages:\\s+1\\n")), qPrintable(about));
    QVERIFY2(about.contains("842 x 595 pts (A4)"), qPrintable(about)); // landscape
    QProcess read;
    read.start(text, {"-layout", pdf, "-"});
    QVERIFY(read.waitForFinished(60000));
    const QString printed = QString::fromUtf8(read.readAll());
    for (const char* seen : {"Risultati della classe", "=Ada(1)", "Niccolò", "97%", "7.0",
                             "passaggio del migliaio: 1 su 1", "pagina 1 di 1"})
        QVERIFY2(printed.contains(QString::fromUtf8(seen)), qPrintable(printed));
    // The child's page as a PDF: her name, figures and sums.
    const QString own = dir.filePath("ada.pdf");
    {
        QPdfWriter writer(own);
        QVERIFY(page->printTo(writer));
    }
    read.start(text, {"-layout", own, "-"});
    QVERIFY(read.waitForFinished(60000));
    const QString childPrinted = QString::fromUtf8(read.readAll());
    for (const char* seen :
         {"=Ada(1) (utente eve)", "Gare: 2.", "199 + 1 = 190", "2999 + 1 = 2000"})
        QVERIFY2(childPrinted.contains(QString::fromUtf8(seen)), qPrintable(childPrinted));
    // The workbook: a name stays text, a count a number, in both sheets.
    const QString office = QStandardPaths::findExecutable("soffice");
    if (office.isEmpty())
        QSKIP("LibreOffice is not installed (libreoffice-calc-nogui)");
    const QString book = dir.filePath("risultati.xlsx");
    QVERIFY(window.exportTo(book));
    QProcess convert;
    convert.setProcessChannelMode(QProcess::MergedChannels);
    convert.start(office, {"--headless", "--norestore",
                           "-env:UserInstallation=file://" + dir.filePath("profilo"),
                           "--convert-to", "fods", "--outdir", dir.path(), book});
    QVERIFY(convert.waitForFinished(300000));
    QList<QList<Cell>> cells = rowsOf(dir.filePath("risultati.fods"));
    // The contests sheet (header, 3 rows), then the children's (header, 2);
    // each sheet ends in blank rows.
    cells.removeIf([](const QList<Cell>& row) { return row.isEmpty(); });
    QVERIFY2(cells.size() == 7, convert.readAll().constData());
    for (const QList<Cell>& row : cells)
        for (const Cell& c : row)
            QVERIFY2(!c.formula, qPrintable(c.text));
    // Newest first, as shown: Ada's first contest is the last.
    QCOMPARE(cells[3][1].type, QString("string"));
    QCOMPARE(cells[3][1].text, QString("=Ada(1)"));
    QCOMPARE(cells[3][2].type, QString("float"));
    QCOMPARE(cells[3][12].text, QString("199:190 2999:2000"));
    QCOMPARE(cells[5][0].text, QString("=Ada(1)"));
    QCOMPARE(cells[5][ChildrenModel::Contests].type, QString("float"));
    QCOMPARE(cells[5][ChildrenModel::PerMinute].text, QString("7.0"));
    QCOMPARE(cells[5][ChildrenModel::Accuracy].type, QString("percentage"));
    QCOMPARE(cells[5][ChildrenModel::Accuracy].text, QString("97%"));
}

QTEST_MAIN(TestResults)
#include "tst_results.moc"
