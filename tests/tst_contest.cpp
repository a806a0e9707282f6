// A whole contest: the countdown, its end, the exit button and starting anew.
#include "AnswerBox.h"
#include "Backdrop.h"
#include "Clock.h"
#include "DesignLabel.h"
#include "EndOfContest.h"
#include "Files.h"
#include "Game.h"
#include "MainWindow.h"
#include "PictureButton.h"
#include "RecordFiles.h"
#include "ResultsLog.h"
#include "SysCalls.h"

#include "QtPlatform.h"

#include <QApplication>
#include <QClipboard>
#include <QComboBox>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QInputDialog>
#include <QLineEdit>
#include <QMenuBar>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

#include <chrono>
#include <thread>

class TestContest : public QObject {
    Q_OBJECT
private slots:
    void clockShowsFiveMinutesAtStart();
    void ticksCountDown_data();
    void ticksCountDown();
    void endTestReadsWhatWasShown();
    void timerIsOffDuringTheNamePrompt();
    void oneGoodbyeWhateverTicksArrive();
    void exitSavesABetterScore_data();
    void exitSavesABetterScore();
    void closingTheWindowSavesNothing();
    void newContestQuestions_data();
    void newContestQuestions();
    void newContestStartsAfresh();
    void countdownEndsInsideTheQuestion();
    void startUpFaultStopsBeforeTheWindow();
    void pastedNameStaysOnOneLine();
    void spokenTimeLeft_data();
    void spokenTimeLeft();
    void f2SaysTheTimeAndTheRecord();
    void roundsStayInTheirRange_data();
    void roundsStayInTheirRange();
    void contestLasts_data();
    void contestLasts();
    void practiceHasNoClockNorRecord();
    void wrongAnswersAndCrossingsAreKept_data();
    void wrongAnswersAndCrossingsAreKept();
    void childPicksWhenBothAreOffered_data();
    void childPicksWhenBothAreOffered();
    void schoolRecordShownWhenHigher_data();
    void schoolRecordShownWhenHigher();
    void holderShownAsTheTeacherWants_data();
    void holderShownAsTheTeacherWants();
    void classListIsOfferedAtThePrompt_data();
    void classListIsOfferedAtThePrompt();
};

namespace {

void ticks(Game& game, int n)
{
    for (int i = 0; i < n; ++i)
        game.contest.clock()->tick();
}

QString scoreFile(const Game& game)
{
    return game.platform.recordDir + "/" + records::ScoreFile;
}

QString holderFile(const Game& game)
{
    return game.platform.recordDir + "/" + records::HolderFile;
}

} // namespace

void TestContest::clockShowsFiveMinutesAtStart()
{
    Game game;
    game.start();
    QCOMPARE(game.caption("lblconto"), QString("00:05:00"));
    QVERIFY(game.contest.clock()->isEnabled());
    QCOMPARE(game.contest.clock()->interval(), 1000);
    auto* timer = game.window()->findChild<QTimer*>("Timer1");
    QVERIFY(timer);
    QCOMPARE(timer->timerType(), Qt::PreciseTimer);
}

void TestContest::ticksCountDown_data()
{
    QTest::addColumn<int>("n");
    QTest::addColumn<QString>("shown");
    QTest::addColumn<QStringList>("said"); // to a screen reader, unasked
    const QStringList minutes = {"Mancano 4 minuti.", "Mancano 3 minuti.", "Mancano 2 minuti.",
                                 "Manca 1 minuto."};
    QTest::newRow("first") << 1 << "00:04:59" << QStringList{};
    QTest::newRow("second") << 2 << "00:04:58" << QStringList{};
    QTest::newRow("whole minute") << 60 << "00:04:00" << minutes.mid(0, 1);
    QTest::newRow("borrow") << 61 << "00:03:59" << minutes.mid(0, 1);
    QTest::newRow("last minute") << 241 << "00:00:59" << minutes;
    QTest::newRow("thirty seconds")
        << 270 << "00:00:30" << minutes + QStringList{"Mancano 30 secondi."};
    QTest::newRow("zero") << 300 << "00:00:00"
                          << minutes + QStringList{"Mancano 30 secondi.", "Mancano 10 secondi."};
}

namespace {
// What the game says to a screen reader by itself: the announcements, each
// as it appears.
class Announcements : public QObject {
public:
    explicit Announcements(MainWindow* window)
        : m_announcer(window->findChild<QWidget*>("announcer"))
    {
        m_announcer->installEventFilter(this);
    }
    QStringList said;

protected:
    bool eventFilter(QObject*, QEvent* event) override
    {
        if (event->type() == QEvent::Show)
            said << m_announcer->accessibleName();
        return false;
    }

private:
    QWidget* m_announcer;
};
} // namespace

