#include "Cause.h"

#include "Request.h"

#include <cerrno>

// Marked for the game's catalogues, which translate them in the context
// "records"; here, without Qt, they stay Italian.
#define QT_TRANSLATE_NOOP(context, text) text

namespace records {

Cause causeOf(int error)
{
    switch (error) {
    case ENOSPC:
    case EDQUOT:
    case EFBIG:
        return Cause::DiskFull;
    case EACCES:
        return Cause::NoPermission;
    case EROFS:
    case EPERM:
        return Cause::ReadOnly;
    case EIO:
        return Cause::DiskError;
    case EWOULDBLOCK:
        return Cause::Busy;
    case NotRegularError:
    case ENOTDIR:
    case ELOOP:
        return Cause::NotRegular;
    case ENOENT:
        return Cause::Missing;
    case EMFILE:
    case ENFILE:
        return Cause::TooManyFiles;
    case ENOMEM:
        return Cause::OutOfMemory;
    case LinkedError:
        return Cause::Linked;
    case NoServiceError:
        return Cause::NoService;
    case NoAnswerError:
        return Cause::NoAnswer;
    default:
        return Cause::Other;
    }
}

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

const char* refusalFor(int status)
{
    switch (status) {
    case request::TooSoon:
        return QT_TRANSLATE_NOOP(
            "records",
            "dice di aver giocato più secondi di quanti ne siano passati dal suo inizio");
    case request::DailyLimit:
        //: %1 is the most contests one account may end in a day (300).
        return QT_TRANSLATE_NOOP("records", "con questo utente oggi si sono già giocate %1 gare, "
                                            "il massimo per un giorno");
    case request::Refused:
        return QT_TRANSLATE_NOOP("records", "i suoi dati non sono validi");
    case request::NotTeacher:
        return QT_TRANSLATE_NOOP("records", "solo l'amministratore e gli insegnanti del gruppo "
                                            "corvalesta-maestri possono cambiare le impostazioni");
    case request::BadSettings:
        return QT_TRANSLATE_NOOP("records", "le impostazioni non sono valide");
    default:
        return QT_TRANSLATE_NOOP("records", "errore imprevisto (codice %1)");
    }
}

} // namespace records
