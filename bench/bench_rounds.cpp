// Dealing a round and checking an answer in the real window, offscreen.
#include "AnswerBox.h"
#include "Game.h"
#include "Measure.h"

#include <QApplication>

int main(int argc, char** argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    Game game;
    game.start("Anna", 3, 41);
    constexpr int Runs = 2000;
    for (int i = 0; i < 2 * Runs + 10; ++i)
        game.nextRound(i % 15, (i * 37) % 10000);

    header("Rounds in the real window (offscreen)");
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
    return 0;
}
