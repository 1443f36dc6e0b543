// Sheet files on disk: reading with a size guard, writing that never leaves a truncated
// file, the system's error numbers in the French words the author reads, and the checks
// the file dialogs make on the chosen name before they close on it.

#include "platform/core/chosenfilecheck.h"
#include "platform/core/systemerrortext.h"
#include "platform/core/textfile.h"
#include "support/helpers.h"
#include "support/tinyfilesystem.h"
#include "support/unprivileged.h"

#include <cerrno>
#include <sys/stat.h>
#include <unistd.h>

using namespace scribel;
using namespace scribel::test;
using namespace Qt::StringLiterals;

Q_DECLARE_METATYPE(scribel::FileProblem)
Q_DECLARE_METATYPE(scribel::ChosenFileVerdict)

namespace {

constexpr qint64 kLimit = 64;

QByteArray aSheet() {
    return QByteArray(2000, 'a') + "\r\n";
}

} // namespace

class TestTextFile : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void cleanupTestCase() {
        // An ordinary user may empty a folder only once it is writable again.
        QFile::setPermissions(m_folder.filePath(u"choix/protege"_s),
                              QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    }
    void checksTheChosenName_data() {
        addColumns<QString, ChosenFileVerdict, ChosenFileVerdict>("name", "save", "open");
        using V = ChosenFileVerdict;
        const auto row = [](const char* tag, const QString& name, V save, V open) {
            QTest::newRow(tag) << name << save << open;
        };
        const auto both = [&row](const char* tag, const QString& name, V verdict) {
            row(tag, name, verdict, verdict);
        };
        row("existing file", u"fiche.pxr"_s, V::AskReplace, V::Accept);
        row("new name", u"nouvelle.pxr"_s, V::AskCreate, V::Accept);
        row("read-only file", u"lecture-seule.pxr"_s, V::RefuseReadOnlyFile, V::Accept);
        row("in a read-only folder", u"protege/fiche.pxr"_s, V::RefuseReadOnlyFolder, V::Accept);
        row("new in a read-only folder", u"protege/nouvelle.pxr"_s, V::RefuseReadOnlyFolder,
            V::Accept);
        both("missing folder", u"absent/fiche.pxr"_s, V::RefuseMissingFolder);
        both("in a closed folder", u"ferme/fiche.pxr"_s, V::RefuseFolderNotEnterable);
        both("folder", u"protege"_s, V::RefuseNotAFile);
        both("pattern", u"*.pxr"_s, V::RefusePattern);
        both("name too long", QString(252, u'n') + u".pxr"_s, V::RefuseNameTooLong);
        // The limit counts the name's bytes on disk (UTF-8), not its characters.
        row("name of 255 bytes", QString(125, u'é') + u"a.pxr"_s, V::AskCreate, V::Accept);
        both("name of 256 bytes in 131 characters", QString(126, u'é') + u".pxr"_s,
             V::RefuseNameTooLong);
        both("path too long", u"d/"_s.repeated(2100) + u"fiche.pxr"_s, V::RefusePathTooLong);
        // A whole path counts at most 4,095 bytes, the system's 4,096 with the final zero.
        both("path of 4,095 bytes", nameForPathOf(4095), V::RefuseMissingFolder);
        both("path of 4,096 bytes", nameForPathOf(4096), V::RefusePathTooLong);
        both("name not in UTF-8", QFile::decodeName("\xe9t\xe9.pxr"), V::RefuseInvalidName);
    }
    void checksTheChosenName() {
        const auto [name, save, open] =
            fetch<QString, ChosenFileVerdict, ChosenFileVerdict>("name", "save", "open");

        const QDir folder(m_folder.filePath(u"choix"_s));
        if (!folder.exists()) {
            QVERIFY(QDir(m_folder.path()).mkpath(u"choix/protege"_s));
            writeBytes(folder.filePath(u"fiche.pxr"_s), "V2");
            writeBytes(folder.filePath(u"lecture-seule.pxr"_s), "V2");
            writeBytes(folder.filePath(u"protege/fiche.pxr"_s), "V2");
            QVERIFY(
                QFile::setPermissions(folder.filePath(u"lecture-seule.pxr"_s), QFile::ReadOwner));
            QVERIFY(QFile::setPermissions(folder.filePath(u"protege"_s),
                                          QFile::ReadOwner | QFile::ExeOwner));
            QVERIFY(QDir(m_folder.path()).mkpath(u"choix/ferme"_s));
            QVERIFY(QFile::setPermissions(folder.filePath(u"ferme"_s), {}));
        }
        const QFileInfo chosen(folder.filePath(name));
        const auto verdicts = [](ChosenFileVerdict onSave, ChosenFileVerdict onOpen) {
            return QByteArray::number(static_cast<int>(onSave)) + ' ' +
                   QByteArray::number(static_cast<int>(onOpen));
        };
        // As an ordinary user sees them, root or not.
        const std::optional<QByteArray> seen = test::runWithoutPrivileges(
            [&] { return verdicts(checkSaveChoice(chosen), checkOpenChoice(chosen)); });
        QCOMPARE(seen.value_or("no report"), verdicts(save, open));
    }

