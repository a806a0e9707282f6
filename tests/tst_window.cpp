// The window as the children see it: every control where and how it was
// designed, the pictures and menus, and the colour ramp behind them.
#include "AnswerBox.h"
#include "Backdrop.h"
#include "DesignLabel.h"
#include "Game.h"
#include "MainWindow.h"
#include "PictureButton.h"

#include <QAccessible>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QSignalSpy>
#include <QTest>

class TestWindow : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() { MainWindow::prepareApplication(); }
    void controlsStandWhereDesigned_data();
    void controlsStandWhereDesigned();
    void designCaptionsAreNotClipped();
    void fontsAsDesigned_data();
    void fontsAsDesigned();
    void coloursAsDesigned_data();
    void coloursAsDesigned();
    void captionsAndTooltipsExact_data();
    void captionsAndTooltipsExact();
    void clientAreaIsTheDesignSizeAtFirst();
    void opaqueAndTransparentLabelsOverTheRamp();
    void lineEndsShowAsLineBreaks_data();
    void lineEndsShowAsLineBreaks();
    void roundNumberGrowsAroundItsCentre_data();
    void roundNumberGrowsAroundItsCentre();
    void longNameGrowsFromTheLeft();
    void focusCycle_data();
    void focusCycle();
    void menusAndOnlyNuovoActs();
    void picturesAtTheirSizes();
    void screenReaderFollowsTheGame();
    void rampBands_data();
    void rampBands();
    void rampCoversEveryHeightExactly_data();
    void rampCoversEveryHeightExactly();
    void rampFollowsAResize();
};

namespace {

QWidget* control(MainWindow& w, const QString& name)
{
    auto* c = w.findChild<QWidget*>(name);
    if (!c)
        qFatal("no control %s", qPrintable(name));
    return c;
}

QColor at(const QImage& image, int x, int y)
{
    return image.pixelColor(x, y);
}

} // namespace

void TestWindow::controlsStandWhereDesigned_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QRect>("rect");
    QTest::addColumn<bool>("autoSized");
    QTest::addColumn<bool>("visible");
    QTest::addColumn<bool>("enabled");
    // Pixels at 15 twips each, worked out by hand from the design's twips.
    const auto row = [](const char* name, int x, int y, int w, int h, bool autoSized,
                        bool visible = true, bool enabled = true) {
        QTest::newRow(name) << QString::fromLatin1(name) << QRect(x, y, w, h) << autoSized
                            << visible << enabled;
    };
    row("lblNum1", 192, 8, 33, 115, true);
    row("Label2", 336, 16, 41, 97, false);
    row("Label7", 408, 8, 57, 113, false);
    row("Label4", 480, 0, 41, 105, false);
    row("txtAnswer", 544, 0, 225, 118, false);
    row("lblNum2", 296, 112, 39, 55, true, false);
    row("lblMessage", 112, 136, 441, 41, false);
    row("Label5", 136, 144, 441, 41, false);
    row("Label6", 16, 224, 171, 33, true);
    row("lblScore", 72, 272, 37, 59, true);
    row("Label1", 256, 224, 168, 33, true);
    row("lblScore1", 322, 272, 36, 59, true);
    row("Label3", 496, 224, 156, 33, true);
    row("lblScore2", 554, 272, 37, 59, true);
    row("Label11", 0, 88, 105, 25, false);
    row("Image1", 32, 112, 32, 32, false);
    row("lblconto", 0, 152, 105, 33, false);
    row("Label14", 48, 368, 95, 28, true);
    row("lblnome1", 16, 432, 11, 28, true);
    row("Label12", 8, 504, 217, 41, false);
    row("lblnome", 208, 504, 85, 37, true);
    row("Label13", 512, 504, 131, 37, true);
    row("lblpunti", 672, 504, 18, 37, true);
    row("cmdNext", 280, 352, 121, 73, false, true, false);
    row("cmdExit", 512, 352, 137, 73, false);
    row("Command1", 312, 376, 57, 41, false);
}

