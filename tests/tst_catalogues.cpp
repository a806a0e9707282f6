// The game's catalogues as data: every text finished, every placeholder
// kept, every character drawn by the fonts the package brings; and a round
// played in another language through the real window.
#include "DesignLabel.h"
#include "EndOfContest.h"
#include "Game.h"
#include "Languages.h"
#include "MainWindow.h"
#include "ResultsLog.h"
#include "ResultsModel.h"

#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QFontInfo>
#include <QFontMetrics>
#include <QMap>
#include <QSet>
#include <QTest>
#include <QTimeZone>
#include <QTranslator>
#include <QXmlStreamReader>

class TestCatalogues : public QObject {
    Q_OBJECT
private slots:
    void everyTextIsTranslated_data();
    void everyTextIsTranslated();
    void languageIsChosenAsDebianDoes_data();
    void languageIsChosenAsDebianDoes();
    void aRoundInEnglish();
    void datesAsTheLanguageWritesThem_data();
    void datesAsTheLanguageWritesThem();
};

namespace {

struct Message {
    QString context;
    QString source;
    QStringList forms; // the translation, or its plural forms
    bool finished = false;
    bool counts = false; // has plural forms
};

QList<Message> messages(const QString& path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        qFatal("cannot read %s", qPrintable(path));
    QXmlStreamReader xml(&file);
    QList<Message> found;
    QString context;
    while (!xml.atEnd()) {
        xml.readNext();
        if (!xml.isStartElement())
            continue;
        if (xml.name() == QLatin1String("name")) {
            context = xml.readElementText();
        } else if (xml.name() == QLatin1String("message")) {
            found.append({context, {}, {}, false,
                          xml.attributes().value(QLatin1String("numerus")) == QLatin1String("yes")});
        } else if (xml.name() == QLatin1String("source")) {
            found.last().source = xml.readElementText();
        } else if (xml.name() == QLatin1String("translation")) {
            found.last().finished =
                xml.attributes().value(QLatin1String("type")) != QLatin1String("unfinished");
            xml.readNext();
            if (xml.isCharacters() && !xml.isWhitespace())
                found.last().forms << xml.text().toString();
            else if (xml.isStartElement() && xml.name() == QLatin1String("numerusform"))
                found.last().forms << xml.readElementText();
        } else if (xml.name() == QLatin1String("numerusform")) {
            found.last().forms << xml.readElementText();
        }
    }
    return found;
}

// %1 to %9 and %n, each once however often it appears. (No regular
// expression: memcheck flags the code PCRE2 compiles for it.)
QSet<QString> placeholders(const QString& text)
{
    QSet<QString> found;
    for (qsizetype i = 0; i + 1 < text.size(); ++i) {
        const QChar next = text[i + 1];
        if (text[i] == u'%' && ((next >= u'1' && next <= u'9') || next == u'n'))
            found << text.mid(i, 2);
    }
    return found;
}

} // namespace

void TestCatalogues::everyTextIsTranslated_data()
{
    QTest::addColumn<QString>("language");
    QTest::addColumn<QString>("catalogue");
    // The fonts the package brings that draw its texts: Liberation for the
    // Latin and Cyrillic letters, the digits and the program's name.
    QTest::addColumn<QStringList>("families");
    const QMap<QString, QString> script{{"ar", "Noto Sans Arabic UI"},
                                        {"zh_CN", "WenQuanYi Micro Hei"}};
    // Italian's own catalogue has only the forms of the texts that count.
    for (const QString& language : (QStringLiteral("it," CORVALESTA_LANGUAGES)).split(u',')) {
        QStringList families{"Liberation Sans"};
        if (script.contains(language))
            families << script[language];
        QTest::newRow(qPrintable(language))
            << language << QStringLiteral(CORVALESTA_TS_DIR "/corvalesta_%1.ts").arg(language)
            << families;
    }
}

