// The checks the file dialogs make on the chosen name before they close on it.

#include "platform/core/chosenfilecheck.h"
#include "support/helpers.h"
#include "support/unprivileged.h"

#include <QTemporaryDir>
#include <QTest>

using namespace scribel;
using namespace scribel::test;
using namespace Qt::StringLiterals;

Q_DECLARE_METATYPE(scribel::ChosenFileVerdict)

class TestChosenFileCheck : public QObject {
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

private:
    // A name in missing folders whose whole path, from the root, counts that many bytes.
    QString nameForPathOf(qsizetype bytes) const {
        const QString file = u"fiche.pxr"_s;
        const qsizetype room = bytes - m_folder.filePath(u"choix/"_s).size() - file.size();
        return u"d/"_s.repeated(room / 2) + QString(room % 2, u'x') + file;
    }

    QTemporaryDir m_folder;
};

QTEST_MAIN(TestChosenFileCheck)
#include "tst_chosenfilecheck.moc"