void TestWindow::controlsStandWhereDesigned()
{
    QFETCH(QString, name);
    QFETCH(QRect, rect);
    QFETCH(bool, autoSized);
    QFETCH(bool, visible);
    QFETCH(bool, enabled);
    MainWindow w;
    w.show();
    QWidget* c = control(w, name);
    if (!autoSized) {
        QCOMPARE(c->geometry(), rect);
    } else {
        // The design size was measured in other fonts: an auto-sized label
        // takes its caption's size in ours, from its design corner (the
        // round's number from its design centre).
        QCOMPARE(c->size(), c->sizeHint());
        QCOMPARE(c->y(), rect.y());
        if (name == "lblNum1")
            QVERIFY(qAbs(2 * c->x() + c->width() - (2 * rect.x() + rect.width())) <= 1);
        else
            QCOMPARE(c->x(), rect.x());
        // Not far from the design for a written caption.
        if (!qobject_cast<DesignLabel*>(c)->caption().isEmpty())
            QVERIFY2(qAbs(c->height() - rect.height()) <= rect.height() / 4 + 2,
                     qPrintable(QString("height %1").arg(c->height())));
    }
    QCOMPARE(c->parentWidget(), w.centralWidget());
    QCOMPARE(c->isVisible(), visible);
    QCOMPARE(c->isEnabled(), enabled);
}

void TestWindow::designCaptionsAreNotClipped()
{
    MainWindow w;
    w.show();
    for (DesignLabel* label : w.findChildren<DesignLabel*>()) {
        // The design's "+" and "=" boxes are narrower than their glyphs: the
        // bar ends are trimmed by a few pixels, as they always were.
        if (label->objectName() == "Label2" || label->objectName() == "Label4")
            continue;
        // The ink, not the advance: a glyph's side bearings may be cut.
        const int needed = label->fontMetrics().tightBoundingRect(label->text()).width();
        QVERIFY2(label->contentsRect().width() >= needed,
                 qPrintable(QString("%1: %2 < %3")
                                .arg(label->objectName())
                                .arg(label->contentsRect().width())
                                .arg(needed)));
    }
}

void TestWindow::fontsAsDesigned_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("family");
    QTest::addColumn<int>("pixels");
    QTest::addColumn<int>("weight");
    QTest::addColumn<bool>("italic");
    const QString sans = QStringLiteral("Liberation Sans");
    const QString serif = QStringLiteral("Liberation Serif");
    const int normal = QFont::Normal, bold = QFont::Bold;
    // Points at 96 dpi: 72 pt is 96 px, 8.25 pt rounds to 11 px.
    QTest::newRow("lblNum1") << "lblNum1" << sans << 96 << bold << false;
    QTest::newRow("Label2") << "Label2" << sans << 96 << normal << false;
    QTest::newRow("txtAnswer") << "txtAnswer" << sans << 96 << bold << false;
    QTest::newRow("lblNum2") << "lblNum2" << sans << 64 << bold << false;
    QTest::newRow("lblMessage") << "lblMessage" << sans << 32 << bold << true;
    QTest::newRow("Label6") << "Label6" << sans << 24 << normal << false;
    QTest::newRow("lblScore") << "lblScore" << serif << 48 << bold << false;
    QTest::newRow("Label11") << "Label11" << sans << 13 << normal << false;
    QTest::newRow("lblconto") << "lblconto" << sans << 16 << int(QFont::Black) << false;
    QTest::newRow("lblnome1") << "lblnome1" << sans << 18 << bold << false;
    QTest::newRow("Label12") << "Label12" << sans << 32 << normal << false;
    QTest::newRow("lblnome") << "lblnome" << sans << 32 << bold << false;
    QTest::newRow("cmdExit") << "cmdExit" << sans << 11 << bold << false;
}

void TestWindow::fontsAsDesigned()
{
    QFETCH(QString, name);
    QFETCH(QString, family);
    QFETCH(int, pixels);
    QFETCH(int, weight);
    QFETCH(bool, italic);
    MainWindow w;
    const QFont f = control(w, name)->font();
    QCOMPARE(f.family(), family);
    QCOMPARE(f.pixelSize(), pixels);
    QCOMPARE(int(f.weight()), weight);
    QCOMPARE(f.italic(), italic);
    // The face really is there, so every machine shows the same letters.
    QCOMPARE(QFontInfo(f).family(), family);
}

