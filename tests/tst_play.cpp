#include "AnswerBox.h"
#include "Backdrop.h"
#include "Game.h"
#include "MainWindow.h"
#include "PictureButton.h"

#include <QApplication>
#include <QClipboard>
#include <QTest>

// Start-up, dealing and checking, played through the real window offscreen.
class TestPlay : public QObject {
    Q_OBJECT
private slots:
    void startUpAsksTheNameAndGreets_data();
    void startUpAsksTheNameAndGreets();
    void firstRoundIsOnScreenAtOnce();
    void dealingShowsTheNumberAndExpectsItsSuccessor_data();
    void dealingShowsTheNumberAndExpectsItsSuccessor();
    void tintIsDrawnBeforeTheReseed();
    void enterChecksTheAnswer_data();
    void enterChecksTheAnswer();
    void countersFollowTheirRules();
    void wrongAnswerBlackensTheWindowUntilTheNextRound();
    void keyFilterLetsOnlyDigitsThrough_data();
    void keyFilterLetsOnlyDigitsThrough();
    void editingKeysKeepWorking();
    void pasteKeysPasteNothing_data();
    void pasteKeysPasteNothing();
    void pastedTextNeverCrashesTheCheck_data();
    void pastedTextNeverCrashesTheCheck();
    void enterAfterACheckDealsTheNextRound();
    void spaceAndAltNPressTheNextButton_data();
    void spaceAndAltNPressTheNextButton();
    void altNDoesNothingWhileARoundIsOpen();
    void minimisingSetsTheCaptionForGood();
};

void TestPlay::startUpAsksTheNameAndGreets_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("kept");
    QTest::addColumn<QString>("greeting");
    QTest::newRow("a name") << "Anna"
                            << "Anna"
                            << " Anna vediamo se sei un vero campione  ";
    QTest::newRow("cancelled") << ""
                               << ""
                               << "  vediamo se sei un vero campione  ";
    // A blank or an invisible character in front would hide a formula from
    // the spreadsheet's check.
    QTest::newRow("blanks trimmed") << "  Luca "
                                    << "Luca"
                                    << " Luca vediamo se sei un vero campione  ";
    QTest::newRow("invisible and format characters go")
        << QStringLiteral("\u00A0\u200B\uFEFF\u202E=1+1\u2066 Rossi\u00AD\u3000")
        << QStringLiteral("=1+1 Rossi")
        << QStringLiteral(" =1+1 Rossi vediamo se sei un vero campione  ");
    QTest::newRow("a semicolon becomes a comma") << "Sara;=1+1"
                                                 << "Sara,=1+1"
                                                 << " Sara,=1+1 vediamo se sei un vero campione  ";
    QTest::newRow("other spaces become blanks")
        << QStringLiteral("Anna\u00A0Maria\u2009Rossi") << "Anna Maria Rossi"
        << " Anna Maria Rossi vediamo se sei un vero campione  ";
    QTest::newRow("markup stays text") << "<b>Eva</b>"
                                       << "<b>Eva</b>"
                                       << " <b>Eva</b> vediamo se sei un vero campione  ";
    // Pasted, never typed: the holder file keeps one line.
    QTest::newRow("line breaks and a tab become blanks")
        << "Bea\r\nRossi\tV."
        << "Bea  Rossi V."
        << " Bea  Rossi V. vediamo se sei un vero campione  ";
    QTest::newRow("other control characters go")
        << QStringLiteral("\u0001Ni\u001bcc\u007fol\u0000ò\u0080") << QStringLiteral("Niccolò")
        << QStringLiteral(" Niccolò vediamo se sei un vero campione  ");
}

void TestPlay::startUpAsksTheNameAndGreets()
{
    QFETCH(QString, name);
    QFETCH(QString, kept);
    QFETCH(QString, greeting);
    Game game;
    game.start(name);
    QCOMPARE(game.platform.inputPrompts, QStringList{"Come ti chiami?"});
    QCOMPARE(game.platform.boxes.size(), 1);
    QCOMPARE(game.platform.boxes[0].prompt, greeting);
    QCOMPARE(game.platform.boxes[0].buttons, 0);
    QCOMPARE(game.platform.boxes[0].title, QString());
    QCOMPARE(game.caption("lblnome1"), kept);
    QCOMPARE(game.contest.state().playerName, kept);
    QVERIFY(!game.platform.ended);
}

