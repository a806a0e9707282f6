// The teacher's results window opening a log of 100,000 contests: from the
// window's making to its rows on screen; then, on a full log of today's
// lines (10 MiB, wrong answers and all), what a teacher does with it.
#include "ChildrenModel.h"
#include "Measure.h"
#include "ResultsLog.h"
#include "ResultsWindow.h"

#include <QApplication>
#include <QComboBox>
#include <QDateTime>
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

} // namespace

int main(int argc, char** argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    QTemporaryDir dir;
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
    return 0;
}
