// Resident memory over 20 new contests, each rebuilding the window, on the
// platform given (offscreen unless a display is set).
#include "Game.h"
#include "Measure.h"

#include <QApplication>

int main(int argc, char** argv)
{
    if (qEnvironmentVariableIsEmpty("DISPLAY"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    Game game;
    game.start("Anna", 3, 41);
    const auto reload = [&] {
        game.newContest();
        game.platform.boxes.clear();
        game.platform.inputPrompts.clear();
    };
    const auto settle = [] {
        for (int i = 0; i < 5; ++i)
            QCoreApplication::processEvents(QEventLoop::AllEvents, 20);
    };
    settle();
    const long start = residentKiB();
    reload();
    settle();
    const long afterFirst = residentKiB();
    for (int i = 1; i < 20; ++i)
        reload();
    settle();
    const long after = residentKiB();
    header(qPrintable("New contests on " + QGuiApplication::platformName()));
    row("resident memory at the first contest", start / 1024.0, "MiB");
    row("growth over 20 new contests", (after - start) / 1024.0, "MiB");
    row("growth over the last 19", (after - afterFirst) / 1024.0, "MiB");
    return game.platform.ended ? 1 : 0;
}