void TestPlay::firstRoundIsOnScreenAtOnce()
{
    Game game;
    game.start("Anna", 3, 41);
    QVERIFY(game.window()->isVisible());
    QCOMPARE(game.caption("lblNum1"), QString("41"));
    QCOMPARE(game.answerBox()->text(), QString());
    QCOMPARE(game.caption("lblMessage"), QString());
    QVERIFY(!game.next()->isEnabled());
    QCOMPARE(game.focus(), game.answerBox());
    // One round: a tint and a number drawn, one reseed between them.
    QCOMPARE(game.platform.randomsDrawn, 2);
    QCOMPARE(game.platform.reseeds, 1);
    QCOMPARE(game.caption("lblScore"), QString("0"));
    QCOMPARE(game.caption("lblScore1"), QString("0"));
    QCOMPARE(game.caption("lblScore2"), QString("0"));
}

void TestPlay::dealingShowsTheNumberAndExpectsItsSuccessor_data()
{
    QTest::addColumn<int>("tint");
    QTest::addColumn<int>("number");
    QTest::newRow("zero") << 0 << 0;
    QTest::newRow("largest") << 14 << 9999;
    QTest::newRow("middle") << 7 << 512;
}

void TestPlay::dealingShowsTheNumberAndExpectsItsSuccessor()
{
    QFETCH(int, tint);
    QFETCH(int, number);
    Game game;
    game.start("Anna", tint, number);
    QCOMPARE(game.caption("lblNum1"), QString::number(number));
    QCOMPARE(int(game.contest.state().expectedAnswer), number + 1);
    QCOMPARE(int(game.contest.state().tintFactor), tint);
}

void TestPlay::tintIsDrawnBeforeTheReseed()
{
    Game game;
    game.start("Anna", 5, 7);
    game.answer("8");
    game.nextRound(11, 70);
    game.press(Qt::Key_Return);
    // Each round: tint, reseed, number; so the tint continues the old seed.
    QCOMPARE(game.platform.reseeds, 2);
    QCOMPARE(game.platform.drawnBeforeLastReseed, 3);
    QCOMPARE(int(game.contest.state().tintFactor), 11);
    QCOMPARE(game.caption("lblNum1"), QString("70"));
}

void TestPlay::enterChecksTheAnswer_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<int>("number");
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("message");
    QTest::addColumn<QString>("sound");
    QTest::newRow("right") << "Anna" << 41 << "42"
                           << "Esatto! Anna sei forte!"
                           << "Esatto.wav";
    QTest::newRow("leading zeros") << "Anna" << 41 << "0042"
                                   << "Esatto! Anna sei forte!"
                                   << "Esatto.wav";
    QTest::newRow("right, no name") << "" << 0 << "1"
                                    << "Esatto!  sei forte!"
                                    << "Esatto.wav";
    QTest::newRow("wrong") << "Anna" << 41 << "41"
                           << "Sbagliato!! 42"
                           << "no.wav";
    QTest::newRow("empty box") << "Anna" << 41 << ""
                               << "Sbagliato!! 42"
                               << "no.wav";
    // 10000 needs five characters, which the box takes.
    QTest::newRow("9999 answered 10000") << "Anna" << 9999 << "10000"
                                         << "Esatto! Anna sei forte!"
                                         << "Esatto.wav";
}

void TestPlay::enterChecksTheAnswer()
{
    QFETCH(QString, name);
    QFETCH(int, number);
    QFETCH(QString, typed);
    QFETCH(QString, message);
    QFETCH(QString, sound);
    Game game;
    game.start(name, 2, number);
    game.answer(typed);
    QCOMPARE(game.caption("lblMessage"), message);
    QCOMPARE(game.platform.sounds, QStringList{"/opt/corvalesta/suoni/" + sound});
    QVERIFY(game.next()->isEnabled());
    QCOMPARE(game.focus(), game.next());
    QCOMPARE(game.caption("lblScore2"), QString("1"));
    QCOMPARE(game.answerBox()->text(), typed);
    // 10000 fits the box drawn for four digits.
    QVERIFY(game.answerBox()->fontMetrics().horizontalAdvance(typed) <=
            game.answerBox()->contentsRect().width());
}