void TestCatalogues::everyTextIsTranslated()
{
    QFETCH(QString, language);
    QFETCH(QString, catalogue);
    QFETCH(QStringList, families);
    const QList<Message> all = messages(catalogue);
    const bool italian = language == QLatin1String("it");
    QVERIFY(italian ? !all.isEmpty() : all.size() > 100);
    QList<QFontMetrics> fonts;
    for (const QString& family : families) {
        // Installed, not stood in for by another.
        QCOMPARE(QFontInfo(QFont(family)).family(), family);
        fonts << QFontMetrics(QFont(family));
    }
    const auto drawn = [&fonts](QChar c) {
        return c.isSpace() || std::any_of(fonts.begin(), fonts.end(),
                                          [c](const QFontMetrics& m) { return m.inFont(c); });
    };
    for (const Message& m : all) {
        const QString where = m.context + u'/' + m.source;
        QVERIFY2(m.finished && !m.forms.isEmpty(), qPrintable(where));
        QVERIFY2(!italian || (m.counts && m.forms.size() == 2), qPrintable(where));
        for (const QString& form : m.forms) {
            QVERIFY2(!form.trimmed().isEmpty(), qPrintable(where));
            // A form for exactly one may say it in words ("دقيقة واحدة").
            QSet<QString> expected = placeholders(m.source);
            if (m.forms.size() > 1 && !form.contains(QLatin1String("%n")))
                expected.remove(QStringLiteral("%n"));
            QCOMPARE(placeholders(form), expected);
            for (const QChar c : form)
                QVERIFY2(drawn(c), qPrintable(where + u' ' + c));
        }
    }
    // The desktop entry and the AppStream data as installed: the name, the
    // comment, the keywords and the two actions' names; the summary, the
    // three paragraphs and the six keywords.
    const auto read = [](const char* name) {
        QFile file(QStringLiteral(CORVALESTA_QM_DIR "/desktop/") + QLatin1String(name));
        return file.open(QIODevice::ReadOnly) ? QString::fromUtf8(file.readAll()) : QString();
    };
    if (italian)
        return; // the templates' own texts
    const QString entry = read("org.example.corvalesta.desktop");
    for (const auto& [key, times] :
         {std::pair{"GenericName", 1}, {"Comment", 1}, {"Keywords", 1}, {"Name", 2}})
        QCOMPARE(entry.count(QStringLiteral("\n%1[%2]=").arg(QLatin1String(key), language)), times);
    QCOMPARE(read("org.example.corvalesta.metainfo.xml")
                 .count(QStringLiteral(" xml:lang=\"%1\">").arg(language)),
             10);
}

void TestCatalogues::languageIsChosenAsDebianDoes_data()
{
    QTest::addColumn<QByteArray>("language"); // LANGUAGE
    QTest::addColumn<QByteArray>("all");      // LC_ALL
    QTest::addColumn<QByteArray>("lang");     // LANG
    QTest::addColumn<QString>("chosen");      // with Italian, English and Chinese
    const auto row = [](const char* tag, const char* language, const char* all, const char* lang,
                        const char* chosen) {
        QTest::newRow(tag) << QByteArray(language) << QByteArray(all) << QByteArray(lang)
                           << QString(chosen);
    };
    row("nothing said", "", "", "", "it");
    row("an Italian desktop", "", "", "it_IT.UTF-8", "it");
    row("an English one", "", "", "en_GB.UTF-8", "en");
    row("LANGUAGE first", "de:en", "", "it_IT.UTF-8", "en");
    row("LC_ALL before LANG", "", "en_US.UTF-8", "it_IT.UTF-8", "en");
    row("the C locale ignores LANGUAGE", "en", "C", "", "it");
    row("a language it lacks", "", "", "fr_FR@euro", "it");
    row("Chinese as written", "zh_CN.UTF-8", "", "", "zh_CN");
    row("another Chinese", "zh_TW", "", "", "it");
}

