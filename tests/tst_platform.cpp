// The real platform: Qt's boxes answered as a child would answer them, the
// record directory, the random numbers and sound without a sound card.
#include "CommandLine.h"
#include "QtPlatform.h"

#include <QAbstractButton>
#include <QAccessible>
#include <QApplication>
#include <QDialogButtonBox>
#include <QInputDialog>
#include <QLabel>
#include <QLineEdit>
#include <QMainWindow>
#include <QMessageBox>
#include <QScopeGuard>
#include <QScreen>
#include <QSet>
#include <QSoundEffect>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <functional>
#include <pwd.h>
#include <unistd.h>

class TestPlatform : public QObject {
    Q_OBJECT
private slots:
    void messageBoxShowsTextAndTitle_data();
    void messageBoxShowsTextAndTitle();
    void questionAnswers_data();
    void questionAnswers();
    void inputBoxReturnsWhatWasTyped_data();
    void inputBoxReturnsWhatWasTyped();
    void focusComesBackAfterABox();
    void onlyThePackagedProgramUsesTheSharedFolder_data();
    void onlyThePackagedProgramUsesTheSharedFolder();
    void recordDirectoryIsTheSameWhereverTheGameStarts_data();
    void recordDirectoryIsTheSameWhereverTheGameStarts();
    void randomNumbersCoverTheRange();
    void soundNeverHangsOrCrashes();
    void commandLineIsReadStrictly_data();
    void commandLineIsReadStrictly();
};

namespace {

// Acts on the box once it is open, from inside its event loop.
void whenBoxOpens(std::function<void(QWidget*)> act)
{
    auto* poll = new QTimer;
    poll->setInterval(10);
    QObject::connect(poll, &QTimer::timeout, [poll, act] {
        if (QWidget* box = QApplication::activeModalWidget()) {
            poll->stop();
            poll->deleteLater();
            act(box);
        }
    });
    poll->start();
}

QAbstractButton* buttonNamed(QWidget* box, const QString& text)
{
    for (auto* b : box->findChildren<QAbstractButton*>()) {
        if (b->text() == text)
            return b;
    }
    return nullptr;
}

} // namespace

void TestPlatform::messageBoxShowsTextAndTitle_data()
{
    QTest::addColumn<QString>("prompt");
    QTest::addColumn<QString>("title");
    QTest::addColumn<QString>("shownTitle");
    QTest::newRow("untitled") << " Anna vediamo se sei un vero campione  "
                              << ""
                              << "Corvalesta";
    QTest::newRow("markup is text") << "<b>Anna</b> &amp;"
                                    << ""
                                    << "Corvalesta";
    QTest::newRow("titled") << "Ciao"
                            << "Titolo"
                            << "Titolo";
    // Sixty letters with no blank, the widest there are, or in Chinese.
    QTest::newRow("a name of sixty letters")
        << " " + QString("WMWMWMWMWM").repeated(6) + " vediamo se sei un vero campione  "
        << ""
        << "Corvalesta";
    QTest::newRow("sixty Chinese characters")
        << " " + QString(60, QChar(0x738B)) + " vediamo se sei un vero campione  "
        << ""
        << "Corvalesta";
}

void TestPlatform::messageBoxShowsTextAndTitle()
{
    QFETCH(QString, prompt);
    QFETCH(QString, title);
    QFETCH(QString, shownTitle);
    QtPlatform platform;
    QString seenText, seenTitle;
    Qt::TextFormat seenFormat = Qt::RichText;
    int buttons = 0;
    QString cut, spoken;
    whenBoxOpens([&](QWidget* w) {
        auto* box = qobject_cast<QMessageBox*>(w);
        // Whole on the screen: the box within it, every line within the box.
        auto* label = box->findChild<QLabel*>("qt_msgbox_label");
        const QRect needed = label->fontMetrics().boundingRect(QRect(0, 0, label->width(), 100000),
                                                               Qt::TextWordWrap, label->text());
        if (!box->screen()->availableGeometry().contains(box->frameGeometry()) ||
            needed.width() > label->width() || needed.height() > label->height() ||
            !box->rect().contains(label->geometry()))
            cut = QString("%1 in %2").arg(needed.width()).arg(label->width());
        // What a screen reader says has no unseen breaks: with them it would
        // spell a long name letter by letter.
        spoken = QAccessible::queryAccessibleInterface(label)->text(QAccessible::Name);
        seenText = box->text().remove(QChar(0x200B));
        seenTitle = box->windowTitle();
        seenFormat = box->textFormat();
        buttons = int(box->buttons().size());
        QTest::keyClick(box, Qt::Key_Return);
    });
    QCOMPARE(platform.messageBox(prompt, Platform::OkOnly, title), Platform::AnswerOk);
    QVERIFY2(cut.isEmpty(), qPrintable(cut));
    QCOMPARE(seenText, prompt);
    QCOMPARE(spoken, prompt);
    QCOMPARE(seenTitle, shownTitle);
    QCOMPARE(seenFormat, Qt::PlainText);
    QCOMPARE(buttons, 1);
}