void TestContest::ticksCountDown()
{
    QFETCH(int, n);
    QFETCH(QString, shown);
    QFETCH(QStringList, said);
    Game game;
    game.start();
    Announcements heard(game.window());
    ticks(game, n);
    QCOMPARE(game.caption("lblconto"), shown);
    QCOMPARE(heard.said, said);
    QVERIFY(!game.platform.ended);
    QCOMPARE(game.contest.state().clockHours, 0);
    // Zero stays on screen for one whole tick; the next one ends the contest.
    if (n == 300) {
        ticks(game, 1);
        QVERIFY(game.platform.ended);
        QCOMPARE(game.platform.boxPrompts().last(), contest::Goodbye);
        QCOMPARE(game.caption("lblconto"), QString("00:00:00"));
    }
}

// The end test reads what the child sees: zero shown ends the contest at the
// next tick, whatever the fields hold by then.
void TestContest::endTestReadsWhatWasShown()
{
    std::int16_t hours = 0, minutes = 0;
    float seconds = 0.0f;
    Clock clock(hours, minutes, seconds);
    QSignalSpy runOut(&clock, &Clock::runOut);
    QSignalSpy shown(&clock, &Clock::shown);
    clock.show();
    QCOMPARE(shown.takeFirst().at(0).toString(), QString("00:00:00"));
    minutes = 4;
    clock.tick();
    QCOMPARE(runOut.count(), 1);
    QCOMPARE(minutes, std::int16_t(4));
}

void TestContest::timerIsOffDuringTheNamePrompt()
{
    Game game;
    QList<bool> running;
    game.platform.whileInputOpen = [&](const QString&) {
        // A child takes a while to type: the window is built meanwhile, its
        // clock standing still.
        QTest::qWait(2 * Contest::WindowBuildDelay);
        QVERIFY(game.window() && !game.window()->isVisible());
        running << game.contest.clock()->isEnabled();
    };
    game.platform.whileBoxOpen = [&](const FakePlatform::Box&) {
        running << game.contest.clock()->isEnabled();
    };
    game.start();
    QCOMPARE(running, (QList<bool>{false, false}));
    QVERIFY(game.contest.clock()->isEnabled());
}

void TestContest::oneGoodbyeWhateverTicksArrive()
{
    Game game;
    game.start();
    game.answer("42");
    ticks(game, 300);
    int ticksDuringGoodbye = 0;
    game.platform.whileBoxOpen = [&](const FakePlatform::Box& box) {
        if (box.prompt == contest::Goodbye && ticksDuringGoodbye == 0) {
            // The clock keeps ticking behind the open box.
            ticksDuringGoodbye = 3;
            ticks(game, 3);
        }
    };
    ticks(game, 1);
    QCOMPARE(game.platform.boxPrompts().count(contest::Goodbye), 1);
    // A screen reader reads the final score with the goodbye.
    QCOMPARE(game.platform.boxes.value(1).spoken,
             QString("Tempo scaduto! Risposte esatte: 1, errate: 0, totali: 1."));
    QCOMPARE(game.platform.endings, 1);
    QCOMPARE(game.platform.exitStatus, 0);
    // A first record of 1: saved once, confirmed once.
    QCOMPARE(game.platform.boxPrompts().count(contest::Saved), 1);
    QCOMPARE(bytesOf(scoreFile(game)), QByteArray("1\r\n"));
    // Nothing runs after the end.
    ticks(game, 1);
    game.press(Qt::Key_Return);
    QCOMPARE(game.platform.boxes.size(), 3);
}

void TestContest::exitSavesABetterScore_data()
{
    QTest::addColumn<QByteArray>("stored");
    QTest::addColumn<int>("right");
    QTest::addColumn<QStringList>("boxes");
    QTest::addColumn<QByteArray>("scoreAfter");
    QTest::newRow("first record") << QByteArray() << 2 << QStringList{contest::Saved}
                                  << QByteArray("2\r\n");
    QTest::newRow("equal, silent")
        << QByteArray("2\r\n") << 2 << QStringList{} << QByteArray("2\r\n");
    QTest::newRow("beaten") << QByteArray("1\r\n") << 2 << QStringList{contest::Saved}
                            << QByteArray("2\r\n");
    QTest::newRow("no right answer, no record")
        << QByteArray() << 0 << QStringList{} << QByteArray();
}

void TestContest::exitSavesABetterScore()
{
    QFETCH(QByteArray, stored);
    QFETCH(int, right);
    QFETCH(QStringList, boxes);
    QFETCH(QByteArray, scoreAfter);
    Game game;
    QVERIFY(QDir().mkpath(game.platform.recordDir));
    QVERIFY(put(scoreFile(game), stored));
    game.start("Bea", 1, 100);
    // Round i shows 100 + i.
    for (int i = 0; i < right; ++i) {
        game.answer(QString::number(100 + i + 1));
        game.nextRound(1, 100 + i + 1);
        game.press(Qt::Key_Return);
    }
    game.answer("1");
    // A second played: three answers in none are more than a child types.
    game.contest.clock()->tick();
    game.platform.boxes.clear();
    // Alt+X works from anywhere, even with a round open.
    game.press(Qt::Key_X, Qt::AltModifier);
    QTRY_VERIFY(game.platform.ended);
    QCOMPARE(game.platform.boxPrompts(), boxes);
    QCOMPARE(bytesOf(scoreFile(game)), scoreAfter);
    QCOMPARE(bytesOf(holderFile(game)), boxes.isEmpty() ? QByteArray() : QByteArray("Bea\r\n"));
    QCOMPARE(game.platform.exitStatus, 0);
}

