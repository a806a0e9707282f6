#include "CommandLine.h"

#include <QCommandLineParser>
#include <QCoreApplication>

namespace {

struct Option {
    QStringList names;
    const char* valueName; // nullptr: a flag
    const char* description;
};

// A text marked below, in the language installed.
QString translated(const char* text)
{
    return QCoreApplication::translate("CommandLine", text);
}

// Every option, in the order the help lists them.
const Option Options[] = {
    {{"tastierino"},
     nullptr,
     QT_TRANSLATE_NOOP("CommandLine",
                       "mostra il tastierino accanto al calcolo anche senza schermo tattile")},
    {{"risultati"},
     nullptr,
     QT_TRANSLATE_NOOP("CommandLine", "apre i risultati della classe invece di una gara")},
    {{"impostazioni"},
     nullptr,
     QT_TRANSLATE_NOOP("CommandLine", "apre le impostazioni della classe invece di una gara")},
    {{"stampa"},
     QT_TRANSLATE_NOOP("CommandLine", "file"),
     QT_TRANSLATE_NOOP(
         "CommandLine",
         "con --risultati: salva la tabella dei bambini in questo PDF, senza finestra")},
    {{"fino-a"},
     QT_TRANSLATE_NOOP("CommandLine", "numero"),
     QT_TRANSLATE_NOOP("CommandLine", "con --stampa: solo le gare fino a questo numero")},
    {{"minuti"},
     QT_TRANSLATE_NOOP("CommandLine", "minuti"),
     QT_TRANSLATE_NOOP("CommandLine", "con --stampa: solo le gare di questa durata")},
    {{"gioco"},
     QT_TRANSLATE_NOOP("CommandLine", "gioco"),
     QT_TRANSLATE_NOOP("CommandLine", "con --stampa: solo gara o solo allenamento")},
    {{"periodo"},
     QT_TRANSLATE_NOOP("CommandLine", "periodo"),
     QT_TRANSLATE_NOOP("CommandLine", "con --stampa: oggi, settimana o tutto (tutto se manca)")},
    {{"nome"},
     QT_TRANSLATE_NOOP("CommandLine", "testo"),
     QT_TRANSLATE_NOOP("CommandLine", "con --stampa: solo i nomi che contengono questo testo")},
    {{"lingua"},
     QT_TRANSLATE_NOOP("CommandLine", "codice"),
     QT_TRANSLATE_NOOP("CommandLine", "parla questa lingua invece di quella del computer")},
    {{"h", "help"}, nullptr, QT_TRANSLATE_NOOP("CommandLine", "mostra questo aiuto ed esce")},
    {{"v", "version"}, nullptr, QT_TRANSLATE_NOOP("CommandLine", "mostra la versione ed esce")},
};
// For the end-to-end tests only, which play a five-minute contest faster.
const Option TickOption = {{"ms-al-secondo"}, "ms", "durata di un secondo dell'orologio"};

// An option as typed: -h, --help.
QString spelled(const QString& name)
{
    return (name.size() == 1 ? QStringLiteral("-") : QStringLiteral("--")) + name;
}

QString helpText(const QStringList& languages)
{
    QString text = QCoreApplication::translate(
        "CommandLine", "Uso: corvalesta [opzioni]\n"
                       "Una gara di cinque minuti: quanto fa un numero più 1?\n\n"
                       "Opzioni:\n");
    for (const Option& o : Options) {
        QStringList names;
        for (const QString& name : o.names)
            names << spelled(name);
        QString first = names.join(QStringLiteral(", "));
        if (o.valueName)
            first += u' ' + translated(o.valueName).toUpper();
        text += QStringLiteral("  %1\n      %2\n").arg(first, translated(o.description));
    }
    return text + u'\n' +
           QCoreApplication::translate("CommandLine", "Lingue: %1")
               .arg(languages.join(QStringLiteral(", "))) +
           u'\n';
}

CommandLine refused(const QString& why)
{
    return {CommandLine::Refused,
            {},
            {},
            why + u'\n' +
                QCoreApplication::translate("CommandLine",
                                            "Per l'elenco delle opzioni: corvalesta --help") +
                u'\n'};
}

// The report's options: each only with the one before, each value one of
// those the teachers' choices know, as a settings file writes them.
CommandLine withReport(const QCommandLineParser& parser, CommandLine line)
{
    const QString print = QStringLiteral("stampa");
    const QStringList filters = {QStringLiteral("fino-a"), QStringLiteral("minuti"),
                                 QStringLiteral("gioco"), QStringLiteral("periodo"),
                                 QStringLiteral("nome")};
    if (parser.isSet(print) && line.action != CommandLine::Results)
        //: %1 is an option, %2 the option it needs.
        return refused(QCoreApplication::translate("CommandLine", "%1 va usata con %2")
                           .arg(QStringLiteral("--stampa"), QStringLiteral("--risultati")));
    for (const QString& filter : filters) {
        if (parser.isSet(filter) && !parser.isSet(print))
            return refused(QCoreApplication::translate("CommandLine", "%1 va usata con %2")
                               .arg(spelled(filter), QStringLiteral("--stampa")));
    }
    line.print = parser.value(print);
    const auto badValue = [&parser](const QString& option) {
        //: %1 is the option, %2 the value given.
        return refused(QCoreApplication::translate("CommandLine", "Valore non valido per %1: %2")
                           .arg(spelled(option), parser.value(option)));
    };
    const auto among = [&parser](const QString& option, const auto& list) {
        for (const auto n : list)
            if (parser.value(option) == QString::number(n))
                return n;
        return 0;
    };
    if (parser.isSet(filters[0]) && !(line.upTo = among(filters[0], settings::Ranges)))
        return badValue(filters[0]);
    if (parser.isSet(filters[1]) && !(line.minutes = among(filters[1], settings::Lengths)))
        return badValue(filters[1]);
    const QStringList plays = {QString(), QStringLiteral("gara"), QStringLiteral("allenamento")};
    if (parser.isSet(filters[2]) && (line.play = int(plays.indexOf(parser.value(filters[2])))) <= 0)
        return badValue(filters[2]);
    const QStringList periods = {QStringLiteral("oggi"), QStringLiteral("settimana"),
                                 QStringLiteral("tutto")};
    if (parser.isSet(filters[3]) &&
        (line.period = int(periods.indexOf(parser.value(filters[3])))) < 0)
        return badValue(filters[3]);
    line.name = parser.value(filters[4]);
    return line;
}

} // namespace