void TestPlatform::questionAnswers_data()
{
    QTest::addColumn<QString>("how");
    QTest::addColumn<int>("answer");
    QTest::newRow("Enter takes the default, No") << "enter" << int(Platform::AnswerNo);
    QTest::newRow("Escape is No") << "escape" << int(Platform::AnswerNo);
    QTest::newRow("click on Sì") << "yes" << int(Platform::AnswerYes);
    QTest::newRow("click on No") << "no" << int(Platform::AnswerNo);
}

void TestPlatform::questionAnswers()
{
    QFETCH(QString, how);
    QFETCH(int, answer);
    QtPlatform platform;
    QString title;
    whenBoxOpens([&](QWidget* box) {
        title = box->windowTitle();
        if (how == "enter")
            QTest::keyClick(box, Qt::Key_Return);
        else if (how == "escape")
            QTest::keyClick(box, Qt::Key_Escape);
        else
            buttonNamed(box, how == "yes" ? "&Sì" : "&No")->click();
    });
    QCOMPARE(platform.messageBox("INIZIAMO UNA NUOVA GARA  ?", Platform::YesNoQuestionDefaultNo,
                                 "INIZIARE NUOVA GARA"),
             answer);
    QCOMPARE(title, QString("INIZIARE NUOVA GARA"));
}

void TestPlatform::inputBoxReturnsWhatWasTyped_data()
{
    QTest::addColumn<QString>("typed");
    QTest::addColumn<bool>("cancel");
    QTest::addColumn<QString>("result");
    QTest::newRow("a name") << "Anna" << false << "Anna";
    QTest::newRow("blanks kept") << " Bea " << false << " Bea ";
    QTest::newRow("nothing") << "" << false << "";
    QTest::newRow("cancelled") << "Carlo" << true << "";
}

void TestPlatform::inputBoxReturnsWhatWasTyped()
{
    QFETCH(QString, typed);
    QFETCH(bool, cancel);
    QFETCH(QString, result);
    QtPlatform platform;
    QString prompt, title;
    whenBoxOpens([&](QWidget* w) {
        auto* dialog = qobject_cast<QInputDialog*>(w);
        prompt = dialog->labelText();
        title = dialog->windowTitle();
        QLineEdit* edit = dialog->findChild<QLineEdit*>();
        QVERIFY(edit->text().isEmpty());
        QTest::keyClicks(edit, typed);
        QTest::keyClick(edit, cancel ? Qt::Key_Escape : Qt::Key_Return);
    });
    QCOMPARE(platform.inputBox("Come ti chiami?"), result);
    QCOMPARE(prompt, QString("Come ti chiami?"));
    QCOMPARE(title, QString("Corvalesta"));
}

void TestPlatform::focusComesBackAfterABox()
{
    QMainWindow window;
    auto* edit = new QLineEdit(&window);
    window.setCentralWidget(edit);
    window.show();
    window.activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&window));
    edit->setFocus();
    QTRY_COMPARE(QApplication::focusWidget(), edit);
    QtPlatform platform;
    whenBoxOpens([](QWidget* box) { QTest::keyClick(box, Qt::Key_Return); });
    platform.messageBox("Ciao", Platform::OkOnly, QString());
    QTRY_COMPARE(QApplication::activeWindow(), &window);
    QTRY_COMPARE(QApplication::focusWidget(), edit);
}

// A build, or a copy installed without the package, keeps the account's own
// record even on a computer where the package is installed.
void TestPlatform::onlyThePackagedProgramUsesTheSharedFolder_data()
{
    QTest::addColumn<QString>("folder");
    QTest::addColumn<bool>("packaged");
    QTest::newRow("the package's") << "/usr/lib/corvalesta" << true;
    QTest::newRow("the package's, a separator after") << "/usr/lib/corvalesta/" << true;
    QTest::newRow("a build") << "/root/corvalesta/build/default/bin" << false;
    QTest::newRow("installed without the package") << "/home/anna/.local/lib/corvalesta" << false;
    QTest::newRow("beside the package's") << "/usr/lib/corvalesta-vecchio" << false;
}

void TestPlatform::onlyThePackagedProgramUsesTheSharedFolder()
{
    QFETCH(QString, folder);
    QFETCH(bool, packaged);
    QCOMPARE(QtPlatform::packaged(folder), packaged);
}

