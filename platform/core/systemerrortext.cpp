#include "systemerrortext.h"

#include <QStringView>
#include <cerrno>
#include <utility>

namespace scribel {

namespace {

// Every error that opening, reading, writing, flushing or renaming a file can meet.
const std::pair<int, QStringView> kSystemErrorTexts[] = {
    {EACCES, u"accès refusé"},
    {EPERM, u"opération non permise"},
    {ENOENT, u"fichier ou dossier introuvable"},
    {ENOTDIR, u"un élément du chemin n'est pas un dossier"},
    {ENAMETOOLONG, u"nom trop long"},
    {EISDIR, u"c'est un dossier"},
    {EROFS, u"disque en lecture seule"},
    {ENOSPC, u"disque plein"},
    {EDQUOT, u"quota de disque dépassé"},
    {EFBIG, u"fichier trop gros pour ce disque ou pour les limites de la session"},
    {EIO, u"erreur de lecture ou d'écriture sur le disque"},
    {EBUSY, u"fichier ou disque occupé"},
    {ETXTBSY, u"fichier en cours d'utilisation"},
    {EMFILE, u"trop de fichiers ouverts par le programme"},
    {ENFILE, u"trop de fichiers ouverts sur le système"},
    {ENOMEM, u"mémoire insuffisante"},
    {ELOOP, u"trop de liens symboliques en chaîne"},
    {EXDEV, u"le fichier ne peut pas être déplacé d'un disque à l'autre"},
    {EAGAIN, u"ressource momentanément indisponible"},
    {EINTR, u"opération interrompue"},
    {EINVAL, u"opération impossible sur ce fichier"},
    {EEXIST, u"un fichier de ce nom existe déjà"},
    {ENXIO, u"périphérique ou adresse absents"},
    {ENODEV, u"aucun périphérique de ce type"},
    {EOVERFLOW, u"fichier trop gros pour être lu"},
    {EBADF, u"fichier mal ouvert"},
    {ESTALE, u"fichier réseau devenu inaccessible"},
    {ENOTEMPTY, u"un dossier non vide porte ce nom"},
    {EMLINK, u"trop de liens vers ce fichier"},
    {ENOLCK, u"aucun verrou disponible"},
    {ENOSYS, u"opération non prise en charge"},
    {EOPNOTSUPP, u"opération non prise en charge par ce disque"},
    {ETIMEDOUT, u"le disque réseau ne répond plus"},
    {ECONNABORTED, u"connexion au disque réseau interrompue"},
    {EHOSTDOWN, u"le serveur du disque réseau est arrêté"},
};

} // namespace

QString systemErrorText(int errorNumber) {
    for (const auto& [number, text] : kSystemErrorTexts) {
        if (number == errorNumber) {
            return text.toString();
        }
    }
    return QStringLiteral("erreur système numéro %1").arg(errorNumber);
}

} // namespace scribel