void TestContest::closingTheWindowSavesNothing()
{
    Game game;
    game.start();
    game.answer("42");
    QVERIFY(game.window()->close());
    QVERIFY(!game.platform.ended);
    QCOMPARE(bytesOf(scoreFile(game)), QByteArray());
    QCOMPARE(bytesOf(holderFile(game)), QByteArray());
}

void TestContest::newContestQuestions_data()
{
    QTest::addColumn<int>("answer");
    QTest::addColumn<QString>("name");
    QTest::addColumn<QStringList>("typed"); // at the table-limit question
    QTest::addColumn<QStringList>("boxes"); // after the question
    QTest::addColumn<bool>("reloaded");
    QTest::addColumn<QString>("tableLimit");
    const QString greet = " Carla vediamo se sei un vero campione  ";
    QTest::newRow("no") << int(Platform::AnswerNo) << "Anna" << QStringList{} << QStringList{}
                        << false << "";
    QTest::newRow("yes, empty limit")
        << int(Platform::AnswerYes) << "Anna" << QStringList{""}
        << QStringList{" Anna siccome non hai scelto arriviamo fino al 10.", greet} << true << "10";
    QTest::newRow("yes, empty limit, no name")
        << int(Platform::AnswerYes) << "" << QStringList{""}
        << QStringList{"  siccome non hai scelto arriviamo fino al 10.", greet} << true << "10";
    QTest::newRow("yes, a number") << int(Platform::AnswerYes) << "Anna" << QStringList{"7"}
                                   << QStringList{greet} << true << "7";
    QTest::newRow("yes, not a number") << int(Platform::AnswerYes) << "Anna" << QStringList{"boh"}
                                       << QStringList{greet} << true << "boh";
}

void TestContest::newContestQuestions()
{
    QFETCH(int, answer);
    QFETCH(QString, name);
    QFETCH(QStringList, typed);
    QFETCH(QStringList, boxes);
    QFETCH(bool, reloaded);
    QFETCH(QString, tableLimit);
    Game game;
    game.start(name, 4, 500);
    game.type("50");
    MainWindow* first = game.window();
    game.platform.boxes.clear();
    game.platform.inputPrompts.clear();
    game.platform.boxAnswers << answer;
    game.platform.inputAnswers << typed << "Carla";
    game.nextRound(6, 600);
    game.window()->findChild<QAction*>("Next")->trigger();

    QCOMPARE(game.platform.boxes.first().prompt, QString("INIZIAMO UNA NUOVA GARA  ?"));
    QCOMPARE(game.platform.boxes.first().title, QString("INIZIARE NUOVA GARA"));
    QCOMPARE(game.platform.boxes.first().buttons, 292);
    QCOMPARE(game.platform.boxPrompts().mid(1), boxes);
    QCOMPARE(game.contest.state().tableLimitText, tableLimit);
    if (!reloaded) {
        // Nothing changed: same window, same open round, same typing.
        QCOMPARE(game.window(), first);
        QCOMPARE(game.caption("lblNum1"), QString("500"));
        QCOMPARE(game.answerBox()->text(), QString("50"));
        QVERIFY(game.platform.inputPrompts.isEmpty());
        return;
    }
    QCOMPARE(game.platform.inputPrompts,
             (QStringList{"Tavola pitagorica fino al numero? ", "Come ti chiami?"}));
    QVERIFY(game.window() != first);
    QCOMPARE(game.caption("lblnome1"), QString("Carla"));
    QCOMPARE(game.caption("lblNum1"), QString("600"));
}

