#include "EndOfContest.h"

#include "Platform.h"

namespace contest {

QString translated(const QString& italian)
{
    return QCoreApplication::translate("contest", italian.toUtf8().constData());
}

void endContest(Platform& platform, const QString& recordDir, bool goodbye, const Played& played)
{
    if (goodbye)
        platform.messageBox(translated(Goodbye), Platform::OkOnly, QString(), played.spoken);
    const records::Outcome outcome =
        records::finish(recordDir, played.ending, platform.recordService(),
                        records::pendingFolder(platform.accountDirectory()));
    if (outcome.recorded)
        platform.messageBox(translated(Saved));
    if (outcome.pending)
        platform.messageBox(QCoreApplication::translate(
            "contest", "Il servizio che registra il record ora non risponde: la tua gara è "
                       "conservata su questo computer e sarà registrata appena il servizio torna "
                       "in funzione."));
    if (outcome.unverified)
        platform.messageBox(QCoreApplication::translate(
            "contest", "La tua gara è tra i risultati della classe, ma non può valere come "
                       "record: il servizio che registra il record non ne ha visto l'inizio."));
    // The record first: a results line that cannot be written never costs it.
    if (outcome.error) {
        platform.messageBox(outcome.error->message());
        platform.endProgram(1);
        return;
    }
    platform.endProgram(0);
}

} // namespace contest
