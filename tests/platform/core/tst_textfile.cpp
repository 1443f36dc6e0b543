// Sheet files on disk: reading with a size guard, writing that never leaves a truncated
// file.

#include "platform/core/chosenfilecheck.h"
#include "platform/core/textfile.h"
#include "support/filesizelimit.h"
#include "support/helpers.h"
#include "support/tinyfilesystem.h"
#include "support/unprivileged.h"

#include <QTemporaryDir>
#include <QTest>
#include <cerrno>
#include <sys/stat.h>
#include <unistd.h>

using namespace scribel;
using namespace scribel::test;
using namespace Qt::StringLiterals;

Q_DECLARE_METATYPE(scribel::FileProblem)

namespace {

constexpr qint64 kLimit = 64;

QByteArray aSheet() {
    return QByteArray(2000, 'a') + "\r\n";
}

} // namespace

class TestTextFile : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void readsOrSaysWhyNot_data() {
        addColumns<QString, QByteArray, bool, FileProblem>("name", "content", "failed", "problem");

        QTest::newRow("file") << "fiche.pxr" << QByteArray("V2\r\n") << false
                              << FileProblem::Missing;
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
        QTest::newRow("name too long")
            << QString(252, u'n') + u".pxr"_s << QByteArray() << true << FileProblem::NameTooLong;
        QTest::newRow("path too long") << u"d/"_s.repeated(2100) + u"fiche.pxr"_s << QByteArray()
                                       << true << FileProblem::PathTooLong;
        // A name whose bytes are not UTF-8, as Qt hands it over: U+FFFD in their place.
        QTest::newRow("invalid name") << QFile::decodeName("\xff\xfe.pxr") << QByteArray() << true
                                      << FileProblem::InvalidName;
        QTest::newRow("closed folder")
            << "ferme/fiche.pxr" << QByteArray() << true << FileProblem::FolderNotEnterable;
        QTest::newRow("no right to read")
            << "secrete.pxr" << QByteArray() << true << FileProblem::AccessDenied;
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

private:
    QTemporaryDir m_folder;
};

QTEST_MAIN(TestTextFile)
#include "tst_textfile.moc"