void TestContest::newContestStartsAfresh()
{
    Game game;
    game.start("Anna", 2, 10);
    game.answer("11");
    game.nextRound(2, 20);
    game.press(Qt::Key_Return);
    game.answer("5");
    ticks(game, 75);
    game.window()->showMinimized();
    QTRY_COMPARE(game.window()->windowTitle(), QString("Corvalesta"));
    QPointer<MainWindow> first = game.window();
    // Another copy saved a record meanwhile: the new start-up reads it.
    QVERIFY(put(scoreFile(game), "9\r\n"));
    const int drawn = game.platform.randomsDrawn;
    game.platform.boxAnswers << Platform::AnswerYes;
    game.platform.inputAnswers << "3"
                               << "Dario";
    game.nextRound(8, 77);
    game.window()->findChild<QAction*>("Next")->trigger();

    QCOMPARE(game.caption("lblScore"), QString("0"));
    QCOMPARE(game.caption("lblScore1"), QString("0"));
    QCOMPARE(game.caption("lblScore2"), QString("0"));
    QCOMPARE(game.caption("lblMessage"), QString());
    QCOMPARE(game.caption("lblconto"), QString("00:05:00"));
    QCOMPARE(game.caption("lblpunti"), QString("9\r\n"));
    QCOMPARE(game.contest.state().correctCount, 0);
    QCOMPARE(game.contest.state().wrongCount, 0);
    QCOMPARE(game.window()->windowTitle(), QString("Ventobaldo- Arrivo fino a 10000"));
    QVERIFY(!game.next()->isEnabled());
    QVERIFY(game.window()->backdrop()->showsRamp());
    // Typing goes on in the new window once the system has activated it.
    QTRY_COMPARE(game.focus(), game.answerBox());
    // One first round, with the random sequence going on.
    QCOMPARE(game.platform.randomsDrawn, drawn + 2);
    QCOMPARE(game.caption("lblNum1"), QString("77"));
    // The old window and its clock are gone once the event loop runs.
    QTRY_VERIFY(first.isNull());
    ticks(game, 1);
    QCOMPARE(game.caption("lblconto"), QString("00:04:59"));
    // The abandoned contest was never compared or saved.
    QCOMPARE(bytesOf(scoreFile(game)), QByteArray("9\r\n"));
    QCOMPARE(bytesOf(holderFile(game)), QByteArray());
    QVERIFY(!game.platform.ended);
}

void TestContest::countdownEndsInsideTheQuestion()
{
    Game game;
    game.start();
    ticks(game, 300);
    game.platform.whileBoxOpen = [&](const FakePlatform::Box& box) {
        if (box.buttons == Platform::YesNoQuestionDefaultNo)
            ticks(game, 1);
    };
    game.platform.boxAnswers << Platform::AnswerYes;
    game.window()->findChild<QAction*>("Next")->trigger();
    QVERIFY(game.platform.ended);
    QCOMPARE(game.platform.boxPrompts(),
             (QStringList{" Anna vediamo se sei un vero campione  ", "INIZIAMO UNA NUOVA GARA  ?",
                          contest::Goodbye}));
    // Once ended, the Yes that comes back starts nothing.
    QCOMPARE(game.platform.inputPrompts, QStringList{"Come ti chiami?"});
}

void TestContest::startUpFaultStopsBeforeTheWindow()
{
    Game game;
    // A file where the record directory should be.
    QFile blocker(game.platform.recordDir);
    QVERIFY(blocker.open(QIODevice::WriteOnly));
    blocker.close();
    game.platform.inputAnswers << "Anna";
    game.contest.load();
    QVERIFY(game.platform.ended);
    QCOMPARE(game.platform.exitStatus, 1);
    QVERIFY(game.platform.boxPrompts().last().contains("Motivo"));
    QVERIFY(!game.window() || !game.window()->isVisible());
    QCOMPARE(game.platform.randomsDrawn, 0);
}

// A name pasted into the real prompt, line breaks and all: greeted, praised
// and stored on one line.
void TestContest::pastedNameStaysOnOneLine()
{
    Game game;
    QtPlatform real;
    QString returned;
    game.platform.whileInputOpen = [&](const QString& prompt) {
        QTimer::singleShot(50, [] {
            auto* dialog = qobject_cast<QInputDialog*>(QApplication::activeModalWidget());
            QVERIFY(dialog);
            QLineEdit* edit = dialog->findChild<QLineEdit*>();
            QTest::keyClick(edit, Qt::Key_V, Qt::ControlModifier);
            QTest::keyClick(edit, Qt::Key_Return);
        });
        returned = real.inputBox(prompt);
        game.platform.inputAnswers.prepend(returned);
    };
    QGuiApplication::clipboard()->setText(QStringLiteral("Bea\r\nRossi\t\u0007"));
    game.start(QString(), 3, 41);
    QVERIFY2(returned.contains(u'\n'), qPrintable(returned)); // the paste kept its break
    QCOMPARE(game.platform.boxPrompts().value(0),
             QString(" Bea  Rossi vediamo se sei un vero campione  "));
    game.answer("42");
    QCOMPARE(game.caption("lblMessage"), QString("Esatto! Bea  Rossi sei forte!"));
    game.press(Qt::Key_X, Qt::AltModifier);
    QTRY_VERIFY(game.platform.ended);
    QCOMPARE(bytesOf(holderFile(game)), QByteArray("Bea  Rossi\r\n"));
}

