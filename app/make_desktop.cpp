// Writes the desktop entry and the AppStream data with their translations,
// taken from the game's own catalogues (context "desktop"), after each text
// the template gives in Italian.
// Usage: make_desktop <template> <output> <catalogue folder> <language>...
#include <QCoreApplication>
#include <QFile>
#include <QList>
#include <QTranslator>
#include <algorithm>
#include <cstdio>
#include <memory>
#include <vector>

namespace {

// Every text of the two templates that a person reads; the build stops on
// one that is not here, so that none escapes the translators.
const char* const Texts[] = {
    QT_TRANSLATE_NOOP("desktop", "Gara di calcolo"),
    QT_TRANSLATE_NOOP("desktop",
                      "Quale numero viene dopo? Una gara di cinque minuti per la scuola primaria"),
    //: Search words for the desktop's menu: each ends with a semicolon.
    QT_TRANSLATE_NOOP("desktop", "matematica;numeri;addizione;contare;scuola;bambini;"),
    //: The menu item that opens the teacher's window.
    QT_TRANSLATE_NOOP("desktop", "Risultati della classe"),
    //: The menu item that opens the teachers' settings window.
    QT_TRANSLATE_NOOP("desktop", "Impostazioni della classe"),
    QT_TRANSLATE_NOOP("desktop", "Gara di calcolo per la scuola primaria"),
    QT_TRANSLATE_NOOP("desktop",
                      "Ogni turno mostra un numero da 0 a 9999 e il segno «+ 1 =»: il bambino "
                      "scrive il numero che viene dopo e preme Invio. Il gioco lo loda per nome o "
                      "mostra la risposta giusta, suona, conta le risposte esatte, errate e totali "
                      "e colora lo sfondo in modo nuovo a ogni turno."),
    QT_TRANSLATE_NOOP("desktop",
                      "Una gara dura cinque minuti. Il record del computer e il nome di chi lo ha "
                      "fatto restano salvati per la gara successiva."),
    QT_TRANSLATE_NOOP("desktop",
                      "Per l'insegnante, ogni gara finita resta nei risultati della classe: la "
                      "finestra «Risultati della classe» mostra data, nome, risposte esatte, "
                      "errate e totali, filtra per nome e per periodo, ordina per colonna, disegna "
                      "l'andamento di ogni bambino ed esporta le righe in un file CSV che si apre "
                      "con LibreOffice Calc. Con un lettore di schermo il gioco dice ogni calcolo e "
                      "ogni risposta; su uno schermo a tocco mostra un tastierino."),
    //: The six search words of the software centre, one each.
    QT_TRANSLATE_NOOP("desktop", "matematica"),
    QT_TRANSLATE_NOOP("desktop", "numeri"),
    QT_TRANSLATE_NOOP("desktop", "addizione"),
    QT_TRANSLATE_NOOP("desktop", "contare"),
    QT_TRANSLATE_NOOP("desktop", "scuola primaria"),
    QT_TRANSLATE_NOOP("desktop", "risultati della classe"),
};

struct Language {
    QString code;
    std::unique_ptr<QTranslator> catalogue;
};

std::vector<Language> languages;
bool failed = false;

// The text in each language that has it, in the order given: one that has
// not falls back to the template's own Italian.
std::vector<std::pair<QString, QString>> translations(const QString& source)
{
    std::vector<std::pair<QString, QString>> out;
    if (std::none_of(std::begin(Texts), std::end(Texts),
                     [&](const char* t) { return source == QString::fromUtf8(t); })) {
        std::fprintf(stderr, "make_desktop: not among the texts to translate: %s\n",
                     qPrintable(source));
        failed = true;
    }
    for (const Language& l : languages) {
        const QString text = l.catalogue->translate("desktop", source.toUtf8().constData());
        if (text.isEmpty())
            std::fprintf(stderr, "make_desktop: warning: no %s yet for: %s\n", qPrintable(l.code),
                         qPrintable(source));
        else
            out.emplace_back(l.code, text);
    }
    return out;
}

// Name (in an action), GenericName, Comment and Keywords get a line for
// each language; the program's own name is the same in all.
QStringList desktopEntry(const QStringList& lines)
{
    QStringList out;
    bool action = false;
    for (const QString& line : lines) {
        out << line;
        if (line.startsWith(u'['))
            action = line.startsWith(QLatin1String("[Desktop Action"));
        const QString key = line.section(u'=', 0, 0);
        if (key == QLatin1String("GenericName") || key == QLatin1String("Comment") ||
            key == QLatin1String("Keywords") || (action && key == QLatin1String("Name"))) {
            for (const auto& [code, text] : translations(line.section(u'=', 1)))
                out << QStringLiteral("%1[%2]=%3").arg(key, code, text);
        }
    }
    return out;
}

// The summary, each paragraph of the description and each keyword get an
// element for each language after them.
QStringList appStream(const QStringList& lines)
{
    QStringList out;
    QString paragraph;
    bool inParagraph = false;
    for (const QString& line : lines) {
        out << line;
        const QString trimmed = line.trimmed();
        const QString indent = line.left(line.indexOf(u'<'));
        for (const char* tag : {"summary", "keyword"}) {
            const QString open = QStringLiteral("<%1>").arg(QLatin1String(tag));
            if (trimmed.startsWith(open)) {
                const QString text = trimmed.mid(open.size()).section(u'<', 0, 0);
                for (const auto& [code, translated] : translations(text))
                    out << QStringLiteral("%1<%2 xml:lang=\"%3\">%4</%2>")
                               .arg(indent, QLatin1String(tag), code, translated.toHtmlEscaped());
            }
        }
        if (trimmed == QLatin1String("<p>")) {
            inParagraph = true;
            paragraph.clear();
        } else if (trimmed == QLatin1String("</p>")) {
            inParagraph = false;
            for (const auto& [code, translated] : translations(paragraph.simplified()))
                out << QStringLiteral("%1<p xml:lang=\"%2\">%3</p>")
                           .arg(indent, code, translated.toHtmlEscaped());
        } else if (inParagraph) {
            paragraph += u' ' + trimmed;
        }
    }
    return out;
}

} // namespace

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    if (argc < 4) {
        std::fprintf(stderr, "usage: make_desktop <template> <output> <folder> <language>...\n");
        return 2;
    }
    for (int i = 4; i < argc; ++i) {
        Language l{QString::fromLocal8Bit(argv[i]), std::make_unique<QTranslator>()};
        if (!l.catalogue->load(QStringLiteral("corvalesta_") + l.code,
                               QString::fromLocal8Bit(argv[3]))) {
            std::fprintf(stderr, "make_desktop: no catalogue for %s\n", argv[i]);
            return 1;
        }
        languages.push_back(std::move(l));
    }
    QFile in(QString::fromLocal8Bit(argv[1]));
    if (!in.open(QIODevice::ReadOnly))
        return 1;
    const QStringList lines = QString::fromUtf8(in.readAll()).split(u'\n');
    const QStringList written = QByteArray(argv[1]).endsWith(".desktop.in") ? desktopEntry(lines)
                                                                            : appStream(lines);
    QFile out(QString::fromLocal8Bit(argv[2]));
    if (failed || !out.open(QIODevice::WriteOnly) || out.write(written.join(u'\n').toUtf8()) < 0)
        return 1;
    return 0;
}
