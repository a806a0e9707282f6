// The teacher's results window opening a log of 100,000 contests: from the
// window's making to its rows on screen; then, on a full log of today's
// lines (10 MiB, wrong answers and all), what a teacher does with it; then a
// lab's school year in the school's folder, 30 computers of 10 months each.
// With --scuola FOLDER (a share's, mounted) only the lab's, read from there.
#include "ChildrenModel.h"
#include "Measure.h"
#include "ResultsLog.h"
#include "ResultsWindow.h"
#include "School.h"

#include <QApplication>
#include <QComboBox>
#include <QDateTime>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QLineEdit>
#include <QSignalSpy>
#include <QTabWidget>
#include <QTableView>
#include <QTemporaryDir>
#include <QTest>

#include <functional>
#include <memory>

namespace {

// Waits, without a wall-clock limit of its own, until the condition holds.
template <typename Condition> void until(Condition done)
{
    while (!done())
        QCoreApplication::processEvents(QEventLoop::AllEvents, 5);
}

bool write(const QString& path, const QByteArray& bytes)
{
    QFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size();
}

// 100,000 contests of an older copy, 25 children, one every 150 seconds.
QByteArray olderLog()
{
    QByteArray log = "data,nome,esatte,errate,totali,secondi,record\r\n";
    const QDateTime start = QDateTime::currentDateTime().addDays(-200);
    for (int i = 0; i < 100000; ++i)
        log += start.addSecs(150LL * i).toString(Qt::ISODate).toLatin1() + ",Bambino " +
               QByteArray::number(i % 25) + ',' + QByteArray::number(i % 40) + ",3," +
               QByteArray::number(i % 40 + 3) + ",300,no\r\n";
    return log;
}

// A log at its bound: 8 MiB of an older copy's short lines, then today's,
// three wrong answers each and crossings, 30 children in all.
QByteArray fullLog(int& lines)
{
    std::string log = records::results::OldHeader;
    const QDateTime start = QDateTime::currentDateTime().addDays(-300);
    lines = 0;
    for (int i = 0; log.size() < 8 * 1024 * 1024; ++i, ++lines)
        log += start.addSecs(60LL * i).toString(Qt::ISODate).toStdString() + ",Bambino " +
               std::to_string(i % 30) + ',' + std::to_string(i % 40) + ",3," +
               std::to_string(i % 40 + 3) + ",300,no\r\n";
    for (int i = lines;; ++i) {
        records::results::Entry e{start.addSecs(60LL * i).toString(Qt::ISODate).toStdString(),
                                  "Bambino " + std::to_string(i % 30),
                                  i % 40,
                                  3,
                                  300,
                                  false,
                                  ""};
        e.misses = {{199, "190"}, {2999, "2000"}, {i % 9, ""}};
        e.crossed = records::results::Crossed{{4, 2, 1}, {0, 1, 1}};
        const std::string line = records::results::line(e);
        if (log.size() + line.size() > records::results::MaxBytes)
            break;
        log += line;
        ++lines;
    }
    return QByteArray::fromStdString(log);
}

// From the window's making to each of its parts on screen.
void opening(const QString& path, const char* title)
{
    header(title);
    std::unique_ptr<ResultsWindow> open;
    const double shown = medianMicroseconds(
        7, [&](int) { open.reset(); }, // closing waits for the reading: not timed
        [&](int) {
            open = std::make_unique<ResultsWindow>(path);
            open->show();
            QCoreApplication::processEvents();
        });
    open.reset();
    row("window on screen, rows still being read", shown / 1000.0, "ms");
    // Closing a window waits for its reading: each closes untimed, before
    // the next opens.
    const auto timed = [&](const std::function<void(ResultsWindow&)>& until) {
        return medianMicroseconds(
            7, [&](int) { open.reset(); },
            [&](int) {
                open = std::make_unique<ResultsWindow>(path);
                open->show();
                until(*open);
                open->repaint();
            });
    };
    const double first = timed([](ResultsWindow& window) {
        until([&] { return window.table()->model()->rowCount() > 0; });
    });
    row("the contests' first rows on screen", first / 1000.0, "ms");
    const double children = timed([](ResultsWindow& window) {
        until([&] { return window.children()->rowCount() > 0; });
        window.tabs()->setCurrentIndex(1);
    });
    row("the children's table on screen", children / 1000.0, "ms");
    const double opened = timed([](ResultsWindow& window) {
        until([&] { return !window.model()->reading() && window.children()->rowCount() > 0; });
    });
    open.reset();
    row("all rows read, sorted and painted", opened / 1000.0, "ms");
}

// A school year of a lab: 30 computers, 10 months each of 200 contests, in
// the files their publications write; 60,000 contests, 30 children a class.
bool schoolYear(const QString& school)
{
    if (!write(school + QStringLiteral("/.corvalesta-scuola"), {}))
        return false;
    const QDateTime start(QDate(2026, 9, 1), QTime(9, 0));
    for (int pc = 1; pc <= 30; ++pc) {
        const QString folder = school + QStringLiteral("/pc-%1").arg(pc, 2, 10, QLatin1Char('0'));
        if (!QDir().mkpath(folder))
            return false;
        for (int month = 0; month < 10; ++month) {
            std::string text = records::results::Header;
            const QDateTime first = start.addMonths(month);
            for (int i = 0; i < 200; ++i) {
                records::results::Entry e{
                    first.addSecs(3000LL * i).toString(Qt::ISODate).toStdString(),
                    "Bambino " + std::to_string((pc * 7 + i) % 30),
                    i % 40,
                    3,
                    300,
                    false,
                    "pc" + std::to_string(pc)};
                text += records::results::line(e);
            }
            if (!write(folder + u'/' +
                           QString::fromStdString(
                               records::school::monthFile(first.toString("yyyy-MM").toStdString())),
                       QByteArray::fromStdString(text)))
                return false;
        }
    }
    return true;
}

// The teacher's window on a lab's year, until every computer's children are in.
void lab(const QString& log, const QString& school, const char* title)
{
    header(title);
    std::unique_ptr<ResultsWindow> open;
    const double children = medianMicroseconds(
        5, [&](int) { open.reset(); },
        [&](int) {
            open =
                std::make_unique<ResultsWindow>(log, QDateTime::currentDateTime(), nullptr, school);
            open->show();
            until([&] {
                return !open->model()->reading() && !open->model()->readingSchool() &&
                       open->children()->rowCount() > 0;
            });
            open->tabs()->setCurrentIndex(1);
            open->repaint();
        });
    row("every computer's children on screen", children / 1000.0, "ms");
    row("contests read", open->model()->rowCount(), "");
    open.reset();
    const double read =
        medianMicroseconds(5, [&](int) { ResultsModel::readSchool(school, QString()); });
    row("the school's folder read alone", read / 1000.0, "ms");
}

} // namespace