void TestContest::spokenTimeLeft_data()
{
    QTest::addColumn<int>("minutes");
    QTest::addColumn<int>("seconds");
    QTest::addColumn<QString>("spoken");
    QTest::newRow("5:00") << 5 << 0 << "Mancano 5 minuti.";
    QTest::newRow("1:00") << 1 << 0 << "Manca 1 minuto.";
    QTest::newRow("3:20") << 3 << 20 << "Mancano 3 minuti e 20 secondi.";
    QTest::newRow("1:01") << 1 << 1 << "Mancano 1 minuto e 1 secondo.";
    QTest::newRow("0:10") << 0 << 10 << "Mancano 10 secondi.";
    QTest::newRow("0:01") << 0 << 1 << "Manca 1 secondo.";
    QTest::newRow("0:00") << 0 << 0 << "Tempo scaduto.";
}

void TestContest::spokenTimeLeft()
{
    QFETCH(int, minutes);
    QFETCH(int, seconds);
    QFETCH(QString, spoken);
    QCOMPARE(Clock::spoken(std::int16_t(minutes), float(seconds)), spoken);
}

// F2: the time left and the record, whatever has the focus.
void TestContest::f2SaysTheTimeAndTheRecord()
{
    Game game;
    QVERIFY(QDir().mkpath(game.platform.recordDir));
    QVERIFY(put(scoreFile(game), "12\r\n"));
    QVERIFY(put(holderFile(game), "Bea\r\n"));
    game.start();
    Announcements heard(game.window());
    game.press(Qt::Key_F2);
    ticks(game, 61);
    game.answer("42");
    game.press(Qt::Key_F2);
    QCOMPARE(heard.said,
             (QStringList{"Mancano 5 minuti. Il record è di 12 punti, di Bea.", "Mancano 4 minuti.",
                          "Mancano 3 minuti e 59 secondi. Il record è di 12 punti, di Bea."}));
}

void TestContest::roundsStayInTheirRange_data()
{
    QTest::addColumn<int>("upTo");
    QTest::addColumn<QStringList>("shown"); // for the draws 0, 0.5 and 0.99995
    QTest::addColumn<QString>("title");
    QTest::newRow("10") << 10 << QStringList{"0", "5", "9"} << "Ventobaldo- Arrivo fino a 10";
    QTest::newRow("20") << 20 << QStringList{"0", "10", "19"} << "Ventobaldo- Arrivo fino a 20";
    QTest::newRow("100") << 100 << QStringList{"0", "50", "99"} << "Ventobaldo- Arrivo fino a 100";
    QTest::newRow("1000") << 1000 << QStringList{"0", "500", "999"}
                          << "Ventobaldo- Arrivo fino a 1000";
    QTest::newRow("10000") << 10000 << QStringList{"0", "5000", "9999"}
                           << "Ventobaldo- Arrivo fino a 10000";
}

// The same draws give each range's own numbers, never past its highest
// answer less one; the title says the range.
void TestContest::roundsStayInTheirRange()
{
    QFETCH(int, upTo);
    QFETCH(QStringList, shown);
    QFETCH(QString, title);
    GameOptions options;
    options.game.upTo = upTo;
    Game game(options);
    game.platform.inputAnswers << "Anna";
    const QList<double> draws = {0.0, 0.5, 0.99995};
    game.platform.randoms << FakePlatform::forTint(3) << draws[0];
    game.contest.load();
    QCOMPARE(game.window()->windowTitle(), title);
    for (int i = 0; i < draws.size(); ++i) {
        if (i > 0) {
            game.platform.randoms << FakePlatform::forTint(3) << draws[i];
            game.contest.dealRound();
        }
        QCOMPARE(game.caption("lblNum1"), shown[i]);
        QCOMPARE(int(game.contest.state().expectedAnswer), shown[i].toInt() + 1);
    }
}

void TestContest::contestLasts_data()
{
    QTest::addColumn<int>("minutes");
    QTest::addColumn<int>("upTo");
    QTest::addColumn<QString>("atStart");
    QTest::addColumn<QByteArray>("logged"); // the line's end
    QTest::newRow("one minute to 20") << 1 << 20 << "00:01:00" << QByteArray(",0,1,1,60,\"no\",\"");
    QTest::newRow("ten minutes") << 10 << 10000 << "00:10:00" << QByteArray(",0,1,1,600,\"no\",\"");
}

