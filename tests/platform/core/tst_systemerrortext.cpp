// The system's error numbers in the French words the author reads.

#include "platform/core/systemerrortext.h"
#include "support/helpers.h"

#include <QTest>
#include <cerrno>

using namespace scribel;

class TestSystemErrorText : public QObject {
    Q_OBJECT

private Q_SLOTS:
    // Each error that opening, reading, writing or renaming a file can meet, in the French words
    // the author reads; a number left out is named as such.
    void saysEverySystemErrorInItsOwnWords_data() {
        scribel::test::addColumns<int, QString>("error", "text");
        const auto row = [](const char* name, int error, const char* text) {
            QTest::newRow(name) << error << QString::fromUtf8(text);
        };
        row("EACCES", EACCES, "accès refusé");
        row("EPERM", EPERM, "opération non permise");
        row("ENOENT", ENOENT, "fichier ou dossier introuvable");
        row("ENOTDIR", ENOTDIR, "un élément du chemin n'est pas un dossier");
        row("ENAMETOOLONG", ENAMETOOLONG, "nom trop long");
        row("EISDIR", EISDIR, "c'est un dossier");
        row("EROFS", EROFS, "disque en lecture seule");
        row("ENOSPC", ENOSPC, "disque plein");
        row("EDQUOT", EDQUOT, "quota de disque dépassé");
        row("EFBIG", EFBIG, "fichier trop gros pour ce disque ou pour les limites de la session");
        row("EIO", EIO, "erreur de lecture ou d'écriture sur le disque");
        row("EBUSY", EBUSY, "fichier ou disque occupé");
        row("ETXTBSY", ETXTBSY, "fichier en cours d'utilisation");
        row("EMFILE", EMFILE, "trop de fichiers ouverts par le programme");
        row("ENFILE", ENFILE, "trop de fichiers ouverts sur le système");
        row("ENOMEM", ENOMEM, "mémoire insuffisante");
        row("ELOOP", ELOOP, "trop de liens symboliques en chaîne");
        row("EXDEV", EXDEV, "le fichier ne peut pas être déplacé d'un disque à l'autre");
        row("EAGAIN", EAGAIN, "ressource momentanément indisponible");
        row("EINTR", EINTR, "opération interrompue");
        row("EINVAL", EINVAL, "opération impossible sur ce fichier");
        row("EEXIST", EEXIST, "un fichier de ce nom existe déjà");
        row("ENXIO", ENXIO, "périphérique ou adresse absents");
        row("ENODEV", ENODEV, "aucun périphérique de ce type");
        row("EOVERFLOW", EOVERFLOW, "fichier trop gros pour être lu");
        row("EBADF", EBADF, "fichier mal ouvert");
        row("ESTALE", ESTALE, "fichier réseau devenu inaccessible");
        row("ENOTEMPTY", ENOTEMPTY, "un dossier non vide porte ce nom");
        row("EMLINK", EMLINK, "trop de liens vers ce fichier");
        row("ENOLCK", ENOLCK, "aucun verrou disponible");
        row("ENOSYS", ENOSYS, "opération non prise en charge");
        row("EOPNOTSUPP", EOPNOTSUPP, "opération non prise en charge par ce disque");
        row("ETIMEDOUT", ETIMEDOUT, "le disque réseau ne répond plus");
        row("ECONNABORTED", ECONNABORTED, "connexion au disque réseau interrompue");
        row("EHOSTDOWN", EHOSTDOWN, "le serveur du disque réseau est arrêté");
        row("left out", EPIPE, "erreur système numéro 32");
    }
    void saysEverySystemErrorInItsOwnWords() {
        const auto [error, text] = scribel::test::fetch<int, QString>("error", "text");
        QCOMPARE(systemErrorText(error), text);
    }
};

QTEST_GUILESS_MAIN(TestSystemErrorText)
#include "tst_systemerrortext.moc"