void TestPlatform::recordDirectoryIsTheSameWhereverTheGameStarts_data()
{
    // "(unset)" leaves the variable out; "/tmp/…" paths are examples only.
    QTest::addColumn<QString>("xdgDataHome");
    QTest::addColumn<QString>("home");
    QTest::addColumn<QString>("expected"); // "(account)": from the user database
    QTest::newRow("XDG_DATA_HOME") << "/tmp/dati"
                                   << "/tmp/casa"
                                   << "/tmp/dati/corvalesta";
    QTest::newRow("relative XDG_DATA_HOME") << "dati"
                                            << "/tmp/casa"
                                            << "/tmp/casa/.local/share/corvalesta";
    QTest::newRow("empty XDG_DATA_HOME") << ""
                                         << "/tmp/casa"
                                         << "/tmp/casa/.local/share/corvalesta";
    QTest::newRow("no HOME") << "(unset)"
                             << "(unset)"
                             << "(account)";
    QTest::newRow("relative HOME") << "(unset)"
                                   << "casa"
                                   << "(account)";
}

void TestPlatform::recordDirectoryIsTheSameWhereverTheGameStarts()
{
    QFETCH(QString, xdgDataHome);
    QFETCH(QString, home);
    QFETCH(QString, expected);
    const QByteArray savedXdg = qgetenv("XDG_DATA_HOME"), savedHome = qgetenv("HOME");
    const auto restore = qScopeGuard([&] {
        qputenv("XDG_DATA_HOME", savedXdg);
        qputenv("HOME", savedHome);
    });
    const auto set = [](const char* name, const QString& value) {
        if (value == "(unset)")
            qunsetenv(name);
        else
            qputenv(name, value.toUtf8());
    };
    set("XDG_DATA_HOME", xdgDataHome);
    set("HOME", home);
    if (expected == "(account)")
        expected = QFile::decodeName(getpwuid(getuid())->pw_dir) + "/.local/share/corvalesta";
    QCOMPARE(QtPlatform().recordDirectory(), QDir::cleanPath(expected));
}

void TestPlatform::randomNumbersCoverTheRange()
{
    QtPlatform platform;
    QSet<int> numbers;
    for (int i = 0; i < 50000; ++i) {
        const double r = platform.random();
        QVERIFY(r >= 0.0 && r < 1.0);
        numbers.insert(int(r * 10000));
    }
    // Every number from 0 to 9999 is a possible round; nearly all turn up.
    QVERIFY2(numbers.size() > 9900, qPrintable(QString::number(numbers.size())));
}

void TestPlatform::soundNeverHangsOrCrashes()
{
    QtPlatform platform;
    QTemporaryDir dir;
    QFile broken(dir.filePath("rotto.wav"));
    QVERIFY(broken.open(QIODevice::WriteOnly));
    broken.write("RIFF not really a wave");
    broken.close();
    const QString real = QStringLiteral(CORVALESTA_BIN_DIR "/suoni/Esatto.wav");
    const QString other = QStringLiteral(CORVALESTA_BIN_DIR "/suoni/no.wav");
    platform.preloadWave(real);
    platform.preloadWave(other);
    const auto before = qApp->findChildren<QSoundEffect*>().size();
    // A child pressing Enter as fast as possible, with and without files.
    for (int i = 0; i < 40; ++i) {
        platform.playWave(i % 2 ? real : other);
        platform.playWave(dir.filePath("manca.wav"));
        platform.playWave(broken.fileName());
        QCoreApplication::processEvents();
    }
    QTest::qWait(200);
    // One player a file, made once: 160 sounds made no more (how long they
    // take is bench/'s to say).
    QCOMPARE(qApp->findChildren<QSoundEffect*>().size(), before + 2);
}

