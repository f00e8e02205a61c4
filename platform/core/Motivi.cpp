#include "platform/core/Motivi.h"

#include <cerrno>

namespace motivi {

std::string DiErrore(int codice) {
    switch (codice) {
        case EACCES:
        case EPERM: return "permesso negato";
        case ENOSPC: return "disco pieno";
        case EDQUOT: return "spazio concesso sul disco esaurito";
        case EROFS: return "disco di sola lettura";
        case ENOENT: return "il file o la cartella non esiste";
        case ENOTDIR: return "una parte del percorso non è una cartella";
        case ENAMETOOLONG: return "nome del file troppo lungo";
        case EISDIR: return "è una cartella, non un file";
        case EFBIG: return "file troppo grande";
        case EIO: return "errore del disco";
        case EBUSY:
        case ETXTBSY: return "il file è in uso";
        case EMFILE:
        case ENFILE: return "troppi file aperti";
        case ELOOP: return "troppi collegamenti simbolici nel percorso";
        default: return "errore del sistema numero " + std::to_string(codice);
    }
}

}  // namespace motivi