    void readsOrSaysWhyNot_data() {
        addColumns<QString, QByteArray, bool, FileProblem>("name", "content", "failed", "problem");

        QTest::newRow("file") << "fiche.pxr" << QByteArray("V2\r\n") << false
                              << FileProblem::Missing;
        QTest::newRow("empty file") << "vide.pxr" << QByteArray() << false << FileProblem::Missing;
        QTest::newRow("at the size limit")
            << "juste.pxr" << QByteArray(kLimit, 'x') << false << FileProblem::Missing;
        QTest::newRow("one byte too many")
            << "gros.pxr" << QByteArray(kLimit + 1, 'x') << true << FileProblem::TooLarge;
        const auto refused = [](const char* tag, const QString& name, FileProblem problem) {
            QTest::newRow(tag) << name << QByteArray() << true << problem;
        };
        refused("missing", u"absent.pxr"_s, FileProblem::Missing);
        refused("folder", u"."_s, FileProblem::NotAFile);
        refused("device without end", u"/dev/zero"_s, FileProblem::NotAFile);
        refused("pipe", u"tube.pxr"_s, FileProblem::NotAFile);
        refused("name too long", QString(252, u'n') + u".pxr"_s, FileProblem::NameTooLong);
        refused("path too long", u"d/"_s.repeated(2100) + u"fiche.pxr"_s, FileProblem::PathTooLong);
        // A name whose bytes are not UTF-8, as Qt hands it over: U+FFFD in their place.
        refused("invalid name", QFile::decodeName("\xff\xfe.pxr"), FileProblem::InvalidName);
        refused("closed folder", u"ferme/fiche.pxr"_s, FileProblem::FolderNotEnterable);
        refused("no right to read", u"secrete.pxr"_s, FileProblem::AccessDenied);
    }
    void readsOrSaysWhyNot() {
        const auto [name, content, failed, problem] =
            fetch<QString, QByteArray, bool, FileProblem>("name", "content", "failed", "problem");

        const QString path = QDir(m_folder.path()).filePath(name);
        if (!failed || problem == FileProblem::TooLarge) {
            writeBytes(path, content);
        }
        if (name == u"tube.pxr") {
            // Opening a pipe for reading waits for a writer, unless it is opened without waiting.
            QCOMPARE(::mkfifo(QFile::encodeName(path).constData(), 0600), 0);
        }
        const bool closed = name == u"ferme/fiche.pxr" || name == u"secrete.pxr";
        if (closed) {
            QVERIFY(QDir(m_folder.path()).mkpath(u"ferme"_s));
            writeBytes(path, "V2\r\n");
            QVERIFY(QFile::setPermissions(
                name == u"secrete.pxr" ? path : QFileInfo(path).absolutePath(), {}));
        }
        // Root may enter every folder and read every file, unless it gives up that right.
        const std::optional<QByteArray> read = test::runWithoutPrivileges([&] {
            // An interruption left over from an earlier call must not make the file's end
            // look like one; a reading that never ends is stopped.
            errno = EINTR;
            ::alarm(10);
            const FileBytes bytes = readFileBytes(path, kLimit);
            return bytes.error
                       ? "error " + QByteArray::number(static_cast<int>(bytes.error->problem))
                       : "read " + bytes.bytes;
        });
        if (name == u"ferme/fiche.pxr") {
            QVERIFY(QFile::setPermissions(QFileInfo(path).absolutePath(),
                                          QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner));
        }
        QCOMPARE(read.value_or("no report"),
                 failed ? "error " + QByteArray::number(static_cast<int>(problem))
                        : "read " + content);
    }
    void writesNewAndReplacesOldFiles() {
        const QString path = m_folder.filePath(u"nouvelle.pxr"_s);
        QVERIFY(!writeFileAtomically(path, "V2\r\n\xe9\r\n"));
        QCOMPARE(bytesOf(path), QByteArray("V2\r\n\xe9\r\n"));
        QVERIFY(!writeFileAtomically(path, "V2\r\n"));
        QCOMPARE(bytesOf(path), QByteArray("V2\r\n"));
        QCOMPARE(QDir(m_folder.path()).entryList({u"nouvelle*"_s}, QDir::Files).size(), 1);
    }
    void refusesToReplaceWhatIsNotAWritableFile_data() {
        addColumns<QString, FileProblem>("name", "problem");

        QTest::newRow("read-only file") << "protegee.pxr" << FileProblem::ReadOnlyTarget;
        QTest::newRow("folder") << "dossier.pxr" << FileProblem::NotAFile;
        QTest::newRow("missing folder") << "absent/fiche.pxr" << FileProblem::CannotCreate;
    }
    void refusesToReplaceWhatIsNotAWritableFile() {
        const auto [name, problem] = fetch<QString, FileProblem>("name", "problem");

        const QString readOnly = m_folder.filePath(u"protegee.pxr"_s);
        if (!QFile::exists(readOnly)) {
            writeBytes(readOnly, "ancienne");
            QVERIFY(QFile::setPermissions(readOnly, QFile::ReadOwner | QFile::ReadGroup));
            QVERIFY(QDir(m_folder.path()).mkdir(u"dossier.pxr"_s));
        }
        const std::optional<FileError> error =
            writeFileAtomically(m_folder.filePath(name), aSheet());
        QVERIFY(error);
        QCOMPARE(error->problem, problem);
        QCOMPARE(bytesOf(readOnly), QByteArray("ancienne"));
    }
    void leavesTheOldFileWhenTheDiskIsFull() {
        TinyFileSystem disk(16);
        if (!disk.isMounted()) {
            QSKIP("mounting a tmpfs needs root");
        }
        const QString path = disk.path(u"fiche.pxr"_s);
        writeBytes(path, "ancienne");
        disk.fill();

        const std::optional<FileError> error = writeFileAtomically(path, aSheet());
        QVERIFY(error);
        QCOMPARE(error->problem, FileProblem::WriteFailed);
        QCOMPARE(bytesOf(path), QByteArray("ancienne"));
        QCOMPARE(disk.entries(), QStringList({u"fiche.pxr"_s, u"remplissage"_s}));
    }
    // A file may grow to 1,000 bytes only. A sheet under Qt's write buffer reaches the disk
    // at the flush; a larger one at the write itself. Either failure leaves the old file.
    void leavesTheOldFileWhenAWriteFails_data() {
        QTest::addColumn<QByteArray>("sheet");
        QTest::newRow("failing flush") << aSheet();
        QTest::newRow("failing write") << QByteArray(qsizetype{64} * 1024, 'a');
    }
    void leavesTheOldFileWhenAWriteFails() {
        QFETCH(QByteArray, sheet);
        const QTemporaryDir folder;
        const QString path = folder.filePath(u"fiche.pxr"_s);
        writeBytes(path, "ancienne");

        const std::optional<QByteArray> report = test::runWithFileSizeLimit(1000, [&] {
            const std::optional<FileError> error = writeFileAtomically(path, sheet);
            return error ? QByteArray::number(static_cast<int>(error->problem)) + ' ' +
                               QByteArray::number(error->systemError)
                         : QByteArray("saved");
        });
        QVERIFY(report);
        QCOMPARE(*report, QByteArray::number(static_cast<int>(FileProblem::WriteFailed)) + ' ' +
                              QByteArray::number(EFBIG));
        QCOMPARE(bytesOf(path), QByteArray("ancienne"));
        QCOMPARE(QDir(folder.path()).entryList(QDir::Files | QDir::Hidden),
                 QStringList{u"fiche.pxr"_s});
    }
    void leavesTheOldFileInAReadOnlyFolder() {
        TinyFileSystem disk(16);
        if (!disk.isMounted()) {
            QSKIP("mounting a tmpfs needs root");
        }
        const QString path = disk.path(u"fiche.pxr"_s);
        writeBytes(path, "ancienne");
        QVERIFY(disk.makeReadOnly());

        for (const QString& target : {path, disk.path(u"autre.pxr"_s)}) {
            const std::optional<FileError> error = writeFileAtomically(target, aSheet());
            QVERIFY(error);
            QVERIFY(error->problem == FileProblem::ReadOnlyTarget ||
                    error->problem == FileProblem::CannotCreate);
        }
        QCOMPARE(bytesOf(path), QByteArray("ancienne"));
        QCOMPARE(disk.entries(), QStringList{u"fiche.pxr"_s});
        QCOMPARE(checkSaveChoice(QFileInfo(disk.path(u"autre.pxr"_s))),
                 ChosenFileVerdict::RefuseReadOnlyFolder);
        QCOMPARE(checkOpenChoice(QFileInfo(path)), ChosenFileVerdict::Accept);
    }
    // Each error that opening, reading, writing or renaming a file can meet, in the French words
    // the author reads; a number left out is named as such.
    void saysEverySystemErrorInItsOwnWords_data() {
        addColumns<int, QString>("error", "text");
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
        const auto [error, text] = fetch<int, QString>("error", "text");
        QCOMPARE(systemErrorText(error), text);
    }

private:
    // A name in missing folders whose whole path, from the root, counts that many bytes.
    QString nameForPathOf(qsizetype bytes) const {
        const QString file = u"fiche.pxr"_s;
        const qsizetype room = bytes - m_folder.filePath(u"choix/"_s).size() - file.size();
        return u"d/"_s.repeated(room / 2) + QString(room % 2, u'x') + file;
    }

    QTemporaryDir m_folder;
};

QTEST_MAIN(TestTextFile)
#include "tst_textfile.moc"
