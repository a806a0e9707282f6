#include "CommandLine.h"
#include "Contest.h"
#include "Languages.h"
#include "MainWindow.h"
#include "QtPlatform.h"
#include "Report.h"
#include "ResultsLog.h"
#include "ResultsWindow.h"
#include "SettingsText.h"
#include "SettingsWindow.h"

#include <QApplication>
#include <QFile>
#include <QTimer>

#include <cstdio>

int main(int argc, char** argv)
{
    // Read before any window, so that --help answers without a display.
    QStringList arguments;
    for (int i = 0; i < argc; ++i)
        arguments << QString::fromLocal8Bit(argv[i]);
    const QString version = QStringLiteral(CORVALESTA_VERSION);
    const QStringList spoken = languages::available();
    CommandLine line = CommandLine::parse(arguments, version, spoken);
    const QString language =
        line.language.isEmpty() ? languages::choose(languages::wanted(), spoken) : line.language;
    if (line.action == CommandLine::Help || line.action == CommandLine::Version ||
        line.action == CommandLine::Refused) {
        // Said again, in the language chosen.
        QCoreApplication words(argc, argv);
        languages::install(language);
        line = CommandLine::parse(arguments, version, spoken);
        const QByteArray text = line.text.toLocal8Bit();
        std::fputs(text.constData(), line.action == CommandLine::Refused ? stderr : stdout);
        return line.action == CommandLine::Refused ? 2 : 0;
    }

    // A report printed from a script needs no screen.
    if (line.action == CommandLine::Results && !line.print.isEmpty() &&
        qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM") && qEnvironmentVariableIsEmpty("DISPLAY") &&
        qEnvironmentVariableIsEmpty("WAYLAND_DISPLAY"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    languages::install(language);
    QApplication::setApplicationName(QStringLiteral("corvalesta"));
    QApplication::setApplicationVersion(version);
    // Docks and task bars match the window to its desktop entry.
    QGuiApplication::setDesktopFileName(QStringLiteral("org.example.corvalesta"));
    MainWindow::prepareApplication();

    QtPlatform platform;
    // The teachers' settings beside the record; the administrator's win.
    const settingsText::Files files{QString::fromLatin1(settings::AdminFile),
                                    platform.recordDirectory() + u'/' +
                                        QString::fromLatin1(settings::FileName)};
    if (line.action == CommandLine::Settings) {
        SettingsWindow window(files, platform.recordDirectory(), platform.recordService(),
                              platform.recordService().isEmpty() || SettingsWindow::teacher());
        window.show();
        return app.exec();
    }
    const QString log =
        platform.recordDirectory() + u'/' + QString::fromLatin1(records::results::Name);
    if (line.action == CommandLine::Results && !line.print.isEmpty()) {
        progress::Selection selection;
        selection.upTo = line.upTo;
        selection.minutes = line.minutes;
        selection.play = progress::Selection::Play(line.play);
        selection.period = progress::Selection::Period(line.period);
        selection.name = line.name.trimmed();
        const QString error = report::printLog(log, selection, line.print);
        if (!error.isEmpty())
            std::fputs(qPrintable(QStringLiteral("corvalesta: %1\n").arg(error)), stderr);
        return error.isEmpty() ? 0 : 1;
    }
    // The teacher's window on the class's results, instead of a contest.
    if (line.action == CommandLine::Results) {
        // A lab's: every computer's results, from the school's folder.
        const std::string school = settings::read(settings::AdminFile).school;
        ResultsWindow results(log, QDateTime::currentDateTime(), nullptr,
                              QString::fromStdString(school));
        results.show();
        return app.exec();
    }
    // The sound system is woken while the name prompt is open: it is not
    // needed before the first answer, and it must not delay the prompt.
    QTimer::singleShot(2 * Contest::WindowBuildDelay, &app, [&platform] {
        for (const QString& sound : {Contest::RightSound, Contest::WrongSound})
            platform.preloadWave(platform.programFolder() + u'/' + sound);
    });

    const settings::InForce in = settingsText::load(files);
    line.options.game = in.values;
    line.options.school = in.school;
    line.options.names =
        settings::readClass(QFile::encodeName(platform.recordDirectory() + u'/' +
                                              QString::fromLatin1(settings::ClassFile))
                                .toStdString());
    // A bad file is told, and the game goes on with the defaults for what it
    // could not read.
    if (const QStringList problems = settingsText::problems(in, files); !problems.isEmpty()) {
        std::fputs(qPrintable(problems.join(u'\n') + u'\n'), stderr);
        static_cast<Platform&>(platform).messageBox(problems.join(QStringLiteral("\n\n")));
    }
    Contest contest(platform, line.options);
    contest.load();
    return app.exec();
}