void TestCatalogues::languageIsChosenAsDebianDoes()
{
    QFETCH(QByteArray, language);
    QFETCH(QByteArray, all);
    QFETCH(QByteArray, lang);
    QFETCH(QString, chosen);
    const QByteArray names[] = {"LANGUAGE", "LC_ALL", "LC_MESSAGES", "LANG"};
    const QByteArray values[] = {language, all, QByteArray(), lang};
    for (int i = 0; i < 4; ++i) {
        if (values[i].isEmpty())
            qunsetenv(names[i]);
        else
            qputenv(names[i], values[i]);
    }
    QCOMPARE(languages::choose(languages::wanted(), {"it", "en", "zh_CN"}), chosen);
}

// The prompt, the greeting, a right and a wrong verdict and the goodbye, in
// English; the record's files as ever.
void TestCatalogues::aRoundInEnglish()
{
    speak("en");
    Game game;
    game.start("Anna", 3, 41);
    QCOMPARE(game.platform.inputPrompts, QStringList{"What's your name?"});
    QCOMPARE(game.platform.boxPrompts().value(0),
             QString("Anna, let's see if you're a real champion!"));
    game.answer("42");
    QCOMPARE(game.caption("lblMessage"), QString("Right! Anna, you're great!"));
    game.nextRound(5, 700);
    game.press(Qt::Key_Return);
    game.answer("7");
    QCOMPARE(game.caption("lblMessage"), QString("Not quite! It's 701"));
    QCOMPARE(labelOf(*game.window(), "Label6")->caption(), QString("Right answers"));
    QCOMPARE(game.window()->windowTitle(), QString("Ventobaldo - Counting up to 10000"));
    QCOMPARE(contest::translated(contest::Goodbye), QString("Bye, see you at the next challenge!"));
    // The teacher's export: the header and the record column in English.
    QCOMPARE(ResultsModel::header(),
             QByteArray("\"date\",\"name\",\"right\",\"wrong\",\"total\",\"seconds\",\"record\","
                        "\"account\",\"verified\",\"up_to\",\"minutes\",\"play\",\"wrong_answers\","
                        "\"tens\",\"tens_wrong\",\"hundreds\",\"hundreds_wrong\",\"thousands\","
                        "\"thousands_wrong\"\r\n"));
    ResultsModel::Row row;
    row.when = QDateTime(QDate(2026, 12, 9), QTime(9, 30), Qt::UTC);
    row.name = "Anna";
    row.right = 1234; // never "1,234"
    row.record = true;
    QCOMPARE(
        ResultsModel::csvLine(row),
        QByteArray("\"2026-12-09T09:30:00Z\",\"Anna\",1234,0,1234,0,\"yes\",\"\",\"yes\",10000,5,"
                   "\"contest\",\"\",,,,,,\r\n"));
    speak("it");
    QCOMPARE(contest::translated(contest::Goodbye), contest::Goodbye);
    QCOMPARE(ResultsModel::header(), QByteArray(records::results::Header));
}

void TestCatalogues::datesAsTheLanguageWritesThem_data()
{
    QTest::addColumn<QString>("language");
    QTest::addColumn<QString>("shown");
    QTest::newRow("Italian") << "it" << "09/12/2026 10:30";
    QTest::newRow("German") << "de" << "09.12.2026 10:30";
    QTest::newRow("Ukrainian") << "uk" << "09.12.2026 10:30";
    QTest::newRow("Chinese") << "zh_CN" << "2026/12/09 10:30";
}

// The results table's dates, in Western digits whatever the language.
void TestCatalogues::datesAsTheLanguageWritesThem()
{
    QFETCH(QString, language);
    QFETCH(QString, shown);
    speak(language);
    QCOMPARE(ResultsModel::shownWhen(QDateTime(QDate(2026, 12, 9), QTime(10, 30))), shown);
    speak("it");
}

QTEST_MAIN(TestCatalogues)
#include "tst_catalogues.moc"
