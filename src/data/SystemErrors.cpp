#include "data/SystemErrors.h"

#include <cerrno>

namespace vantor {

namespace {

struct ErrorText {
    int error;
    const char* text;
};

// Some numbers are the same error under two names on some systems (EAGAIN
// and EWOULDBLOCK, ENOTSUP and EOPNOTSUPP): the first row found wins.
const ErrorText kErrorTexts[] = {
    {ENOSPC, "plus de place sur le disque"},
#ifdef EDQUOT
    {EDQUOT, "quota du disque dépassé"},
#endif
    {EACCES, "permission refusée"},
    {EPERM, "permission refusée"},
    {EROFS, "disque en lecture seule"},
    {EISDIR, "c'est un dossier"},
    {EIO, "erreur d'entrée/sortie"},
    {ENOENT, "fichier ou dossier introuvable"},
    {ENOTDIR, "le chemin passe par un fichier qui n'est pas un dossier"},
    {ENAMETOOLONG, "nom de fichier trop long"},
    {ELOOP, "trop de liens symboliques à suivre (une boucle de liens ?)"},
    {EEXIST, "le fichier existe déjà"},
    {ENOTEMPTY, "le dossier n'est pas vide"},
    {EBUSY, "fichier ou appareil occupé"},
    {ETXTBSY, "fichier occupé par un programme en cours"},
    {EMFILE, "trop de fichiers ouverts par Vantor"},
    {ENFILE, "trop de fichiers ouverts sur l'ordinateur"},
    {ENOMEM, "mémoire insuffisante"},
    {ENOBUFS, "mémoire insuffisante"},
    {EFBIG, "fichier trop grand"},
    {EOVERFLOW, "fichier trop grand pour le système"},
    {EINVAL, "nom ou opération non valable"},
    {EAGAIN, "ressource momentanément indisponible"},
    {EWOULDBLOCK, "ressource momentanément indisponible"},
    {EINTR, "opération interrompue"},
    {ECANCELED, "opération annulée"},
    {EXDEV, "déplacement impossible d'un disque à un autre"},
    {EBADF, "fichier non ouvert"},
    {ESPIPE, "déplacement impossible dans ce fichier"},
    {ENXIO, "appareil introuvable"},
    {ENODEV, "appareil introuvable"},
    {EMLINK, "trop de liens vers ce fichier"},
    {ENOLCK, "plus aucun verrou de fichier disponible"},
    {EDEADLK, "verrou impossible sans blocage mutuel"},
    {ENOTSUP, "opération non prise en charge par ce disque"},
    {EOPNOTSUPP, "opération non prise en charge par ce disque"},
    {ENOSYS, "opération non prise en charge par le système"},
    {EILSEQ, "caractère non valable dans le nom"},
    {EFAULT, "adresse mémoire non valable"},
    {EPIPE, "la liaison a été fermée par l'autre côté"},
    {ETIMEDOUT, "délai dépassé"},
    {ENOTCONN, "partage réseau non connecté"},
    {ECONNREFUSED, "connexion refusée"},
    {ECONNRESET, "connexion interrompue"},
    {ECONNABORTED, "connexion interrompue"},
    {ENETDOWN, "réseau hors service"},
    {ENETUNREACH, "réseau injoignable"},
    {EHOSTUNREACH, "ordinateur injoignable"},
    {ENOEXEC, "ce fichier n'est pas un programme"},
    {E2BIG, "liste d'arguments trop longue"},
    {ECHILD, "aucun processus enfant"},
    {ESRCH, "processus introuvable"},
#ifdef ESTALE
    {ESTALE, "fichier du partage réseau devenu inaccessible"},
#endif
#ifdef ENOMEDIUM
    {ENOMEDIUM, "aucun support dans le lecteur"},
#endif
#ifdef EMEDIUMTYPE
    {EMEDIUMTYPE, "type de support non reconnu"},
#endif
#ifdef EREMOTEIO
    {EREMOTEIO, "erreur d'entrée/sortie sur l'appareil distant"},
#endif
#ifdef EHOSTDOWN
    {EHOSTDOWN, "ordinateur éteint ou injoignable"},
#endif
#ifdef EUCLEAN
    {EUCLEAN, "système de fichiers endommagé"},
#endif
#ifdef EBADMSG
    {EBADMSG, "données endommagées"},
#endif
#ifdef ENOTBLK
    {ENOTBLK, "ce n'est pas un disque"},
#endif
};

}  // namespace

std::string SystemErrorText(int error) {
    for (const ErrorText& row : kErrorTexts) {
        if (row.error == error) {
            return row.text;
        }
    }
    return "erreur système n° " + std::to_string(error);
}

std::string SystemErrorText(const std::error_code& error) {
    const std::error_condition condition = error.default_error_condition();
    if (condition.category() == std::generic_category()) {
        return SystemErrorText(condition.value());
    }
    return "erreur système n° " + std::to_string(error.value());
}

}  // namespace vantor
