#include "Reason.h"

namespace records {

std::string reasonFor(Cause cause, int error, bool folder)
{
    switch (cause) {
    case Cause::DiskFull:
        return "il disco è pieno";
    case Cause::NoPermission:
        return "non ho il permesso di usarlo";
    case Cause::ReadOnly:
        return "è di sola lettura";
    case Cause::DiskError:
        return "errore del disco";
    case Cause::Busy:
        return "un'altra copia del gioco sta salvando il record";
    case Cause::NotRegular:
        return folder ? "non è una cartella" : "non è un file normale";
    case Cause::Missing:
        return folder ? "la cartella non c'è" : "il file non c'è";
    case Cause::TooManyFiles:
        return "ci sono troppi file aperti";
    case Cause::OutOfMemory:
        return "la memoria è esaurita";
    case Cause::Linked:
        return "ha un altro nome: è un collegamento fisso";
    case Cause::NoService:
        return "il servizio che registra il record non è in funzione: chi amministra il computer "
               "lo avvia con «sudo systemctl enable --now corvalesta-record.socket»";
    case Cause::NoAnswer:
        return "il servizio che registra il record non ha risposto";
    case Cause::Other:
        break;
    }
    return "errore imprevisto (codice " + std::to_string(error) + ")";
}

} // namespace records
