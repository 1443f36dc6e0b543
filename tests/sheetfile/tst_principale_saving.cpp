// Saving through the real window, with scripted dialogs: what reaches the disk byte for
// byte, what the dialogs are asked, and what the author is told when a save fails.

#include "scriptedsheet.h"
#include "support/filesizelimit.h"
#include "support/tinyfilesystem.h"

using namespace scribel;
using namespace scribel::test;
using namespace Qt::StringLiterals;

class TestPrincipaleSaving : public InTemporaryFolder {
    Q_OBJECT

private Q_SLOTS:
    void init() { makeFolder(); }
    void savesTheTypedSheetByteForByte() {
        Sheet sheet;
        fillAsTheCompleteFixture(sheet);
        sheet.save(path(u"complet.pxr"_s));
        QCOMPARE(bytesOf(path(u"complet.pxr"_s)), fixture("complet.pxr"));
        QCOMPARE(QDir::currentPath(), QDir(folderPath()).canonicalPath());
        QVERIFY(sheet.doubles.messages.shown.empty());
    }
    void cancellingChangesNothing() {
        Sheet sheet;
        sheet.setText(u"SaisieNom"_s, u"GARDÉ"_s);
        const QString folder = QDir::currentPath();

        sheet.click("Sauvegarder"); // no answer queued: the author cancels
        sheet.click("Charger");

        QCOMPARE(sheet.doubles.fileDialogs.saveRequests.size(), 1u);
        QCOMPARE(sheet.doubles.fileDialogs.openRequests.size(), 1u);
        sheet.verify(utf8List({"SaisieNom=GARDÉ"}));
        QVERIFY(sheet.doubles.messages.shown.empty());
        QCOMPARE(QDir::currentPath(), folder);
        QVERIFY(QDir(folderPath()).isEmpty());
    }
    void asksTheDialogsWithTheMagazinesTexts() {
        for (const char* magazine : {"Pixelor", "Zorvane"}) {
            Sheet sheet(magazine);
            sheet.click("Sauvegarder");
            sheet.click("Charger");
            const FileDialogRequest& save = sheet.doubles.fileDialogs.saveRequests.at(0);
            const FileDialogRequest& open = sheet.doubles.fileDialogs.openRequests.at(0);
            const QString extension = QLatin1String(magazine) == u"Pixelor" ? u"pxr"_s : u"zrv"_s;
            QCOMPARE(save.title, u"Enregistrer une Scribel "_s + QLatin1String(magazine));
            QCOMPARE(save.fileTypeText, u"Scribel (*.%1)"_s.arg(extension));
            QCOMPARE(open.title, u"Charger une Scribel"_s);
            QCOMPARE(open.fileTypeText, u"(Scribels) *.%1"_s.arg(extension));
            QCOMPARE(save.initialName, u"*."_s + extension);
            QCOMPARE(open.defaultSuffix, extension);
        }

        Sheet none;
        none.click("RAZ");
        none.window->Sauvegarder_Click();
        none.window->Charger_Click();
        QVERIFY(none.doubles.fileDialogs.saveRequests.empty());
        QVERIFY(none.doubles.fileDialogs.openRequests.empty());
    }
    void tellsWhenSavingFailsAndKeepsTheOldFile() {
        scribel::test::TinyFileSystem disk(16);
        if (!disk.isMounted()) {
            QSKIP("mounting a tmpfs needs root");
        }
        const QString old = disk.path(u"fiche.pxr"_s);
        writeBytes(old, "ancienne");
        disk.fill();

        Sheet sheet;
        fillAsTheCompleteFixture(sheet);
        sheet.save(old);
        QVERIFY(disk.makeReadOnly());
        sheet.save(disk.path(u"nouvelle.pxr"_s));

        QCOMPARE(bytesOf(old), QByteArray("ancienne"));
        QCOMPARE(disk.entries(), QStringList({u"fiche.pxr"_s, u"remplissage"_s}));
        const auto& shown = sheet.doubles.messages.shown;
        QCOMPARE(shown.size(), 2u);
        QCOMPARE(shown[0].icon, MessageIcon::Critical);
        QVERIFY2(shown[0].text.startsWith(utf8("Le fichier « fiche.pxr » n'a pas été enregistré : "
                                               "l'écriture n'a pas abouti")),
                 qPrintable(shown[0].text));
        QVERIFY2(
            shown[1].text.startsWith(utf8("Le fichier « nouvelle.pxr » n'a pas été enregistré : "
                                          "il ne peut pas être écrit dans ce dossier")),
            qPrintable(shown[1].text));
        QVERIFY(shown[1].text.endsWith(utf8("Aucun fichier n'a été modifié.")));
        sheet.verify(utf8List({"SaisieNom=DUPONT"}));
    }
    // Files may grow to 64 bytes only in the child that saves: for any user, the disk is
    // as good as full.
    void tellsWhyAWriteFailedInFrench() {
        const QString old = path(u"fiche.pxr"_s);
        writeBytes(old, "ancienne");
        Sheet sheet;
        fillAsTheCompleteFixture(sheet);
        const std::optional<QByteArray> shown = test::runWithFileSizeLimit(64, [&] {
            sheet.save(old);
            const auto& messages = sheet.doubles.messages.shown;
            return messages.size() == 1 ? messages.front().text.toUtf8() : QByteArray("no message");
        });
        QVERIFY(shown);
        QCOMPARE(QString::fromUtf8(*shown),
                 utf8("Le fichier « fiche.pxr » n'a pas été enregistré : l'écriture n'a pas abouti "
                      "(fichier trop gros pour ce disque ou pour les limites de la session).\n"
                      "Aucun fichier n'a été modifié."));
        QCOMPARE(bytesOf(old), QByteArray("ancienne"));
    }
};

QTEST_MAIN(TestPrincipaleSaving)
#include "tst_principale_saving.moc"
