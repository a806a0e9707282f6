// A long day in class: 10,000 rounds and 200 new contests in one process.
// Memory must not grow with either.
#include "Game.h"
#include "Measure.h"

#include <QApplication>
#include <QPixmapCache>
#include <string>

int main(int argc, char** argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    Game game;
    game.start("Anna", 3, 41);
    // Settle the caches of the first rounds and the first reload.
    const auto reload = [&] { game.newContest(); };
    const auto round = [&](int i) {
        game.nextRound(i % 15, (i * 7919) % 10000);
        game.answer(i % 3 ? QString::number(game.contest.state().expectedAnswer)
                          : QStringLiteral("0"));
        game.press(Qt::Key_Return);
        // The fake platform logs every sound; keep its log from growing.
        game.platform.sounds.clear();
    };
    for (int i = 0; i < 300; ++i)
        round(i);
    reload();
    reload();

    header("Soak: 10,000 rounds, then 200 new contests");
    const long before = residentKiB();
    const double perRound = medianMicroseconds(10000, [&](int i) {
        round(i);
        // The counters are 16-bit: start a new contest now and then, as a
        // class does, so they never come near their limit.
        if (i % 5000 == 4999)
            reload();
    });
    const long afterRounds = residentKiB();
    long resident[4] = {};
    const double perReload = medianMicroseconds(200, [&](int i) {
        reload();
        if (i % 50 == 49)
            resident[i / 50] = residentKiB();
        game.platform.boxes.clear();
        game.platform.inputPrompts.clear();
    });
    row("one round (answer, Enter, next)", perRound, "us");
    row("one new contest (window rebuilt)", perReload / 1000.0, "ms");
    row("resident memory before", before / 1024.0, "MiB");
    row("resident memory after 10,000 rounds", afterRounds / 1024.0, "MiB");
    for (int i = 0; i < 4; ++i) {
        const std::string what =
            "resident memory after " + std::to_string(50 * (i + 1)) + " new contests";
        row(what.c_str(), resident[i] / 1024.0, "MiB");
    }
    // Fusion caches button faces per palette in QPixmapCache, whose limit
    // bounds the growth over the first reloads.
    row("QPixmapCache limit", QPixmapCache::cacheLimit() / 1024.0, "MiB");
    row("top-level widgets left", QApplication::topLevelWidgets().size(), "");
    return game.platform.ended ? 1 : 0;
}
