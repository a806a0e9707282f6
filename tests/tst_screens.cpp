// Every classroom screen: the scene zoomed to any window, names of any length
// kept whole or fitted, the touch keypad, full screen, and what a screen
// reader hears.
#include "AnswerBox.h"
#include "Backdrop.h"
#include "Design.h"
#include "DesignLabel.h"
#include "Game.h"
#include "Keypad.h"
#include "MainWindow.h"
#include "PictureButton.h"

#include <QAccessible>
#include <QApplication>
#include <QMenuBar>
#include <QStyleHints>
#include <QTest>
#include <QTimer>
#include <QToolButton>

class TestScreens : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() { MainWindow::prepareApplication(); }
    void controlsZoom_data();
    void controlsZoom();
    void namesAreNeverClipped_data();
    void namesAreNeverClipped();
    void startSizeFitsTheScreen_data();
    void startSizeFitsTheScreen();
    void rampFillsTheMarginsToo();
    void keypadPlaysAsTheKeyboardDoes_data();
    void keypadPlaysAsTheKeyboardDoes();
    void f11FromTheAnswerBoxTogglesFullScreen();
    void caretRestsWhileAChildThinks();
    void screenReaderHearsTheSumAndTheVerdict_data();
    void screenReaderHearsTheSumAndTheVerdict();
};

namespace {

// A client area of exactly the designed one times the zoom.
void zoomTo(MainWindow& w, double zoom)
{
    const QSize client = design::clientSize(zoom);
    w.resize(client.width(), client.height() + w.menuBar()->height());
    QCoreApplication::processEvents();
}

QString name(int length, bool widest)
{
    // A long name as a class writes it, or the widest letters there are.
    const QString sample = widest ? QStringLiteral("WMWMWM ") : QStringLiteral("Maria Vittoria ");
    QString text;
    while (text.size() < length)
        text += sample;
    return text.left(length);
}

} // namespace

void TestScreens::controlsZoom_data()
{
    QTest::addColumn<double>("zoom");
    QTest::addColumn<QString>("control");
    QTest::addColumn<QRect>("rect");
    QTest::addColumn<int>("fontPixels");
    // Twips x zoom / 15, rounded half away from zero; 72 pt is 96 px at
    // zoom 1, 8.25 pt is 11 px.
    QTest::newRow("0.75 plus sign") << 0.75 << "Label2" << QRect(252, 12, 31, 73) << 72;
    QTest::newRow("0.75 answer box") << 0.75 << "txtAnswer" << QRect(408, 0, 169, 89) << 72;
    QTest::newRow("0.75 exit button") << 0.75 << "cmdExit" << QRect(384, 264, 103, 55) << 8;
    QTest::newRow("0.75 clock picture") << 0.75 << "Image1" << QRect(24, 84, 24, 24) << 0;
    QTest::newRow("1.5 plus sign") << 1.5 << "Label2" << QRect(504, 24, 62, 146) << 144;
    QTest::newRow("1.5 answer box") << 1.5 << "txtAnswer" << QRect(816, 0, 338, 177) << 144;
    QTest::newRow("1.5 exit button") << 1.5 << "cmdExit" << QRect(768, 528, 206, 110) << 17;
    QTest::newRow("1.5 clock picture") << 1.5 << "Image1" << QRect(48, 168, 48, 48) << 0;
    QTest::newRow("2 plus sign") << 2.0 << "Label2" << QRect(672, 32, 82, 194) << 192;
    QTest::newRow("2 answer box") << 2.0 << "txtAnswer" << QRect(1088, 0, 450, 236) << 192;
    QTest::newRow("2 exit button") << 2.0 << "cmdExit" << QRect(1024, 704, 274, 146) << 22;
    QTest::newRow("2 clock picture") << 2.0 << "Image1" << QRect(64, 224, 64, 64) << 0;
    QTest::newRow("2 record line") << 2.0 << "Label12" << QRect(16, 1008, 434, 82) << 64;
}

void TestScreens::controlsZoom()
{
    QFETCH(double, zoom);
    QFETCH(QString, control);
    QFETCH(QRect, rect);
    QFETCH(int, fontPixels);
    MainWindow w;
    w.show();
    zoomTo(w, zoom);
    QCOMPARE(w.zoom(), zoom);
    QCOMPARE(w.sceneOrigin(), QPoint(0, 0));
    auto* c = w.findChild<QWidget*>(control);
    QCOMPARE(c->geometry(), rect);
    if (fontPixels)
        QCOMPARE(c->font().pixelSize(), fontPixels);
    if (auto* image = qobject_cast<QLabel*>(c); image && control == "Image1")
        QCOMPARE(image->pixmap().size(), rect.size()); // drawn at that size, not scaled
    if (control == "cmdExit")
        QCOMPARE(w.exitButton()->iconSize(), QSize(32, 32) * zoom);
}

