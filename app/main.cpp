#include "Contest.h"
#include "MainWindow.h"
#include "QtPlatform.h"
#include "ResultsWindow.h"

#include <QApplication>
#include <QTimer>

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("corvalesta"));
    // Docks and task bars match the window to its desktop entry.
    QGuiApplication::setDesktopFileName(QStringLiteral("org.example.corvalesta"));
    MainWindow::prepareApplication();

    // A touch keypad beside the scene even without a touch screen.
    if (app.arguments().contains(QStringLiteral("--tastierino")))
        MainWindow::setKeypadWanted(true);
    // The end-to-end tests play a contest on a faster clock.
    if (const int ms = qEnvironmentVariableIntValue("CORVALESTA_TICK_MS"); ms > 0)
        Contest::setTickInterval(ms);

    QtPlatform platform;
    // The teacher's window on the class's results, instead of a contest.
    if (app.arguments().contains(QStringLiteral("--risultati"))) {
        ResultsWindow results(platform.recordDirectory() + QStringLiteral("/risultati.csv"));
        results.show();
        return app.exec();
    }
    // The sound system is woken while the name prompt is open: it is not
    // needed before the first answer, and it must not delay the prompt.
    QTimer::singleShot(2 * Contest::WindowBuildDelay, &app, [&platform] {
        for (const QString& sound : {Contest::RightSound, Contest::WrongSound})
            platform.preloadWave(platform.programFolder() + u'/' + sound);
    });

    Contest contest(platform);
    contest.load();
    return app.exec();
}
