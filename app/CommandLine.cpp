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
    return line;
}