int main(int argc, char** argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    QTemporaryDir dir;
    if (argc == 3 && QByteArray(argv[1]) == "--scuola") {
        const QString school = QFile::decodeName(argv[2]);
        const QString log = dir.filePath(QStringLiteral("risultati.csv"));
        if (!write(log, records::results::Header) || !schoolYear(school))
            return 1;
        lab(log, school, "A lab's year over its share: 30 computers, 300 months (median of 5)");
        return 0;
    }
    const QString path = dir.filePath(QStringLiteral("risultati.csv"));
    if (!write(path, olderLog()))
        return 1;
    opening(path, "Results window, a log of 100,000 contests (median of 7)");
    int lines = 0;
    if (!write(path, fullLog(lines)))
        return 1;
    opening(path, qPrintable(QStringLiteral("The same, a full log of 10 MiB: %1 contests, "
                                            "the newest in today's lines (median of 7)")
                                 .arg(lines)));
    header("What a teacher does with that log, once it is read (median of 5)");
    ResultsWindow window(path);
    QSignalSpy loaded(&window, &ResultsWindow::loaded);
    window.show();
    until([&] { return loaded.count() > 0; });
    const auto median = [](const std::function<void(int)>& step) {
        return medianMicroseconds(5, step) / 1000.0;
    };
    auto* name = window.findChild<QLineEdit*>(QStringLiteral("filtroNome"));
    auto* upTo = window.findChild<QComboBox*>(QStringLiteral("filtroFinoA"));
    row("sorting the contests by right answers", median([&](int i) {
            window.table()->sortByColumn(1 + i % 2,
                                         i % 2 ? Qt::AscendingOrder : Qt::DescendingOrder);
            window.repaint();
        }),
        "ms");
    row("filtering by a name", median([&](int i) {
            name->setText(QStringLiteral("Bambino %1").arg(i));
            window.repaint();
        }),
        "ms");
    const double cleared = medianMicroseconds(
        5,
        [&](int i) {
            name->setText(QStringLiteral("Bambino %1").arg(i));
            window.repaint();
        },
        [&](int) {
            name->clear();
            window.repaint();
        });
    row("clearing the filter", cleared / 1000.0, "ms");
    row("a range chosen", median([&](int i) {
            upTo->setCurrentIndex(i % 2 ? 0 : 5);
            window.repaint();
        }),
        "ms");
    row("zooming in and out", median([&](int i) {
            QTest::keyClick(&window, i % 2 ? Qt::Key_Minus : Qt::Key_Plus, Qt::ControlModifier);
            window.repaint();
        }),
        "ms");
    row("choosing a contest, its child's chart", median([&](int i) {
            window.table()->selectRow(100 + i);
            window.repaint();
        }),
        "ms");
    window.tabs()->setCurrentIndex(1);
    row("sorting the children by pace", median([&](int i) {
            window.childrenTable()->sortByColumn(ChildrenModel::PerMinute,
                                                 i % 2 ? Qt::AscendingOrder : Qt::DescendingOrder);
            window.repaint();
        }),
        "ms");
    row("opening a child's page", median([&](int i) {
            QWidget* page = window.openChild(i);
            page->repaint();
            page->close();
        }),
        "ms");
    window.close();
    const QString school = dir.filePath(QStringLiteral("scuola"));
    if (!QDir().mkpath(school) || !schoolYear(school))
        return 1;
    lab(path, school,
        "A lab's year beside that log, on this disk: 30 computers, 300 months (median of 5)");
    return 0;
}
