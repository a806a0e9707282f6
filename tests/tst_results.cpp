// The teacher's window on the class's results, on a generated log of
// 100,000 contests: what it reads, filters, sorts, charts and exports.
#include "Files.h"
#include "ResultsChart.h"
#include "ResultsModel.h"
#include "ResultsWindow.h"
#include "SettingsWindow.h"

#include <QComboBox>
#include <QDir>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSignalSpy>
#include <QTableView>
#include <QTemporaryDir>
#include <QTest>

#include <cstdlib>
#include <ctime>
#include <sys/stat.h>
#include <unistd.h>

class TestResults : public QObject {
    Q_OBJECT
private slots:
    void initTestCase();
    void filtersSortingAndExport();
    void oddLogsAreToldNotRead_data();
    void oddLogsAreToldNotRead();
    void closedWhileReading();
    void settingsWindow_data();
    void settingsWindow();

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
    window.show();
    QVERIFY(loaded.wait(600000)); // Valgrind on a busy machine: minutes
    QCOMPARE(window.model()->rowCount(), 100000);
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

QTEST_MAIN(TestResults)
#include "tst_results.moc"
