#include "Contest.h"
#include "MainWindow.h"
#include "QtPlatform.h"

#include <QApplication>

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("corvalesta"));
    MainWindow::prepareApplication();

    QtPlatform platform;
    for (const QString& sound : {Contest::RightSound, Contest::WrongSound})
        platform.preloadWave(platform.programFolder() + u'/' + sound);

    Contest contest(platform);
    contest.load();
    return app.exec();
}
