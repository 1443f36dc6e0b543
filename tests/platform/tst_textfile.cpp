// Sheet files on disk: reading with a size guard, writing that never leaves a truncated
// file, and the checks the file dialogs make on the chosen name.

#include "platform/core/chosenfilecheck.h"
#include "platform/core/systemerrortext.h"
#include "platform/core/textfile.h"
#include "platform/widgets/qtfiledialogs.h"
#include "support/filesizelimit.h"
#include "support/helpers.h"
#include "support/tinyfilesystem.h"
#include "support/unprivileged.h"

#include <QFileDialog>
#include <QTemporaryDir>
#include <QTest>
#include <cerrno>
#include <sys/stat.h>
#include <unistd.h>

using namespace scribel;
using scribel::test::bytesOf;
using scribel::test::TinyFileSystem;

Q_DECLARE_METATYPE(scribel::FileProblem)
Q_DECLARE_METATYPE(scribel::ChosenFileVerdict)

namespace {

constexpr qint64 kLimit = 64;

void writeBytes(const QString& path, const QByteArray& bytes) {
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
    QCOMPARE(file.write(bytes), bytes.size());
}

QByteArray aSheet() {
    return QByteArray(2000, 'a') + "\r\n";
}

} // namespace

class TestSheetFileDisk : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void cleanupTestCase();
    void readsOrSaysWhyNot_data();
    void readsOrSaysWhyNot();
    void writesNewAndReplacesOldFiles();
    void refusesToReplaceWhatIsNotAWritableFile_data();
    void refusesToReplaceWhatIsNotAWritableFile();
    void leavesTheOldFileWhenTheDiskIsFull();
    void leavesTheOldFileWhenAWriteFails_data();
    void leavesTheOldFileWhenAWriteFails();
    void leavesTheOldFileInAReadOnlyFolder();
    void checksTheChosenName_data();
    void checksTheChosenName();
    void setsUpTheDialogFromTheRequest();
    void saysEverySystemErrorInItsOwnWords_data();
    void saysEverySystemErrorInItsOwnWords();

private:
    QTemporaryDir m_folder;
};

void TestSheetFileDisk::cleanupTestCase() {
    // An ordinary user may empty a folder only once it is writable again.
    QFile::setPermissions(m_folder.filePath(QStringLiteral("choix/protege")),
                          QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
}

void TestSheetFileDisk::readsOrSaysWhyNot_data() {
    QTest::addColumn<QString>("name");
    QTest::addColumn<QByteArray>("content");
    QTest::addColumn<bool>("failed");
    QTest::addColumn<FileProblem>("problem");

    QTest::newRow("file") << "fiche.pxr" << QByteArray("V2\r\n") << false << FileProblem::Missing;
    QTest::newRow("empty file") << "vide.pxr" << QByteArray() << false << FileProblem::Missing;
    QTest::newRow("at the size limit")
        << "juste.pxr" << QByteArray(kLimit, 'x') << false << FileProblem::Missing;
    QTest::newRow("one byte too many")
        << "gros.pxr" << QByteArray(kLimit + 1, 'x') << true << FileProblem::TooLarge;
    QTest::newRow("missing") << "absent.pxr" << QByteArray() << true << FileProblem::Missing;
    QTest::newRow("folder") << "." << QByteArray() << true << FileProblem::NotAFile;
    QTest::newRow("device without end")
        << "/dev/zero" << QByteArray() << true << FileProblem::NotAFile;
    QTest::newRow("pipe") << "tube.pxr" << QByteArray() << true << FileProblem::NotAFile;
    QTest::newRow("name too long") << QString(252, u'n') + QStringLiteral(".pxr") << QByteArray()
                                   << true << FileProblem::NameTooLong;
    QTest::newRow("path too long")
        << QStringLiteral("d/").repeated(2100) + QStringLiteral("fiche.pxr") << QByteArray() << true
        << FileProblem::PathTooLong;
    // A name whose bytes are not UTF-8, as Qt hands it over: U+FFFD in their place.
    QTest::newRow("invalid name") << QFile::decodeName("\xff\xfe.pxr") << QByteArray() << true
                                  << FileProblem::InvalidName;
    QTest::newRow("closed folder")
        << "ferme/fiche.pxr" << QByteArray() << true << FileProblem::FolderNotEnterable;
    QTest::newRow("no right to read")
        << "secrete.pxr" << QByteArray() << true << FileProblem::AccessDenied;
}

void TestSheetFileDisk::readsOrSaysWhyNot() {
    QFETCH(QString, name);
    QFETCH(QByteArray, content);
    QFETCH(bool, failed);
    QFETCH(FileProblem, problem);

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
        QVERIFY(QDir(m_folder.path()).mkpath(QStringLiteral("ferme")));
        writeBytes(path, "V2\r\n");
        QVERIFY(QFile::setPermissions(
            name == u"secrete.pxr" ? path : QFileInfo(path).absolutePath(), {}));
    }
    // Root may enter every folder and read every file, unless it gives up that right.
    const std::optional<QByteArray> read = test::runWithoutPrivileges([&] {
        const FileBytes bytes = readFileBytes(path, kLimit);
        return bytes.error ? "error " + QByteArray::number(static_cast<int>(bytes.error->problem))
                           : "read " + bytes.bytes;
    });
    if (name == u"ferme/fiche.pxr") {
        QVERIFY(QFile::setPermissions(QFileInfo(path).absolutePath(),
                                      QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner));
    }
    QCOMPARE(read.value_or("no report"),
             failed ? "error " + QByteArray::number(static_cast<int>(problem)) : "read " + content);
}