void TestWindow::coloursAsDesigned_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<int>("role");
    QTest::addColumn<QColor>("colour");
    const QColor yellow(255, 255, 0), blue(0, 0, 255), red(255, 0, 0), cyan(0, 255, 255);
    const int text = QPalette::WindowText, back = QPalette::Window;
    QTest::newRow("lblNum1 text") << "lblNum1" << text << blue;
    QTest::newRow("lblNum1 back") << "lblNum1" << back << yellow;
    QTest::newRow("Label2") << "Label2" << text << yellow;
    QTest::newRow("Label7 back") << "Label7" << back << yellow;
    QTest::newRow("txtAnswer text") << "txtAnswer" << int(QPalette::Text) << blue;
    QTest::newRow("txtAnswer back") << "txtAnswer" << int(QPalette::Base) << yellow;
    QTest::newRow("lblMessage") << "lblMessage" << text << red;
    QTest::newRow("Label6") << "Label6" << text << cyan;
    QTest::newRow("Label1") << "Label1" << text << red;
    QTest::newRow("lblScore1") << "lblScore1" << text << red;
    QTest::newRow("Label3") << "Label3" << text << blue;
    QTest::newRow("lblScore2") << "lblScore2" << text << blue;
    QTest::newRow("lblconto") << "lblconto" << text << yellow;
    QTest::newRow("Label14") << "Label14" << text << cyan;
    QTest::newRow("lblpunti") << "lblpunti" << text << yellow;
    QTest::newRow("cmdNext face") << "cmdNext" << int(QPalette::Button) << QColor(0, 192, 192);
    QTest::newRow("cmdExit face") << "cmdExit" << int(QPalette::Button) << QColor(192, 0, 192);
}

void TestWindow::coloursAsDesigned()
{
    QFETCH(QString, name);
    QFETCH(int, role);
    QFETCH(QColor, colour);
    MainWindow w;
    QCOMPARE(control(w, name)->palette().color(QPalette::ColorRole(role)), colour);
}

void TestWindow::captionsAndTooltipsExact_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("toolTip");
    QTest::newRow("Label2") << "Label2"
                            << "+"
                            << "";
    QTest::newRow("Label7") << "Label7"
                            << "1"
                            << "";
    QTest::newRow("Label4") << "Label4"
                            << "="
                            << "";
    QTest::newRow("txtAnswer") << "txtAnswer"
                               << ""
                               << "Inserisci il risultato e  premi il tasto  Invio";
    QTest::newRow("Label6") << "Label6"
                            << "Risposte esatte"
                            << "";
    QTest::newRow("lblScore") << "lblScore"
                              << "0"
                              << "Questo è il tuo punteggio. Forza con il  record";
    QTest::newRow("Label1") << "Label1"
                            << "Risposte errate"
                            << "";
    QTest::newRow("Label3") << "Label3"
                            << "Risposte totali"
                            << "";
    QTest::newRow("Label11") << "Label11"
                             << "Tempo restante"
                             << "";
    QTest::newRow("Image1") << "Image1"
                            << ""
                            << "Clicca sotto di me per impostare il Timer";
    QTest::newRow("lblconto") << "lblconto"
                              << "00.00.00"
                              << "";
    QTest::newRow("Label14") << "Label14"
                             << "Sfidante"
                             << "";
    QTest::newRow("Label12") << "Label12"
                             << "Il record  è di "
                             << "";
    QTest::newRow("lblnome") << "lblnome"
                             << "nome"
                             << "";
    QTest::newRow("Label13") << "Label13"
                             << "con punti"
                             << "";
    QTest::newRow("cmdNext") << "cmdNext"
                             << "&Nuovo calcolo"
                             << "Go";
    QTest::newRow("cmdExit") << "cmdExit"
                             << "E&xit"
                             << "Ti prego resta ancora, forse riuscirai a farmi uscire ";
    QTest::newRow("Command1") << "Command1"
                              << "Command1"
                              << "";
}

