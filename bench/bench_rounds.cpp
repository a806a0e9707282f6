// Dealing a round and checking an answer in the real window, offscreen.
#include "AnswerBox.h"
#include "Game.h"
#include "MainWindow.h"
#include "Measure.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QMenuBar>
#include <QTemporaryFile>

int main(int argc, char** argv)
{
    // A 4K screen, as a whiteboard's: the game tunes its text drawing to it.
    QTemporaryFile config(QDir::tempPath() + QStringLiteral("/bench-screen-XXXXXX.json"));
    if (!config.open() ||
        config.write(R"({"screens": [{"name": "4K", "x": 0, "y": 0, "width": 3840, "height": 2160,
                         "logicalDpi": 96, "logicalBaseDpi": 96, "dpr": 1}]})") < 0)
        return 1;
    config.close();
    qputenv("QT_QPA_PLATFORM", "offscreen:configfile=" + QFile::encodeName(config.fileName()));
    QApplication app(argc, argv);
    Game game;
    game.start("Anna", 3, 41);
    constexpr int Runs = 2000;
    for (int i = 0; i < 2 * Runs + 1000; ++i)
        game.nextRound(i % 15, (i * 37) % 10000);

    header("Rounds in the real window (offscreen, on a 3840 x 2160 screen)");
    const double deal = medianMicroseconds(Runs, [&](int) {
        game.contest.dealRound();
        QCoreApplication::processEvents();
    });
    row("deal a round (incl. painting)", deal, "us");
    // Painting included: the events are processed inside the timed step.
    const auto check = [&](const QString& answer) {
        return medianMicroseconds(
            Runs,
            [&](int) {
                game.contest.dealRound();
                QCoreApplication::processEvents();
                game.answerBox()->setText(answer.isEmpty()
                                              ? QString::number(game.contest.state().expectedAnswer)
                                              : answer);
            },
            [&](int) {
                game.contest.checkAnswer();
                QCoreApplication::processEvents();
            });
    };
    row("check a right answer", check(QString()), "us");
    row("check a wrong answer (window to black)", check(QStringLiteral("0")), "us");

    // The same scene on whiteboards and large screens: dealing with its
    // painting, and one resize step that zooms the whole scene anew.
    header("Rounds and zoom steps by client area (medians)");
    MainWindow* window = game.window();
    const int menu = window->menuBar()->height();
    for (const QSize client :
         {QSize(792, 554), QSize(1920, 1080 - menu), QSize(3840, 2160 - menu)}) {
        window->resize(client.width(), client.height() + menu);
        QCoreApplication::processEvents();
        const QByteArray size =
            QByteArray::number(client.width()) + "x" + QByteArray::number(client.height());
        const double dealt = medianMicroseconds(200, [&](int) {
            game.contest.dealRound();
            window->repaint();
        });
        row(("deal and paint a round, " + size).constData(), dealt, "us");
        const double step = medianMicroseconds(100, [&](int i) {
            window->resize(client.width() - 8 * (i % 2), client.height() + menu);
            QCoreApplication::processEvents();
            window->repaint();
        });
        row(("one resize step, " + size).constData(), step / 1000.0, "ms");
    }
    return 0;
}