void TestSheetFileDisk::writesNewAndReplacesOldFiles() {
    const QString path = m_folder.filePath(QStringLiteral("nouvelle.pxr"));
    QVERIFY(!writeFileAtomically(path, "V2\r\n\xe9\r\n"));
    QCOMPARE(bytesOf(path), QByteArray("V2\r\n\xe9\r\n"));
    QVERIFY(!writeFileAtomically(path, "V2\r\n"));
    QCOMPARE(bytesOf(path), QByteArray("V2\r\n"));
    QCOMPARE(QDir(m_folder.path()).entryList({QStringLiteral("nouvelle*")}, QDir::Files).size(), 1);
}

void TestSheetFileDisk::refusesToReplaceWhatIsNotAWritableFile_data() {
    QTest::addColumn<QString>("name");
    QTest::addColumn<FileProblem>("problem");

    QTest::newRow("read-only file") << "protegee.pxr" << FileProblem::ReadOnlyTarget;
    QTest::newRow("folder") << "dossier.pxr" << FileProblem::NotAFile;
    QTest::newRow("missing folder") << "absent/fiche.pxr" << FileProblem::CannotCreate;
}

void TestSheetFileDisk::refusesToReplaceWhatIsNotAWritableFile() {
    QFETCH(QString, name);
    QFETCH(FileProblem, problem);

    const QString readOnly = m_folder.filePath(QStringLiteral("protegee.pxr"));
    if (!QFile::exists(readOnly)) {
        writeBytes(readOnly, "ancienne");
        QVERIFY(QFile::setPermissions(readOnly, QFile::ReadOwner | QFile::ReadGroup));
        QVERIFY(QDir(m_folder.path()).mkdir(QStringLiteral("dossier.pxr")));
    }
    const std::optional<FileError> error = writeFileAtomically(m_folder.filePath(name), aSheet());
    QVERIFY(error);
    QCOMPARE(error->problem, problem);
    QCOMPARE(bytesOf(readOnly), QByteArray("ancienne"));
}