void TestWindow::captionsAndTooltipsExact()
{
    QFETCH(QString, name);
    QFETCH(QString, text);
    QFETCH(QString, toolTip);
    MainWindow w;
    QWidget* c = control(w, name);
    if (auto* label = qobject_cast<DesignLabel*>(c))
        QCOMPARE(label->caption(), text);
    else if (auto* button = qobject_cast<QAbstractButton*>(c))
        QCOMPARE(button->text(), text);
    else if (auto* box = qobject_cast<QLineEdit*>(c))
        QCOMPARE(box->text(), text);
    QCOMPARE(c->toolTip(), toolTip);
}

void TestWindow::clientAreaIsTheDesignSizeAtFirst()
{
    MainWindow w;
    w.show();
    QVERIFY(QTest::qWaitForWindowExposed(&w));
    QCOMPARE(w.centralWidget()->size(), QSize(792, 554));
    QCOMPARE(w.windowTitle(), QString("Ventobaldo- Arrivo fino a 10000"));
    // Below the menu bar.
    QCOMPARE(w.centralWidget()->y(), w.menuBar()->height());
    // A larger window: the client area fills it, the scene zooms to fit.
    w.resize(1200, 900);
    QCOMPARE(w.centralWidget()->size(), QSize(1200, 900 - w.menuBar()->height()));
    QCOMPARE(w.zoom(), 1200.0 / 792.0);
}

void TestWindow::opaqueAndTransparentLabelsOverTheRamp()
{
    MainWindow w;
    w.show();
    w.backdrop()->paintRamp(10);
    const QImage image = w.centralWidget()->grab().toImage();
    QCOMPARE(image.size(), QSize(792, 554));
    // Right edge, top and bottom band.
    QCOMPARE(at(image, 791, 0), QColor(100, 100, 0));
    QCOMPARE(at(image, 791, 553), QColor(100, 100, 255));
    // lblNum1 fills its yellow box; Label2's corner shows the ramp through.
    QCOMPARE(at(image, 192 + 4, 8 + 4), QColor(255, 255, 0));
    QCOMPARE(at(image, 336 + 2, 16 + 2).red(), 100);
    QCOMPARE(at(image, 336 + 2, 16 + 2).green(), 100);
    // After a wrong answer the ramp is gone, the labels still stand.
    w.backdrop()->setPlainColour(Qt::black);
    const QImage black = w.centralWidget()->grab().toImage();
    QCOMPARE(at(black, 791, 553), QColor(Qt::black));
    QCOMPARE(at(black, 336 + 2, 16 + 2), QColor(Qt::black));
    QCOMPARE(at(black, 192 + 4, 8 + 4), QColor(255, 255, 0));
}

void TestWindow::lineEndsShowAsLineBreaks_data()
{
    QTest::addColumn<QString>("caption");
    QTest::addColumn<QString>("shown");
    QTest::newRow("CR LF at the end") << "12\r\n"
                                      << "12\n";
    QTest::newRow("CR LF inside") << "Anna\r\nBea"
                                  << "Anna\nBea";
    QTest::newRow("lone CR") << "a\rb"
                             << "a\nb";
    QTest::newRow("lone LF") << "a\nb"
                             << "a\nb";
    QTest::newRow("other controls dropped") << QString("a") + QChar(1) + "b" + QChar(0) << "ab";
    QTest::newRow("tab kept") << "a\tb"
                              << "a\tb";
}

void TestWindow::lineEndsShowAsLineBreaks()
{
    QFETCH(QString, caption);
    QFETCH(QString, shown);
    MainWindow w;
    DesignLabel* label = labelOf(w, "lblnome");
    label->setCaption(caption);
    QCOMPARE(label->caption(), caption);
    QCOMPARE(label->text(), shown);
}

void TestWindow::roundNumberGrowsAroundItsCentre_data()
{
    QTest::addColumn<QString>("number");
    QTest::newRow("one digit") << "7";
    QTest::newRow("four wide digits") << "8888";
    QTest::newRow("largest") << "9999";
    QTest::newRow("back to two") << "41";
}

