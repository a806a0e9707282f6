// The teacher's window on the class's results, on a generated log of
// 100,000 contests: what it reads, filters, sorts, charts and exports.
#include "ResultsChart.h"
#include "ResultsModel.h"
#include "ResultsWindow.h"

#include <QComboBox>
#include <QLineEdit>
#include <QSignalSpy>
#include <QTableView>
#include <QTemporaryDir>
#include <QTest>

#include <cstdlib>
#include <ctime>

class TestResults : public QObject {
    Q_OBJECT
private slots:
    void initTestCase();
    void filtersSortingAndExport();
    void closedWhileReading();

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
}

void TestResults::filtersSortingAndExport()
{
    ResultsWindow window(m_log, Now);
    QSignalSpy loaded(&window, &ResultsWindow::loaded);
    window.show();
    QVERIFY(loaded.wait(10000));
    QCOMPARE(window.model()->rowCount(), 100000);
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
    QCOMPARE(file.readAll(),
             QByteArray("data,nome,esatte,errate,totali,secondi,record\r\n"
                        "2026-12-09T12:00:00+01:00,\"Zoe, \"\"Z\"\"\",39,4,43,300,no\r\n"
                        "2026-12-09T11:59:00+01:00,\"Zoe, \"\"Z\"\"\",38,3,41,300,no\r\n"
                        "2026-12-09T11:58:00+01:00,\"Zoe, \"\"Z\"\"\",37,2,39,300,no\r\n"));
}

// A teacher who closes the window before the log is read.
void TestResults::closedWhileReading()
{
    for (int i = 0; i < 3; ++i) {
        auto* window = new ResultsWindow(m_log, Now);
        window->show();
        delete window;
    }
    QTest::qWait(300); // any late news of the reading arrives, and is dropped
}

QTEST_MAIN(TestResults)
#include "tst_results.moc"
