// The checks the file dialogs make on the chosen name before they close on it.

#include "platform/chosenfilecheck.h"
#include "support/helpers.h"
#include "support/unprivileged.h"

#include <QTemporaryDir>
#include <QTest>

using namespace scribel;
using scribel::test::writeBytes;

Q_DECLARE_METATYPE(scribel::ChosenFileVerdict)

class TestChosenFileCheck : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void cleanupTestCase() {
        // An ordinary user may empty a folder only once it is writable again.
        QFile::setPermissions(m_folder.filePath(QStringLiteral("choix/protege")),
                              QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    }
    void checksTheChosenName_data() {
        QTest::addColumn<QString>("name");
        QTest::addColumn<ChosenFileVerdict>("save");
        QTest::addColumn<ChosenFileVerdict>("open");

        QTest::newRow("existing file")
            << "fiche.pxr" << ChosenFileVerdict::AskReplace << ChosenFileVerdict::Accept;
        QTest::newRow("new name") << "nouvelle.pxr" << ChosenFileVerdict::AskCreate
                                  << ChosenFileVerdict::Accept;
        QTest::newRow("read-only file")
            << "lecture-seule.pxr" << ChosenFileVerdict::RefuseReadOnlyFile
            << ChosenFileVerdict::Accept;
        QTest::newRow("in a read-only folder")
            << "protege/fiche.pxr" << ChosenFileVerdict::RefuseReadOnlyFolder
            << ChosenFileVerdict::Accept;
        QTest::newRow("new in a read-only folder")
            << "protege/nouvelle.pxr" << ChosenFileVerdict::RefuseReadOnlyFolder
            << ChosenFileVerdict::Accept;
        QTest::newRow("missing folder")
            << "absent/fiche.pxr" << ChosenFileVerdict::RefuseMissingFolder
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
        QTest::newRow("name of 255 bytes")
            << QString(125, u'é') + QStringLiteral("a.pxr") << ChosenFileVerdict::AskCreate
            << ChosenFileVerdict::Accept;
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
    void checksTheChosenName() {
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

private:
    QTemporaryDir m_folder;
};

QTEST_MAIN(TestChosenFileCheck)
#include "tst_chosenfilecheck.moc"