void TestSheetFileDisk::leavesTheOldFileWhenTheDiskIsFull() {
    TinyFileSystem disk(16);
    if (!disk.isMounted()) {
        QSKIP("mounting a tmpfs needs root");
    }
    const QString path = disk.path(QStringLiteral("fiche.pxr"));
    writeBytes(path, "ancienne");
    disk.fill();

    const std::optional<FileError> error = writeFileAtomically(path, aSheet());
    QVERIFY(error);
    QCOMPARE(error->problem, FileProblem::WriteFailed);
    QCOMPARE(bytesOf(path), QByteArray("ancienne"));
    QCOMPARE(disk.entries(),
             QStringList({QStringLiteral("fiche.pxr"), QStringLiteral("remplissage")}));
}

// A file may grow to 1,000 bytes only. A sheet under Qt's write buffer reaches the disk
// at the flush; a larger one at the write itself. Either failure leaves the old file.
void TestSheetFileDisk::leavesTheOldFileWhenAWriteFails_data() {
    QTest::addColumn<QByteArray>("sheet");
    QTest::newRow("failing flush") << aSheet();
    QTest::newRow("failing write") << QByteArray(qsizetype{64} * 1024, 'a');
}

void TestSheetFileDisk::leavesTheOldFileWhenAWriteFails() {
    QFETCH(QByteArray, sheet);
    const QTemporaryDir folder;
    const QString path = folder.filePath(QStringLiteral("fiche.pxr"));
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
             QStringList{QStringLiteral("fiche.pxr")});
}

void TestSheetFileDisk::leavesTheOldFileInAReadOnlyFolder() {
    TinyFileSystem disk(16);
    if (!disk.isMounted()) {
        QSKIP("mounting a tmpfs needs root");
    }
    const QString path = disk.path(QStringLiteral("fiche.pxr"));
    writeBytes(path, "ancienne");
    QVERIFY(disk.makeReadOnly());

    for (const QString& target : {path, disk.path(QStringLiteral("autre.pxr"))}) {
        const std::optional<FileError> error = writeFileAtomically(target, aSheet());
        QVERIFY(error);
        QVERIFY(error->problem == FileProblem::ReadOnlyTarget ||
                error->problem == FileProblem::CannotCreate);
    }
    QCOMPARE(bytesOf(path), QByteArray("ancienne"));
    QCOMPARE(disk.entries(), QStringList{QStringLiteral("fiche.pxr")});
    QCOMPARE(checkSaveChoice(QFileInfo(disk.path(QStringLiteral("autre.pxr")))),
             ChosenFileVerdict::RefuseReadOnlyFolder);
    QCOMPARE(checkOpenChoice(QFileInfo(path)), ChosenFileVerdict::Accept);
}

void TestSheetFileDisk::checksTheChosenName_data() {
    QTest::addColumn<QString>("name");
    QTest::addColumn<ChosenFileVerdict>("save");
    QTest::addColumn<ChosenFileVerdict>("open");

    QTest::newRow("existing file")
        << "fiche.pxr" << ChosenFileVerdict::AskReplace << ChosenFileVerdict::Accept;
    QTest::newRow("new name") << "nouvelle.pxr" << ChosenFileVerdict::AskCreate
                              << ChosenFileVerdict::Accept;
    QTest::newRow("read-only file") << "lecture-seule.pxr" << ChosenFileVerdict::RefuseReadOnlyFile
                                    << ChosenFileVerdict::Accept;
    QTest::newRow("in a read-only folder")
        << "protege/fiche.pxr" << ChosenFileVerdict::RefuseReadOnlyFolder
        << ChosenFileVerdict::Accept;
    QTest::newRow("new in a read-only folder")
        << "protege/nouvelle.pxr" << ChosenFileVerdict::RefuseReadOnlyFolder
        << ChosenFileVerdict::Accept;
    QTest::newRow("missing folder") << "absent/fiche.pxr" << ChosenFileVerdict::RefuseMissingFolder
                                    << ChosenFileVerdict::RefuseMissingFolder;
    QTest::newRow("in a closed folder")
        << "ferme/fiche.pxr" << ChosenFileVerdict::RefuseFolderNotEnterable
        << ChosenFileVerdict::RefuseFolderNotEnterable;
    QTest::newRow("folder") << "protege" << ChosenFileVerdict::RefuseNotAFile
                            << ChosenFileVerdict::RefuseNotAFile;
    QTest::newRow("pattern") << "*.pxr" << ChosenFileVerdict::RefusePattern
                             << ChosenFileVerdict::RefusePattern;
    QTest::newRow("name too long")
        << QString(252, u'n') + QStringLiteral(".pxr") << ChosenFileVerdict::RefuseNameTooLong
        << ChosenFileVerdict::RefuseNameTooLong;
    // The limit counts the name's bytes on disk (UTF-8), not its characters.
    QTest::newRow("name of 255 bytes") << QString(125, u'é') + QStringLiteral("a.pxr")
                                       << ChosenFileVerdict::AskCreate << ChosenFileVerdict::Accept;
    QTest::newRow("name of 256 bytes in 131 characters")
        << QString(126, u'é') + QStringLiteral(".pxr") << ChosenFileVerdict::RefuseNameTooLong
        << ChosenFileVerdict::RefuseNameTooLong;
    QTest::newRow("path too long")
        << QStringLiteral("d/").repeated(2100) + QStringLiteral("fiche.pxr")
        << ChosenFileVerdict::RefusePathTooLong << ChosenFileVerdict::RefusePathTooLong;
    QTest::newRow("name not in UTF-8")
        << QFile::decodeName("\xe9t\xe9.pxr") << ChosenFileVerdict::RefuseInvalidName
        << ChosenFileVerdict::RefuseInvalidName;
}