// The clock starts at the contest's length and ends it one tick after zero;
// the results line says how long it was played, and what.
void TestContest::contestLasts()
{
    QFETCH(int, minutes);
    QFETCH(int, upTo);
    QFETCH(QString, atStart);
    QFETCH(QByteArray, logged);
    GameOptions options;
    options.game.minutes = minutes;
    options.game.upTo = upTo;
    Game game(options);
    game.start("Anna", 3, 5);
    QCOMPARE(game.caption("lblconto"), atStart);
    game.answer("0");
    ticks(game, minutes * 60);
    QCOMPARE(game.caption("lblconto"), QString("00:00:00"));
    QVERIFY(!game.platform.ended);
    ticks(game, 1);
    QVERIFY(game.platform.ended);
    const QByteArray log =
        bytesOf(game.platform.recordDir + "/" + QString::fromLatin1(records::results::Name));
    // 5 + 1 answered 0: the one wrong answer, no crossing.
    const QByteArray tail =
        QStringLiteral(",%1,%2,\"gara\",\"5:0\",0,0,0,0,0,0\r\n").arg(upTo).arg(minutes).toUtf8();
    QVERIFY2(log.contains(logged) && log.endsWith(tail), log.constData());
    // Another setting's record is in a folder of its own.
    const QString own = upTo == 10000 && minutes == 5
                            ? QString()
                            : QString("fino_a-%1_minuti-%2/").arg(upTo).arg(minutes);
    QCOMPARE(QFileInfo::exists(game.platform.recordDir + "/fino_a-20_minuti-1"), upTo == 20);
    QVERIFY(QFileInfo::exists(game.platform.recordDir + "/" + own + records::ScoreFile));
}

// A practice has no countdown and no record; its wrong sums come back two
// rounds later, until answered right; the exit button ends it, and its line
// says it was a practice.
void TestContest::practiceHasNoClockNorRecord()
{
    GameOptions options;
    options.game.play = settings::Play::Practice;
    options.game.upTo = 100;
    Game game(options);
    game.start("Anna", 3, 7);
    QVERIFY(game.contest.practice());
    QCOMPARE(game.caption("lblconto"), QString());
    game.answer("0");
    // Its clock counts unseen; the end of the count does not end it.
    ticks(game, 10);
    QCOMPARE(game.caption("lblconto"), QString());
    QStringList shown;
    for (const int drawn : {20, 30, 40, 50}) {
        game.nextRound(1, drawn);
        game.contest.dealRound();
        shown << game.caption("lblNum1");
        game.answer(shown.last() == "7" ? "8" : "0");
    }
    // 20 and 30, then 7 again in place of 40; 20 comes back in place of 50.
    QCOMPARE(shown, (QStringList{"20", "30", "7", "20"}));
    game.contest.endContest();
    QVERIFY(!game.platform.ended);
    game.contest.exitContest();
    QVERIFY(game.platform.ended);
    QVERIFY(!QFileInfo::exists(scoreFile(game)));
    const QByteArray log =
        bytesOf(game.platform.recordDir + "/" + QString::fromLatin1(records::results::Name));
    // Each wrong answer kept, 20 twice: a sum that comes back is a new round.
    QVERIFY2(log.endsWith(",100,5,\"allenamento\",\"7:0 20:0 30:0 20:0\",0,0,0,0,0,0\r\n") &&
                 log.contains(",1,4,5,10,"),
             log.constData());
}

// The results line keeps the first 20 wrong answers as typed and counts the
// sums that cross a ten, a hundred or a thousand, each as the largest.
void TestContest::wrongAnswersAndCrossingsAreKept_data()
{
    QTest::addColumn<int>("upTo");
    QTest::addColumn<QList<int>>("shown");  // a round each
    QTest::addColumn<QStringList>("typed"); // its answer
    QTest::addColumn<QByteArray>("tail");   // the line's last columns
    QTest::newRow("a ten, a hundred and a thousand, one each wrong")
        << 10000 << QList<int>{19, 99, 999, 3999, 4}
        << QStringList{"20", "190", "1000", "3000", "6"}
        << QByteArray("\"99:190 3999:3000 4:6\",1,0,1,1,2,1\r\n");
    // 9 + 1 crosses a ten; to 10 no round can cross more.
    QTest::newRow("to 10, an empty answer")
        << 10 << QList<int>{9, 9, 3} << QStringList{"", "10", "5"}
        << QByteArray("\"9: 3:5\",2,1,0,0,0,0\r\n");
    // Leading zeros are kept as typed; a wrong 0099 for 99 + 1 crossed a hundred.
    QTest::newRow("leading zeros") << 10000 << QList<int>{99, 99} << QStringList{"0099", "00100"}
                                   << QByteArray("\"99:0099\",0,0,2,1,0,0\r\n");
    // 25 wrong answers: the first 20 kept, all 25 counted.
    QList<int> many(25, 9);
    QTest::newRow("only the first twenty")
        << 10000 << many << QStringList(25, "1")
        << QByteArray("\"9:1 9:1 9:1 9:1 9:1 9:1 9:1 9:1 9:1 9:1 "
                      "9:1 9:1 9:1 9:1 9:1 9:1 9:1 9:1 9:1 9:1\","
                      "25,25,0,0,0,0\r\n");
}