void TestPlay::countersFollowTheirRules()
{
    Game game;
    game.start("Anna", 1, 10);
    const QList<std::pair<int, bool>> rounds = {
        {20, true}, {30, true}, {40, false}, {50, true}, {60, false}};
    for (const auto& [number, right] : rounds) {
        game.answer(QString::number(right ? game.contest.state().expectedAnswer : 0));
        game.nextRound(1, number);
        game.press(Qt::Key_Return); // deals the next round
        if (right && number == 30)
            QCOMPARE(game.caption("lblScore1"), QString("0")); // untouched by right answers
    }
    QCOMPARE(game.caption("lblScore"), QString("3"));
    QCOMPARE(game.caption("lblScore1"), QString("2"));
    QCOMPARE(game.caption("lblScore2"), QString("5"));
}

void TestPlay::wrongAnswerBlackensTheWindowUntilTheNextRound()
{
    Game game;
    game.start("Anna", 4, 100);
    Backdrop* backdrop = game.window()->backdrop();
    game.answer("101");
    QVERIFY(backdrop->showsRamp()); // a right answer keeps the ramp
    game.nextRound(4, 200);
    game.press(Qt::Key_Return);
    game.answer("5");
    QVERIFY(!backdrop->showsRamp());
    QCOMPARE(backdrop->plainColour(), QColor(Qt::black));
    game.nextRound(6, 300);
    game.press(Qt::Key_Return);
    QVERIFY(backdrop->showsRamp());
}

void TestPlay::keyFilterLetsOnlyDigitsThrough_data()
{
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("expected");
    QTest::addColumn<int>("upTo");
    QTest::newRow("digits") << "1234"
                            << "1234" << 10000;
    QTest::newRow("letters dropped") << "1a2B"
                                     << "12" << 10000;
    QTest::newRow("blank minus point dropped") << " -3.5"
                                               << "35" << 10000;
    // The highest answer's digits: 10000 has five, 10 and 20 two.
    QTest::newRow("five at most") << "123456"
                                  << "12345" << 10000;
    QTest::newRow("four up to 1000") << "123456"
                                     << "1234" << 1000;
    QTest::newRow("three up to 100") << "123456"
                                     << "123" << 100;
    QTest::newRow("two up to 20") << "123"
                                  << "12" << 20;
    QTest::newRow("two up to 10") << "1a05"
                                  << "10" << 10;
    QTest::newRow("symbols") << "x7+=,."
                             << "7" << 10000;
}

void TestPlay::keyFilterLetsOnlyDigitsThrough()
{
    QFETCH(QString, typed);
    QFETCH(QString, expected);
    QFETCH(int, upTo);
    GameOptions options;
    options.game.upTo = upTo;
    Game game(options);
    game.start("Anna", 3, 5);
    game.type(typed);
    QCOMPARE(game.answerBox()->text(), expected);
}

void TestPlay::editingKeysKeepWorking()
{
    Game game;
    game.start();
    game.type("123");
    game.press(Qt::Key_Home);
    game.press(Qt::Key_Delete);
    QCOMPARE(game.answerBox()->text(), QString("23"));
    game.press(Qt::Key_End);
    game.press(Qt::Key_Backspace);
    QCOMPARE(game.answerBox()->text(), QString("2"));
    game.press(Qt::Key_Left);
    game.type("5");
    QCOMPARE(game.answerBox()->text(), QString("52"));
}

void TestPlay::pasteKeysPasteNothing_data()
{
    QTest::addColumn<int>("key");
    QTest::addColumn<int>("modifiers");
    QTest::newRow("ctrl+v") << int(Qt::Key_V) << int(Qt::ControlModifier);
    QTest::newRow("shift+insert") << int(Qt::Key_Insert) << int(Qt::ShiftModifier);
}

