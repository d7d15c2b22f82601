#include "runtime/system_error_text.h"

#include <cerrno>
#include <cstring>

namespace tarvel {

std::string SystemErrorText(int errnum)
{
    switch (errnum) {
    case EACCES: return "Permesso negato";
    case EPERM: return "Operazione non permessa";
    case ENOENT: return "File o directory non esistente";
    case ENOTDIR: return "Non è una directory";
    case EISDIR: return "È una directory";
    case ENOSPC: return "Spazio esaurito sul device";
    case EDQUOT: return "Quota disco superata";
    case EROFS: return "File system in sola lettura";
    case EIO: return "Errore di input/output";
    case EFBIG: return "File troppo grande";
    case ENAMETOOLONG: return "Nome del file troppo lungo";
    case ELOOP: return "Troppi livelli di collegamenti simbolici";
    case EPIPE: return "Pipe interrotta";
    case ENXIO: return "Dispositivo o indirizzo non esistente";
    case EBUSY: return "Dispositivo o risorsa occupata";
    case ETXTBSY: return "File di testo occupato";
    case EBADF: return "Descrittore di file non valido";
    case EINVAL: return "Argomento non valido";
    default: return std::strerror(errnum);
    }
}

} // namespace tarvel