void TestWindow::roundNumberGrowsAroundItsCentre()
{
    QFETCH(QString, number);
    MainWindow w;
    w.show();
    const QRect before = labelOf(w, "lblNum1")->geometry();
    labelOf(w, "lblNum1")->setCaption("8888");
    labelOf(w, "lblNum1")->setCaption(number);
    const QRect r = labelOf(w, "lblNum1")->geometry();
    const QRect plus = labelOf(w, "Label2")->geometry();
    // The child reads the whole number and the "+" beside it.
    QVERIFY2(r.right() < plus.left(), qPrintable(QString("right edge %1").arg(r.right())));
    QVERIFY(r.left() >= 0);
    QVERIFY(r.width() >= labelOf(w, "lblNum1")->fontMetrics().horizontalAdvance(number));
    QVERIFY(qAbs((r.left() + r.right()) - (before.left() + before.right())) <= 1);
    QCOMPARE(r.top(), before.top());
}

void TestWindow::longNameGrowsFromTheLeft()
{
    MainWindow w;
    w.show();
    DesignLabel* name = labelOf(w, "lblnome1");
    name->setCaption("Margherita Bianchi");
    QCOMPARE(name->x(), 16);
    QCOMPARE(name->y(), 432);
    QVERIFY(name->width() >= name->fontMetrics().horizontalAdvance("Margherita Bianchi"));
    name->setCaption("Al");
    QVERIFY(name->width() < 60);
    QCOMPARE(name->x(), 16);
}

void TestWindow::focusCycle_data()
{
    QTest::addColumn<bool>("nextEnabled");
    QTest::addColumn<QStringList>("cycle");
    QTest::newRow("round answered")
        << true << QStringList{"cmdNext", "txtAnswer", "Command1", "cmdExit", "cmdNext"};
    QTest::newRow("round open, next skipped")
        << false << QStringList{"txtAnswer", "Command1", "cmdExit", "txtAnswer"};
}

void TestWindow::focusCycle()
{
    QFETCH(bool, nextEnabled);
    QFETCH(QStringList, cycle);
    Game game;
    game.start();
    if (nextEnabled)
        game.answer("42");
    QCOMPARE(game.focus()->objectName(), cycle.first());
    for (qsizetype i = 1; i < cycle.size(); ++i) {
        game.press(Qt::Key_Tab);
        QCOMPARE(game.focus()->objectName(), cycle.at(i));
    }
}

void TestWindow::menusAndOnlyNuovoActs()
{
    MainWindow w;
    QSignalSpy nuovo(&w, &MainWindow::newContestRequested);
    QStringList barNames;
    for (QAction* a : w.menuBar()->actions())
        barNames << (a->menu() ? a->menu()->objectName() : a->objectName());
    QCOMPARE(barNames, (QStringList{"Ciao", "a", "Next", "agli"}));
    auto* ciao = w.findChild<QMenu*>("Ciao");
    QStringList inside;
    for (QAction* a : ciao->actions())
        inside << a->objectName();
    QCOMPARE(inside, (QStringList{"wp", "v"}));
    for (const char* name : {"wp", "v", "a", "agli"}) {
        auto* action = w.findChild<QAction*>(name);
        QVERIFY(!action->text().isEmpty());
        action->trigger();
    }
    QCOMPARE(nuovo.count(), 0);
    // Addresses only on a reserved example domain.
    QVERIFY(w.findChild<QAction*>("wp")->text().contains(".example."));
    QVERIFY(w.findChild<QAction*>("a")->text().contains(".example."));
    auto* next = w.findChild<QAction*>("Next");
    QCOMPARE(next->text(), QString("nuovo"));
    next->trigger();
    QCOMPARE(nuovo.count(), 1);
}

void TestWindow::picturesAtTheirSizes()
{
    MainWindow w;
    QVERIFY(w.windowIcon().availableSizes().contains(QSize(32, 32)));
    auto* image = w.findChild<QLabel*>("Image1");
    QCOMPARE(image->pixmap().size(), QSize(32, 32));
    QVERIFY(!image->pixmap().toImage().allGray());
    QCOMPARE(w.centralWidget()->cursor().pixmap().size(), QSize(48, 48));
    for (const char* name : {"lblMessage", "Label5", "cmdNext"})
        QCOMPARE(control(w, name)->cursor().pixmap().size(), QSize(16, 16));
    // The next button looks different when it cannot be pressed.
    PictureButton* next = w.nextButton();
    const QImage enabled = next->icon().pixmap(32, QIcon::Normal).toImage();
    const QImage disabled = next->icon().pixmap(32, QIcon::Disabled).toImage();
    QVERIFY(!enabled.isNull());
    QVERIFY(enabled != disabled);
    QVERIFY(!w.exitButton()->icon().isNull());
}