void TestPlay::pasteKeysPasteNothing()
{
    QFETCH(int, key);
    QFETCH(int, modifiers);
    Game game;
    game.start();
    QApplication::clipboard()->setText("77");
    game.press(key, Qt::KeyboardModifiers(modifiers));
    QCOMPARE(game.answerBox()->text(), QString());
}

void TestPlay::pastedTextNeverCrashesTheCheck_data()
{
    QTest::addColumn<QString>("pasted");
    QTest::addColumn<QString>("message");
    QTest::newRow("beyond 16 bits") << "9999999"
                                    << "Sbagliato!! 42";
    QTest::newRow("just beyond") << "32768"
                                 << "Sbagliato!! 42";
    QTest::newRow("letters") << "abc"
                             << "Sbagliato!! 42";
    QTest::newRow("right with blanks") << " 4 2"
                                       << "Esatto! Anna sei forte!";
    QTest::newRow("huge exponent") << "1e999"
                                   << "Sbagliato!! 42";
}

void TestPlay::pastedTextNeverCrashesTheCheck()
{
    QFETCH(QString, pasted);
    QFETCH(QString, message);
    Game game;
    game.start("Anna", 3, 41);
    game.answerBox()->setMaxLength(32767); // as if pasted past the limit
    game.answerBox()->insert(pasted);
    game.press(Qt::Key_Return);
    QCOMPARE(game.caption("lblMessage"), message);
    QCOMPARE(game.caption("lblScore2"), QString("1"));
}

void TestPlay::enterAfterACheckDealsTheNextRound()
{
    Game game;
    game.start("Anna", 3, 41);
    game.answer("42");
    game.nextRound(9, 1234);
    game.press(Qt::Key_Return);
    QCOMPARE(game.caption("lblNum1"), QString("1234"));
    QCOMPARE(game.caption("lblScore"), QString("1"));
    QCOMPARE(game.caption("lblScore2"), QString("1"));
    QCOMPARE(game.focus(), game.answerBox());
    QVERIFY(!game.next()->isEnabled());
    // The keypad's Enter checks too.
    game.type("1235");
    game.press(Qt::Key_Enter, Qt::KeypadModifier);
    QCOMPARE(game.caption("lblScore"), QString("2"));
}

void TestPlay::spaceAndAltNPressTheNextButton_data()
{
    QTest::addColumn<int>("key");
    QTest::addColumn<int>("modifiers");
    QTest::newRow("space") << int(Qt::Key_Space) << int(Qt::NoModifier);
    QTest::newRow("alt+n") << int(Qt::Key_N) << int(Qt::AltModifier);
    QTest::newRow("keypad enter") << int(Qt::Key_Enter) << int(Qt::KeypadModifier);
}

void TestPlay::spaceAndAltNPressTheNextButton()
{
    QFETCH(int, key);
    QFETCH(int, modifiers);
    Game game;
    game.start("Anna", 3, 41);
    game.answer("7");
    game.nextRound(2, 8);
    game.press(key, Qt::KeyboardModifiers(modifiers));
    // An access key animates the click, which lands a moment later.
    QTRY_COMPARE(game.caption("lblNum1"), QString("8"));
    QCOMPARE(game.focus(), game.answerBox());
}

void TestPlay::altNDoesNothingWhileARoundIsOpen()
{
    Game game;
    game.start("Anna", 3, 41);
    game.type("4");
    game.press(Qt::Key_N, Qt::AltModifier);
    QCOMPARE(game.caption("lblNum1"), QString("41"));
    QCOMPARE(game.answerBox()->text(), QString("4"));
    QCOMPARE(game.platform.randomsDrawn, 2);
}

void TestPlay::minimisingSetsTheCaptionForGood()
{
    Game game;
    game.start();
    QCOMPARE(game.window()->windowTitle(), QString("Ventobaldo- Arrivo fino a 10000"));
    game.window()->showMinimized();
    QTRY_COMPARE(game.window()->windowTitle(), QString("Corvalesta"));
    game.window()->showNormal();
    QTRY_VERIFY(!game.window()->isMinimized());
    QCOMPARE(game.window()->windowTitle(), QString("Corvalesta"));
}

QTEST_MAIN(TestPlay)
#include "tst_play.moc"