void TestScreens::namesAreNeverClipped_data()
{
    QTest::addColumn<double>("zoom");
    QTest::addColumn<int>("length");
    QTest::addColumn<bool>("widest");
    for (double zoom : {0.75, 1.0, 1.5, 2.0}) {
        for (int length : {1, 4, 12, 25, 40, 60}) {
            QTest::addRow("zoom %g, %d letters", zoom, length) << zoom << length << false;
            QTest::addRow("zoom %g, %d wide letters", zoom, length) << zoom << length << true;
        }
    }
}

void TestScreens::namesAreNeverClipped()
{
    QFETCH(double, zoom);
    QFETCH(int, length);
    QFETCH(bool, widest);
    MainWindow w;
    w.show();
    zoomTo(w, zoom);
    const QString player = name(length, widest);
    w.setCaption("lblMessage", "Esatto! " + player + " sei forte!");
    w.setCaption("lblnome", player + "\r\n");
    w.setCaption("lblnome1", player);
    const int sceneRight = design::clientSize(zoom).width();
    const struct {
        const char* label;
        int right; // the edge it must stay left of
    } rows[] = {{"lblMessage", w.centralWidget()->width()},
                {"lblnome", w.label("Label13")->x()},
                {"lblnome1", sceneRight}};
    for (const auto& row : rows) {
        DesignLabel* label = w.label(row.label);
        const QString whole = DesignLabel::displayText(label->caption());
        QVERIFY2(label->geometry().right() < row.right && label->x() >= 0, row.label);
        // What is drawn fits inside the label.
        for (const QString& line : label->text().split(u'\n'))
            QVERIFY2(label->fontMetrics().horizontalAdvance(line) <= label->contentsRect().width(),
                     qPrintable(QString("%1: %2").arg(row.label, line)));
        QCOMPARE(label->accessibleName(), whole);
        QCOMPARE(label->shortened(), label->text() != whole);
        QCOMPARE(label->toolTip(), label->shortened() ? whole : QString());
        // Shortened only in a font already at its smallest readable size.
        if (label->shortened())
            QVERIFY(label->font().pixelSize() <=
                    std::max(12, w.label("Label12")->font().pixelSize() / 2));
    }
    // The praise of a name as children write them stays whole, at any zoom.
    if (!widest)
        QVERIFY(!w.label("lblMessage")->shortened());
    if (length <= 4) // today's names: exactly as designed
        QCOMPARE(w.label("lblMessage")->font().pixelSize(), int(32 * zoom) /* 24 pt */);
}

void TestScreens::startSizeFitsTheScreen_data()
{
    QTest::addColumn<QRect>("available");
    QTest::addColumn<QMargins>("frame");
    QTest::addColumn<bool>("designSize");
    QTest::newRow("whiteboard 1920x1080")
        << QRect(0, 0, 1920, 1040) << QMargins(4, 32, 4, 4) << true;
    QTest::newRow("projector 1024x768") << QRect(0, 0, 1024, 740) << QMargins(4, 32, 4, 4) << true;
    QTest::newRow("netbook 1024x600, 28 px panel")
        << QRect(0, 0, 1024, 572) << QMargins(4, 32, 4, 4) << false;
    QTest::newRow("panel on the left") << QRect(60, 0, 740, 600) << QMargins(1, 24, 1, 1) << false;
}

void TestScreens::startSizeFitsTheScreen()
{
    QFETCH(QRect, available);
    QFETCH(QMargins, frame);
    QFETCH(bool, designSize);
    MainWindow w;
    const QSize size = w.startSize(available, frame);
    const int menu = w.menuBar()->heightForWidth(size.width());
    QVERIFY(size.width() + frame.left() + frame.right() <= available.width());
    QVERIFY(size.height() + frame.top() + frame.bottom() <= available.height());
    if (designSize) {
        QCOMPARE(size, QSize(792, 554 + menu));
    } else {
        // The largest that fits: one pixel more of zoom would not.
        const double zoom = design::zoomToFit(QSize(size.width(), size.height() - menu));
        QVERIFY(zoom < 1);
        const QSize bigger = design::clientSize(zoom + 2.0 / 554);
        QVERIFY(bigger.width() + frame.left() + frame.right() > available.width() ||
                bigger.height() + menu + frame.top() + frame.bottom() > available.height());
    }
}

void TestScreens::rampFillsTheMarginsToo()
{
    MainWindow w;
    w.show();
    w.resize(1000, 400 + w.menuBar()->height());
    QCoreApplication::processEvents();
    QVERIFY(w.sceneOrigin().x() > 100); // margins left and right
    w.backdrop()->paintRamp(14);
    QImage image = w.centralWidget()->grab().toImage();
    QCOMPARE(image.size(), QSize(1000, 400));
    for (int x : {0, 999}) {
        QCOMPARE(image.pixelColor(x, 0), QColor(140, 140, 0));
        QCOMPARE(image.pixelColor(x, 399), QColor(140, 140, 255));
    }
    w.backdrop()->setPlainColour(Qt::black);
    image = w.centralWidget()->grab().toImage();
    QCOMPARE(image.pixelColor(0, 399), QColor(Qt::black));
    QCOMPARE(image.pixelColor(999, 0), QColor(Qt::black));
}

