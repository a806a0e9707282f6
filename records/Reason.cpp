#include "Reason.h"

// Marked for the game's catalogues, which translate them in the context
// "records"; here, without Qt, they stay Italian.
#define QT_TRANSLATE_NOOP(context, text) text

namespace records {

std::string reasonFor(Cause cause, int error, bool folder)
{
    switch (cause) {
    case Cause::DiskFull:
        return QT_TRANSLATE_NOOP("records", "il disco è pieno");
    case Cause::NoPermission:
        return QT_TRANSLATE_NOOP("records", "non ho il permesso di usarlo");
    case Cause::ReadOnly:
        return QT_TRANSLATE_NOOP("records", "è di sola lettura");
    case Cause::DiskError:
        return QT_TRANSLATE_NOOP("records", "errore del disco");
    case Cause::Busy:
        return QT_TRANSLATE_NOOP("records", "un'altra copia del gioco sta salvando il record");
    case Cause::NotRegular:
        return folder ? QT_TRANSLATE_NOOP("records", "non è una cartella")
                      : QT_TRANSLATE_NOOP("records", "non è un file normale");
    case Cause::Missing:
        return folder ? QT_TRANSLATE_NOOP("records", "la cartella non c'è")
                      : QT_TRANSLATE_NOOP("records", "il file non c'è");
    case Cause::TooManyFiles:
        return QT_TRANSLATE_NOOP("records", "ci sono troppi file aperti");
    case Cause::OutOfMemory:
        return QT_TRANSLATE_NOOP("records", "la memoria è esaurita");
    case Cause::Linked:
        return QT_TRANSLATE_NOOP("records", "ha un altro nome: è un collegamento fisso");
    case Cause::NoService:
        return QT_TRANSLATE_NOOP("records",
                                 "il servizio che registra il record non è in funzione: chi "
                                 "amministra il computer lo avvia con «sudo systemctl enable "
                                 "--now corvalesta-record.socket»");
    case Cause::NoAnswer:
        return QT_TRANSLATE_NOOP("records", "il servizio che registra il record non ha risposto");
    case Cause::Other:
        break;
    }
    return "errore imprevisto (codice " + std::to_string(error) + ")";
}

} // namespace records