void TestContest::wrongAnswersAndCrossingsAreKept()
{
    QFETCH(int, upTo);
    QFETCH(QList<int>, shown);
    QFETCH(QStringList, typed);
    QFETCH(QByteArray, tail);
    GameOptions options;
    options.game.upTo = upTo;
    Game game(options);
    game.start("Anna", 3, shown.first());
    for (int i = 0; i < shown.size(); ++i) {
        if (i > 0) {
            game.nextRound(1, shown[i]);
            game.contest.dealRound();
        }
        QCOMPARE(game.caption("lblNum1"), QString::number(shown[i]));
        game.answer(typed[i]);
        ticks(game, 1); // the service refuses more than two answers a second
    }
    game.contest.exitContest();
    const QByteArray log =
        bytesOf(game.platform.recordDir + "/" + QString::fromLatin1(records::results::Name));
    QVERIFY2(log.endsWith(",\"gara\"," + tail), log.constData());
}

void TestContest::childPicksWhenBothAreOffered_data()
{
    QTest::addColumn<int>("picked");
    QTest::addColumn<bool>("practice");
    QTest::newRow("a contest") << 0 << false;
    QTest::newRow("a practice") << 1 << true;
    QTest::newRow("closed without a choice") << -1 << false;
}

void TestContest::childPicksWhenBothAreOffered()
{
    QFETCH(int, picked);
    QFETCH(bool, practice);
    GameOptions options;
    options.game.play = settings::Play::Both;
    Game game(options);
    game.platform.choiceAnswers << picked;
    game.start();
    QCOMPARE(game.platform.choices, (QList<QStringList>{{"&Gara", "&Allenamento"}}));
    // After the greeting.
    QCOMPARE(game.platform.inputPrompts.last(),
             QString("Vuoi fare una gara a tempo o un allenamento senza tempo?"));
    QCOMPARE(game.platform.boxes.size(), 1);
    QCOMPARE(game.contest.practice(), practice);
    QCOMPARE(game.caption("lblconto"), practice ? QString() : QString("00:05:00"));
}

void TestContest::schoolRecordShownWhenHigher_data()
{
    QTest::addColumn<QByteArray>("ours");   // this computer's score
    QTest::addColumn<QByteArray>("school"); // another computer's published record, or none
    QTest::addColumn<bool>("hung");
    QTest::addColumn<QString>("shown"); // score, holder
    QTest::addColumn<bool>("told");
    const QByteArray twelve = "orologio\t1\nfino_a-10000_minuti-5\t12\t1765000000\tBea Rossi\n";
    QTest::newRow("the school's, higher")
        << QByteArray("9\r\n") << twelve << false << "12 Bea Rossi" << false;
    QTest::newRow("ours, as high") << QByteArray("12\r\n") << twelve << false << "12\r\n Anna\r\n"
                                   << false;
    QTest::newRow("none published yet")
        << QByteArray("9\r\n") << QByteArray() << false << "9\r\n Anna\r\n"
        << false;
    QTest::newRow("a hung share: ours, and said")
        << QByteArray("9\r\n") << twelve << true << "9\r\n Anna\r\n"
        << true;
}

// The school's record is shown when it is read in time and beats this
// computer's; a share that does not answer holds the game a second at most.
void TestContest::schoolRecordShownWhenHigher()
{
    QFETCH(QByteArray, ours);
    QFETCH(QByteArray, school);
    QFETCH(bool, hung);
    QFETCH(QString, shown);
    QFETCH(bool, told);
    QTemporaryDir share;
    QVERIFY(put(share.filePath(".corvalesta-scuola"), ""));
    QVERIFY(school.isEmpty() ||
            (QDir(share.path()).mkdir("pc-02") && put(share.filePath("pc-02/record.txt"), school)));
    GameOptions options;
    options.school = QFile::encodeName(share.path()).toStdString();
    Game game(options);
    QVERIFY(QDir().mkpath(game.platform.recordDir));
    QVERIFY(put(scoreFile(game), ours) && put(holderFile(game), "Anna\r\n"));
    // The reading thread's first call waits longer than the game does.
    static std::thread::id main;
    main = std::this_thread::get_id();
    if (hung)
        sys::setHook([](const char*) {
            if (std::this_thread::get_id() != main)
                std::this_thread::sleep_for(std::chrono::seconds(3));
            return 0;
        });
    const auto unhook = qScopeGuard([] { sys::setHook(nullptr); });
    QElapsedTimer waited;
    waited.start();
    game.start("Anna");
    QVERIFY2(waited.elapsed() < 2900, qPrintable(QString::number(waited.elapsed())));
    QCOMPARE(game.caption("lblpunti") + ' ' + game.caption("lblnome"), shown);
    const QString note = "Il record della scuola ora non si legge: questo è il record di questo "
                         "computer.";
    QCOMPARE(labelOf(*game.window(), "lblpunti")->toolTip(), told ? note : QString());
    QCOMPARE(labelOf(*game.window(), "lblpunti")->accessibleDescription(),
             told ? "Punti del record " + note : QString("Punti del record"));
}

