#include "CommandLine.h"

#include <QCommandLineParser>

namespace {

struct Option {
    QStringList names;
    const char* valueName; // nullptr: a flag
    const char* description;
};

// Every option, in the order the help lists them.
const Option Options[] = {
    {{"tastierino"},
     nullptr,
     "mostra il tastierino accanto al calcolo anche senza schermo tattile"},
    {{"risultati"}, nullptr, "apre i risultati della classe invece di una gara"},
    {{"h", "help"}, nullptr, "mostra questo aiuto ed esce"},
    {{"v", "version"}, nullptr, "mostra la versione ed esce"},
};
// For the end-to-end tests only, which play a five-minute contest faster.
const Option TickOption = {{"ms-al-secondo"}, "ms", "durata di un secondo dell'orologio"};

// An option as typed: -h, --help.
QString spelled(const QString& name)
{
    return (name.size() == 1 ? QStringLiteral("-") : QStringLiteral("--")) + name;
}

QString helpText()
{
    QString text = QStringLiteral("Uso: corvalesta [opzioni]\n"
                                  "Una gara di cinque minuti: quanto fa un numero più 1?\n\n"
                                  "Opzioni:\n");
    for (const Option& o : Options) {
        QStringList names;
        for (const QString& name : o.names)
            names << spelled(name);
        text += QStringLiteral("  %1\n      %2\n")
                    .arg(names.join(QStringLiteral(", ")), QString::fromUtf8(o.description));
    }
    return text;
}

CommandLine refused(const QString& why)
{
    return {CommandLine::Refused,
            {},
            why + QStringLiteral("\nPer l'elenco delle opzioni: corvalesta --help\n")};
}

} // namespace

CommandLine CommandLine::parse(const QStringList& arguments, const QString& version)
{
    QCommandLineParser parser;
    for (const Option& o : Options)
        parser.addOption(QCommandLineOption(o.names, QString::fromUtf8(o.description)));
    QCommandLineOption tick(TickOption.names, QString::fromUtf8(TickOption.description),
                            QString::fromLatin1(TickOption.valueName));
    tick.setFlags(QCommandLineOption::HiddenFromHelp);
    parser.addOption(tick);
    if (!parser.parse(arguments)) {
        const QStringList unknown = parser.unknownOptionNames();
        return refused(
            unknown.isEmpty()
                ? QStringLiteral("Manca il valore di un'opzione.")
                : QStringLiteral("Opzione sconosciuta: %1").arg(spelled(unknown.first())));
    }
    if (!parser.positionalArguments().isEmpty())
        return refused(
            QStringLiteral("Argomento non previsto: %1").arg(parser.positionalArguments().first()));
    CommandLine line;
    if (parser.isSet(QStringLiteral("help")))
        return {Help, {}, helpText()};
    if (parser.isSet(QStringLiteral("version")))
        return {Version, {}, QStringLiteral("corvalesta %1\n").arg(version)};
    if (parser.isSet(QStringLiteral("tastierino")))
        line.options.keypad = true;
    if (parser.isSet(tick)) {
        bool ok = false;
        line.options.tickMs = parser.value(tick).toInt(&ok);
        if (!ok || line.options.tickMs < 1)
            return refused(QStringLiteral("Valore non valido per --ms-al-secondo: %1")
                               .arg(parser.value(tick)));
    }
    if (parser.isSet(QStringLiteral("risultati")))
        line.action = Results;
    return line;
}
