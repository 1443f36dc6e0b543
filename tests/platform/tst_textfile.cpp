// Sheet files on disk: reading with a size guard, writing that never leaves a truncated
// file, and the checks the file dialogs make on the chosen name.

#include "platform/chosenfilecheck.h"
#include "platform/qtfiledialogs.h"
#include "platform/textfile.h"
#include "support/tinyfilesystem.h"

#include <QFileDialog>
#include <QTemporaryDir>
#include <QTest>

using namespace scribel;
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

QByteArray bytesOf(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

QByteArray aSheet() {
    return QByteArray(2000, 'a') + "\r\n";
}

} // namespace

class TestSheetFileDisk : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void readsOrSaysWhyNot_data();
    void readsOrSaysWhyNot();
    void writesNewAndReplacesOldFiles();
    void refusesToReplaceWhatIsNotAWritableFile_data();
    void refusesToReplaceWhatIsNotAWritableFile();
    void leavesTheOldFileWhenTheDiskIsFull();
    void leavesTheOldFileInAReadOnlyFolder();
    void checksTheChosenName_data();
    void checksTheChosenName();
    void setsUpTheDialogFromTheRequest();

private:
    QTemporaryDir m_folder;
};

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
    const FileBytes read = readFileBytes(path, kLimit);
    QCOMPARE(read.error.has_value(), failed);
    if (failed) {
        QCOMPARE(read.error->problem, problem);
    } else {
        QCOMPARE(read.bytes, content);
    }
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
    QTest::newRow("folder") << "protege" << ChosenFileVerdict::RefuseNotAFile
                            << ChosenFileVerdict::RefuseNotAFile;
    QTest::newRow("pattern") << "*.pxr" << ChosenFileVerdict::StayOpen
                             << ChosenFileVerdict::StayOpen;
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
    }
    const QFileInfo chosen(folder.filePath(name));
    QCOMPARE(checkSaveChoice(chosen), save);
    QCOMPARE(checkOpenChoice(chosen), open);
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

QTEST_MAIN(TestSheetFileDisk)
#include "tst_textfile.moc"