void TestSheetFileDisk::checksTheChosenName() {
    QFETCH(QString, name);
    QFETCH(ChosenFileVerdict, save);
    QFETCH(ChosenFileVerdict, open);

    const QDir folder(m_folder.filePath(QStringLiteral("choix")));
    if (!folder.exists()) {
        QVERIFY(QDir(m_folder.path()).mkpath(QStringLiteral("choix/protege")));
        writeBytes(folder.filePath(QStringLiteral("fiche.pxr")), "V2");
        writeBytes(folder.filePath(QStringLiteral("lecture-seule.pxr")), "V2");
        writeBytes(folder.filePath(QStringLiteral("protege/fiche.pxr")), "V2");
        QVERIFY(QFile::setPermissions(folder.filePath(QStringLiteral("lecture-seule.pxr")),
                                      QFile::ReadOwner));
        QVERIFY(QFile::setPermissions(folder.filePath(QStringLiteral("protege")),
                                      QFile::ReadOwner | QFile::ExeOwner));
        QVERIFY(QDir(m_folder.path()).mkpath(QStringLiteral("choix/ferme")));
        QVERIFY(QFile::setPermissions(folder.filePath(QStringLiteral("ferme")), {}));
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

void TestSheetFileDisk::setsUpTheDialogFromTheRequest() {
    QFileDialog dialog;
    dialog.setOption(QFileDialog::DontUseNativeDialog);
    applyRequest(dialog, {QStringLiteral("Charger une Scribel"), QStringLiteral("(Scribels) *.zrv"),
                          QStringLiteral("*.zrv"), QStringLiteral("zrv")});
    QCOMPARE(dialog.windowTitle(), QStringLiteral("Charger une Scribel"));
    QCOMPARE(dialog.nameFilters(), QStringList{QStringLiteral("(Scribels) *.zrv")});
    QCOMPARE(dialog.defaultSuffix(), QStringLiteral("zrv"));
}

// Each error that opening, reading, writing or renaming a file can meet, in the French words
// the author reads; a number left out is named as such.
void TestSheetFileDisk::saysEverySystemErrorInItsOwnWords_data() {
    QTest::addColumn<int>("error");
    QTest::addColumn<QString>("text");
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

void TestSheetFileDisk::saysEverySystemErrorInItsOwnWords() {
    QFETCH(int, error);
    QFETCH(QString, text);
    QCOMPARE(systemErrorText(error), text);
}

QTEST_MAIN(TestSheetFileDisk)
#include "tst_textfile.moc"