CommandLine CommandLine::parse(const QStringList& arguments, const QString& version,
                               const QStringList& languages)
{
    QCommandLineParser parser;
    for (const Option& o : Options)
        parser.addOption(QCommandLineOption(o.names, QString::fromUtf8(o.description),
                                            QString::fromLatin1(o.valueName)));
    QCommandLineOption tick(TickOption.names, QString::fromUtf8(TickOption.description),
                            QString::fromLatin1(TickOption.valueName));
    tick.setFlags(QCommandLineOption::HiddenFromHelp);
    parser.addOption(tick);
    if (!parser.parse(arguments)) {
        const QStringList unknown = parser.unknownOptionNames();
        return refused(
            unknown.isEmpty()
                ? QCoreApplication::translate("CommandLine", "Manca il valore di un'opzione.")
                : QCoreApplication::translate("CommandLine", "Opzione sconosciuta: %1")
                      .arg(spelled(unknown.first())));
    }
    if (!parser.positionalArguments().isEmpty())
        return refused(QCoreApplication::translate("CommandLine", "Argomento non previsto: %1")
                           .arg(parser.positionalArguments().first()));
    // First the language, in which the help too is given.
    CommandLine line;
    if (parser.isSet(QStringLiteral("lingua"))) {
        line.language = parser.value(QStringLiteral("lingua"));
        if (!languages.contains(line.language))
            return refused(QCoreApplication::translate(
                               "CommandLine", "Lingua sconosciuta: %1. Le lingue sono: %2.")
                               .arg(line.language, languages.join(QStringLiteral(", "))));
    }
    if (parser.isSet(QStringLiteral("help")))
        return {Help, {}, line.language, helpText(languages)};
    if (parser.isSet(QStringLiteral("version")))
        return {Version, {}, line.language, QStringLiteral("corvalesta %1\n").arg(version)};
    if (parser.isSet(QStringLiteral("tastierino")))
        line.options.keypad = true;
    if (parser.isSet(tick)) {
        bool ok = false;
        line.options.tickMs = parser.value(tick).toInt(&ok);
        if (!ok || line.options.tickMs < 1)
            return refused(QCoreApplication::translate("CommandLine",
                                                       "Valore non valido per --ms-al-secondo: %1")
                               .arg(parser.value(tick)));
    }
    if (parser.isSet(QStringLiteral("risultati")))
        line.action = Results;
    else if (parser.isSet(QStringLiteral("impostazioni")))
        line.action = Settings;
    return withReport(parser, line);
}