void TestScreens::keypadPlaysAsTheKeyboardDoes_data()
{
    QTest::addColumn<QStringList>("keys"); // keypad keys by object name
    QTest::addColumn<QString>("typed");    // the same on the keyboard; "\r" for Enter
    QTest::newRow("right answer") << QStringList{"key4", "key2", "keyEnter"} << "42\r";
    QTest::newRow("wrong answer") << QStringList{"key7", "keyEnter"} << "7\r";
    QTest::newRow("backspace") << QStringList{"key4", "key3", "keyBackspace", "key2", "keyEnter"}
                               << "43\b2\r";
    QTest::newRow("no fifth digit")
        << QStringList{"key1", "key2", "key3", "key4", "key5", "keyEnter"} << "12345\r";
    QTest::newRow("enter after a check deals")
        << QStringList{"key4", "key2", "keyEnter", "keyEnter", "key8"} << "42\r\r8";
}

void TestScreens::keypadPlaysAsTheKeyboardDoes()
{
    QFETCH(QStringList, keys);
    QFETCH(QString, typed);
    const auto play = [&](bool keypad) {
        auto game = std::make_unique<Game>();
        game->start("Anna", 3, 41);
        game->nextRound(5, 700);
        game->window()->resize(1920, 1080);
        QCoreApplication::processEvents();
        Keypad* pad = game->window()->keypad();
        if (keypad) {
            if (!pad->isVisible())
                qFatal("no keypad beside a full-screen scene");
            for (const QString& key : keys) {
                QWidget* focused = QApplication::focusWidget();
                QTest::mouseClick(pad->findChild<QToolButton*>(key), Qt::LeftButton);
                if (QApplication::focusWidget() != focused && key != "keyEnter")
                    qFatal("the keypad moved the focus");
            }
        } else {
            for (QChar c : typed) {
                if (c == u'\r')
                    game->press(Qt::Key_Return);
                else if (c == u'\b')
                    game->press(Qt::Key_Backspace);
                else
                    game->type(c);
            }
        }
        return QStringList{game->answerBox()->text(),
                           game->caption("lblMessage"),
                           game->caption("lblScore"),
                           game->caption("lblScore1"),
                           game->caption("lblScore2"),
                           game->caption("lblNum1"),
                           QApplication::focusWidget()->objectName()};
    };
    const QStringList byKeyboard = play(false);
    QCOMPARE(play(true), byKeyboard);
}

void TestScreens::f11FromTheAnswerBoxTogglesFullScreen()
{
    Game game;
    game.start();
    game.type("4");
    QCOMPARE(game.focus(), game.answerBox());
    game.press(Qt::Key_F11);
    QTRY_VERIFY(game.window()->isFullScreen());
    QCOMPARE(game.answerBox()->text(), QString("4")); // not a key the box took
    QCOMPARE(game.focus(), game.answerBox());
    game.press(Qt::Key_F11);
    QTRY_VERIFY(!game.window()->isFullScreen());
}

// A blinking caret wakes the program twice a second: it stops after a while
// without a key, as the desktop's own text fields do, and only in the game.
void TestScreens::caretRestsWhileAChildThinks()
{
    QStyleHints* hints = QGuiApplication::styleHints();
    const int desktop = hints->cursorFlashTime();
    QVERIFY(desktop > 0);
    Game game;
    game.start();
    auto* stillness = game.answerBox()->findChild<QTimer*>("caretStillness");
    stillness->setInterval(50);
    game.type("4"); // restarts the wait
    QCOMPARE(hints->cursorFlashTime(), desktop);
    QTRY_COMPARE(hints->cursorFlashTime(), 0);
    game.type("2");
    QCOMPARE(hints->cursorFlashTime(), desktop);
    QTRY_COMPARE(hints->cursorFlashTime(), 0);
    // The boxes that follow blink as the desktop wants.
    game.press(Qt::Key_Return);
    QCOMPARE(game.focus(), game.next());
    QCOMPARE(hints->cursorFlashTime(), desktop);
}

void TestScreens::screenReaderHearsTheSumAndTheVerdict_data()
{
    QTest::addColumn<QString>("answer");
    QTest::addColumn<QString>("heard");
    QTest::newRow("right") << "714"
                           << "Esatto! Anna sei forte! Risposte esatte: 1, errate: 0, totali: 1.";
    QTest::newRow("wrong") << "7"
                           << "Sbagliato!! 714 Risposte esatte: 0, errate: 1, totali: 1.";
}

void TestScreens::screenReaderHearsTheSumAndTheVerdict()
{
    QFETCH(QString, answer);
    QFETCH(QString, heard);
    Game game;
    game.start("Anna", 3, 713);
    const auto described = [](QWidget* w) {
        return QAccessible::queryAccessibleInterface(w)->text(QAccessible::Description);
    };
    QCOMPARE(game.focus(), game.answerBox());
    QCOMPARE(described(game.focus()), QString("Quanto fa 713 più 1?"));
    game.answer(answer);
    QCOMPARE(game.focus(), game.next());
    QCOMPARE(described(game.focus()), heard);
}

QTEST_MAIN(TestScreens)
#include "tst_screens.moc"