void TestContest::holderShownAsTheTeacherWants_data()
{
    QTest::addColumn<QString>("holder");
    QTest::addColumn<int>("how");
    QTest::addColumn<QString>("shown");
    const int name = int(settings::Holder::Name), initials = int(settings::Holder::Initials),
              none = int(settings::Holder::None);
    QTest::newRow("the whole name") << "Anna Maria\r\n" << name << "Anna Maria\r\n";
    QTest::newRow("initials") << "Anna Maria\r\n" << initials << "A. M.\r\n";
    QTest::newRow("initials of blanks and lower case") << "  ugo  de luca\r\n"
                                                       << initials << "U. D. L.\r\n";
    QTest::newRow("initials outside the basic plane")
        << u"\U0001D400nna\r\n"_qs << initials << u"\U0001D400.\r\n"_qs;
    QTest::newRow("no name, the line end kept") << "Anna Maria\r\n" << none << "\r\n";
    QTest::newRow("no record yet") << "" << initials << "";
}

void TestContest::holderShownAsTheTeacherWants()
{
    QFETCH(QString, holder);
    QFETCH(int, how);
    QFETCH(QString, shown);
    QCOMPARE(Contest::holderShown(holder, settings::Holder(how)), shown);
}

QTEST_MAIN(TestContest)
void TestContest::classListIsOfferedAtThePrompt_data()
{
    QTest::addColumn<QByteArray>("file");     // the class list as the teachers wrote it
    QTest::addColumn<QStringList>("offered"); // the prompt's list
    QTest::addColumn<QString>("typed");       // then Enter
    QTest::addColumn<int>("picked");          // the row Down picks; -1: none
    QTest::addColumn<QByteArray>("stored");   // the name in the results
    const QByteArray list = "# 2B\n Anna Rossi \r\nNiccol\xC3\xB2\n\nAnna Rossi\n";
    // Blanks around a name, comments, blank lines and a name twice go.
    // The first Down is the first name.
    QTest::newRow("a name picked from the list") << list << QStringList{"Anna Rossi", "Niccolò"}
                                                 << QString() << 0 << QByteArray("Anna Rossi");
    QTest::newRow("the second name") << list << QStringList{"Anna Rossi", "Niccolò"} << QString()
                                     << 1 << QByteArray("Niccol\xC3\xB2");
    QTest::newRow("a guest typing")
        << list << QStringList{"Anna Rossi", "Niccolò"} << "Ospite" << -1 << QByteArray("Ospite");
    // Enter at once is no one on the list.
    QTest::newRow("Enter at once")
        << list << QStringList{"Anna Rossi", "Niccolò"} << QString() << -1 << QByteArray("");
    QTest::newRow("no list: today's prompt")
        << QByteArray() << QStringList() << "Bea" << -1 << QByteArray("Bea");
    // A name over 60 characters is left out; a list not in UTF-8 offers none.
    QTest::newRow("a name too long") << QByteArray(61, 'a') + "\nEva\n"
                                     << QStringList{"Eva"} << QString() << 0 << QByteArray("Eva");
    QTest::newRow("not UTF-8") << QByteArray("Niccol\xF2\n") << QStringList() << "Bea" << -1
                               << QByteArray("Bea");
}

// The name prompt offers the class list in a box that still takes typing,
// starting empty; the name picked is kept exactly as the list has it.
void TestContest::classListIsOfferedAtThePrompt()
{
    QFETCH(QByteArray, file);
    QFETCH(QStringList, offered);
    QFETCH(QString, typed);
    QFETCH(int, picked);
    QFETCH(QByteArray, stored);
    GameOptions options;
    options.names = settings::classList(file.toStdString()).value_or(std::vector<std::string>());
    Game game(options);
    QtPlatform real;
    QStringList items;
    bool editable = false, empty = false;
    game.platform.whileInputOpen = [&](const QString& prompt) {
        QTimer::singleShot(50, [&] {
            auto* dialog = qobject_cast<QInputDialog*>(QApplication::activeModalWidget());
            QVERIFY(dialog);
            items = dialog->comboBoxItems();
            editable = dialog->isComboBoxEditable();
            empty = dialog->textValue().isEmpty();
            QWidget* edit = dialog->focusWidget();
            for (int i = 0; i <= picked; ++i)
                QTest::keyClick(edit, Qt::Key_Down);
            QTest::keyClicks(edit, typed);
            QTest::keyClick(edit, Qt::Key_Return);
        });
        game.platform.inputAnswers.prepend(
            real.inputBox(prompt, game.platform.inputChoices.last()));
    };
    game.start(QString(), 3, 41);
    QCOMPARE(game.platform.inputChoices.value(0), offered);
    QCOMPARE(items, offered);
    QCOMPARE(editable, !offered.isEmpty());
    QVERIFY(empty);
    ticks(game, 1);
    game.contest.exitContest();
    const QByteArray log =
        bytesOf(game.platform.recordDir + "/" + QString::fromLatin1(records::results::Name));
    QVERIFY2(log.contains(",\"" + stored + "\",0,0,0,1,"), log.constData());
}

#include "tst_contest.moc"
