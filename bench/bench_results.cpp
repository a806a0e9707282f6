// The teacher's results window opening a log of 100,000 contests: from the
// window's making to its rows sorted on screen.
#include "Measure.h"
#include "ResultsWindow.h"

#include <QApplication>
#include <QDateTime>
#include <QElapsedTimer>
#include <QFile>
#include <QSignalSpy>
#include <QTemporaryDir>

#include <memory>

int main(int argc, char** argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("risultati.csv"));
    QByteArray log = "data,nome,esatte,errate,totali,secondi,record\r\n";
    const QDateTime start = QDateTime::currentDateTime().addDays(-200);
    for (int i = 0; i < 100000; ++i)
        log += start.addSecs(150LL * i).toString(Qt::ISODate).toLatin1() + ",Bambino " +
               QByteArray::number(i % 25) + ',' + QByteArray::number(i % 40) + ",3," +
               QByteArray::number(i % 40 + 3) + ",300,no\r\n";
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(log) != log.size())
        return 1;
    file.close();
    header("Results window, a log of 100,000 contests (median of 7)");
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
    const double opened = medianMicroseconds(7, [&](int) {
        ResultsWindow window(path);
        QSignalSpy loaded(&window, &ResultsWindow::loaded);
        window.show();
        if (!loaded.wait(10000))
            std::abort();
        window.repaint();
    });
    row("all rows read, sorted and painted", opened / 1000.0, "ms");
    return 0;
}