void TestPlatform::commandLineIsReadStrictly_data()
{
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<int>("action");
    QTest::addColumn<QString>("text"); // how it begins
    QTest::addColumn<int>("keypad");   // -1: left to the screen
    QTest::addColumn<int>("tickMs");
    QTest::addColumn<QString>("language"); // asked for
    // The report: its file, range, length, play, period and name.
    QTest::addColumn<QString>("report");
    const auto row = [](const char* tag, const QStringList& arguments, CommandLine::Action action,
                        const QString& text = {}, int keypad = -1, int tickMs = 1000,
                        const QString& language = {}, const QString& report = " 0 0 0 2 ") {
        QTest::newRow(tag) << (QStringList{"corvalesta"} + arguments) << int(action) << text
                           << keypad << tickMs << language << report;
    };
    const auto report = [&row](const char* tag, const QStringList& arguments, const QString& report,
                               CommandLine::Action action = CommandLine::Results,
                               const QString& text = {}) {
        row(tag, arguments, action, text, -1, 1000, {}, report);
    };
    report("the class printed", {"--risultati", "--stampa", "classe.pdf"}, "classe.pdf 0 0 0 2 ");
    report("printed with every filter",
           {"--risultati", "--stampa", "a.pdf", "--fino-a", "20", "--minuti", "1", "--gioco",
            "allenamento", "--periodo", "settimana", "--nome", "ann"},
           "a.pdf 20 1 2 1 ann");
    report("a contest's play, today",
           {"--risultati", "--stampa", "a.pdf", "--gioco", "gara", "--periodo", "oggi"},
           "a.pdf 0 0 1 0 ");
    report("printed without the results", {"--stampa", "a.pdf"}, " 0 0 0 2 ", CommandLine::Refused,
           "--stampa va usata con --risultati\n");
    report("a filter without printing", {"--risultati", "--fino-a", "20"}, " 0 0 0 2 ",
           CommandLine::Refused, "--fino-a va usata con --stampa\n");
    report("a range that does not exist", {"--risultati", "--stampa", "a.pdf", "--fino-a", "30"},
           " 0 0 0 2 ", CommandLine::Refused, "Valore non valido per --fino-a: 30\n");
    report("a length that does not exist", {"--risultati", "--stampa", "a.pdf", "--minuti", "4"},
           " 0 0 0 2 ", CommandLine::Refused, "Valore non valido per --minuti: 4\n");
    report("both is no play", {"--risultati", "--stampa", "a.pdf", "--gioco", "entrambi"},
           " 0 0 0 2 ", CommandLine::Refused, "Valore non valido per --gioco: entrambi\n");
    report("a month is no period", {"--risultati", "--stampa", "a.pdf", "--periodo", "mese"},
           " 0 0 0 2 ", CommandLine::Refused, "Valore non valido per --periodo: mese\n");
    row("nothing", {}, CommandLine::Play);
    row("the keypad", {"--tastierino"}, CommandLine::Play, {}, 1);
    row("the results", {"--risultati"}, CommandLine::Results);
    row("help", {"--help"}, CommandLine::Help, "Uso: corvalesta [opzioni]\n");
    row("help, short", {"-h"}, CommandLine::Help, "Uso: corvalesta [opzioni]\n");
    row("version", {"--version"}, CommandLine::Version, "corvalesta 9.8.7\n");
    row("a faster clock", {"--ms-al-secondo", "250"}, CommandLine::Play, {}, -1, 250);
    row("an unknown option", {"--sconosciuta"}, CommandLine::Refused,
        "Opzione sconosciuta: --sconosciuta\n");
    row("an unknown short one", {"-x"}, CommandLine::Refused, "Opzione sconosciuta: -x\n");
    row("an argument", {"Anna"}, CommandLine::Refused, "Argomento non previsto: Anna\n");
    row("a clock of no time", {"--ms-al-secondo", "0"}, CommandLine::Refused,
        "Valore non valido per --ms-al-secondo: 0\n");
    row("a clock without its value", {"--ms-al-secondo"}, CommandLine::Refused,
        "Manca il valore di un'opzione.\n");
    row("a language it has", {"--lingua", "en"}, CommandLine::Play, {}, -1, 1000, "en");
    row("help in a language", {"--lingua", "en", "--help"}, CommandLine::Help,
        "Uso: corvalesta [opzioni]\n", -1, 1000, "en");
    row("a language it lacks", {"--lingua", "xx"}, CommandLine::Refused,
        "Lingua sconosciuta: xx. Le lingue sono: it, en.\n");
}

void TestPlatform::commandLineIsReadStrictly()
{
    QFETCH(QStringList, arguments);
    QFETCH(int, action);
    QFETCH(QString, text);
    QFETCH(int, keypad);
    QFETCH(int, tickMs);
    QFETCH(QString, language);
    QFETCH(QString, report);
    const CommandLine line = CommandLine::parse(arguments, "9.8.7", {"it", "en"});
    QCOMPARE(QString("%1 %2 %3 %4 %5 %6")
                 .arg(line.print)
                 .arg(line.upTo)
                 .arg(line.minutes)
                 .arg(line.play)
                 .arg(line.period)
                 .arg(line.name),
             report);
    QCOMPARE(line.language, language);
    QCOMPARE(int(line.action), action);
    QVERIFY2(line.text.startsWith(text), qPrintable(line.text));
    QCOMPARE(line.options.keypad ? int(*line.options.keypad) : -1, keypad);
    QCOMPARE(line.options.tickMs, tickMs);
    // The help lists every option a teacher may give, and no test's.
    if (action == CommandLine::Help) {
        for (const char* option :
             {"--tastierino", "--risultati", "--stampa FILE", "--fino-a NUMERO",
              "--periodo PERIODO", "--lingua CODICE", "--help", "--version", "it, en"})
            QVERIFY2(line.text.contains(option), option);
        QVERIFY(!line.text.contains("ms-al-secondo"));
    }
}

QTEST_MAIN(TestPlatform)
#include "tst_platform.moc"