void TestWindow::screenReaderFollowsTheGame()
{
    Game game;
    game.start("Anna", 3, 41);
    game.answer("42");
    const auto said = [&](const char* name, QAccessible::Text what) {
        QAccessibleInterface* a =
            QAccessible::queryAccessibleInterface(control(*game.window(), name));
        return a ? a->text(what) : QString();
    };
    QCOMPARE(said("lblNum1", QAccessible::Name), QString("41"));
    QCOMPARE(said("lblScore", QAccessible::Name), QString("1"));
    QCOMPARE(said("lblScore", QAccessible::Description), QString("Risposte esatte"));
    QCOMPARE(said("lblconto", QAccessible::Description), QString("Tempo restante"));
    QCOMPARE(said("lblMessage", QAccessible::Name), QString("Esatto! Anna sei forte!"));
    QCOMPARE(said("lblNum1", QAccessible::Description), QString("Numero da completare"));
    for (QWidget* c : game.window()->centralWidget()->findChildren<QWidget*>()) {
        // Every control but the announcer, which Orca would read out after
        // each of its notices.
        if (!c->objectName().isEmpty() && c->objectName() != "announcer" &&
            c->parentWidget() == game.window()->centralWidget())
            QVERIFY2(!c->accessibleDescription().isEmpty(), qPrintable(c->objectName()));
    }
    for (const char* name : {"txtAnswer", "cmdNext", "cmdExit", "Command1"})
        QVERIFY2(!control(*game.window(), name)->accessibleName().isEmpty(), name);
}

void TestWindow::rampBands_data()
{
    QTest::addColumn<int>("tint");
    QTest::addColumn<int>("redGreen");
    QTest::newRow("0") << 0 << 0;
    QTest::newRow("1") << 1 << 10;
    QTest::newRow("10") << 10 << 100;
    QTest::newRow("14") << 14 << 140;
}

void TestWindow::rampBands()
{
    QFETCH(int, tint);
    QFETCH(int, redGreen);
    const QImage ramp = Backdrop::renderRamp(QSize(792, 554), tint);
    for (int x : {0, 400, 791}) {
        QCOMPARE(at(ramp, x, 0), QColor(redGreen, redGreen, 0));
        QCOMPARE(at(ramp, x, 553), QColor(redGreen, redGreen, 255));
    }
    // Half way down is band 128.
    QCOMPARE(at(ramp, 10, 554 * 128 / 256).blue(), 128);
}

void TestWindow::rampCoversEveryHeightExactly_data()
{
    QTest::addColumn<int>("height");
    QTest::newRow("design") << 554;
    QTest::newRow("short") << 300;
    QTest::newRow("exactly two a band") << 512;
    QTest::newRow("tall screen") << 2160;
}

void TestWindow::rampCoversEveryHeightExactly()
{
    QFETCH(int, height);
    const QImage ramp = Backdrop::renderRamp(QSize(20, height), 7);
    QList<int> rows(256, 0);
    int last = -1;
    for (int y = 0; y < height; ++y) {
        const QColor c = at(ramp, 19, y);
        QCOMPARE(c.red(), 70);
        QVERIFY2(c.blue() == last || c.blue() == last + 1, qPrintable(QString("row %1").arg(y)));
        last = c.blue();
        ++rows[last];
    }
    QCOMPARE(last, 255);
    // Bands of equal height, to a row.
    const auto [shortest, tallest] = std::minmax_element(rows.begin(), rows.end());
    QVERIFY(*shortest >= height / 256);
    QVERIFY(*tallest - *shortest <= 1);
}

void TestWindow::rampFollowsAResize()
{
    Backdrop backdrop;
    backdrop.resize(400, 300);
    backdrop.paintRamp(5);
    backdrop.resize(1000, 300);
    const QImage image = backdrop.grab().toImage();
    QCOMPARE(at(image, 999, 299), QColor(50, 50, 255));
    QVERIFY(backdrop.showsRamp());
}

QTEST_MAIN(TestWindow)
#include "tst_window.moc"
