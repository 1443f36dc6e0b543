// Loading and saving through the real window, with scripted dialogs: what the fields, lists
// and dependent fields show, what is refused and why, what reaches the disk byte for byte,
// and what the author is told when a save fails.

#include "support/tinyfilesystem.h"
#include "support/unprivileged.h"
#include "support/windowfixture.h"

#include <QPushButton>
#include <sys/stat.h>

using namespace scribel;
using namespace scribel::test;
using namespace Qt::StringLiterals;

namespace {

QByteArray fixture(const char* name) {
    return bytesOf(QStringLiteral(SCRIBEL_SHEETFILE_DATA "/") + QLatin1String(name));
}

// A 44-line current file with the given lines set, "N=text" in UTF-8.
QByteArray sheetWith(const QStringList& lines) {
    QList<QByteArray> file(44);
    file[0] = "V2";
    for (const QString& entry : lines) {
        const qsizetype equals = entry.indexOf(u'=');
        file[entry.left(equals).toInt() - 1] = entry.mid(equals + 1).toLatin1();
    }
    return file.join("\r\n") + "\r\n";
}

// The window unshown, with a magazine chosen by its button; its fields are reached by
// name as the file's lines name them.
struct Sheet : WindowFixture {
    explicit Sheet(const char* magazineButton = "Pixelor") : WindowFixture(Showing::Unshown) {
        click(magazineButton);
    }

    void click(const char* button) const { get<QPushButton>(QString::fromLatin1(button))->click(); }

    void save(const QString& path) {
        doubles.fileDialogs.nextAnswers.emplace_back(path);
        click("Sauvegarder");
    }
    void load(const QString& path) {
        doubles.fileDialogs.nextAnswers.emplace_back(path);
        click("Charger");
    }
    void load(const QString& path, const QByteArray& bytes) {
        writeBytes(path, bytes);
        load(path);
    }

    QString text(const QString& name) const {
        if (auto* line = window->findChild<QLineEdit*>(name)) {
            return line->text();
        }
        if (auto* area = window->findChild<QPlainTextEdit*>(name)) {
            return area->toPlainText();
        }
        auto* list = get<QComboBox>(name);
        return list->currentIndex() < 0 ? QString() : list->currentText();
    }
    void setText(const QString& name, const QString& value) const {
        if (auto* line = window->findChild<QLineEdit*>(name)) {
            line->setText(value);
        } else if (auto* area = window->findChild<QPlainTextEdit*>(name)) {
            area->setPlainText(value);
        } else {
            auto* list = get<QComboBox>(name);
            list->setCurrentIndex(list->findText(value));
        }
    }
    void choose(const QString& name) const { get<QAbstractButton>(name)->click(); }
    bool isOn(const QString& name) const { return get<QAbstractButton>(name)->isChecked(); }

    // Every check is "Field=text", "Field:on", "Field:off", "Name:shown" or "Name:hidden".
    void verify(const QStringList& checks) const {
        for (const QString& check : checks) {
            const qsizetype equals = check.indexOf(u'=');
            if (equals >= 0) {
                QCOMPARE(text(check.left(equals)), check.mid(equals + 1));
                continue;
            }
            const QString name = check.section(u':', 0, 0);
            const QString state = check.section(u':', 1);
            if (state == u"on" || state == u"off") {
                QVERIFY2(isOn(name) == (state == u"on"), qPrintable(check));
            } else {
                QVERIFY2(get(name)->isHidden() == (state == u"hidden"), qPrintable(check));
            }
        }
    }
};

void fillAsTheCompleteFixture(Sheet& sheet) {
    const QStringList texts =
        utf8List({"SaisieNom=DUPONT", "SaisiePrenom=Jean-Pierre", "SaisieNumero=12",
                  "SaisieIndice=Bis", "SaisieRue=rue de l'Église, « chez Zoé »",
                  "SaisieCodePostal=75001", "SaisieVille=PARIS", "SaisieTelDom=01 23 45 67 89",
                  "SaisieTelBur=01.98.76.54.32", "SaisieTelPortable=06 12 34 56 78",
                  "SaisieEmail=jp.dupont@exemple.fr", "SaisieWeb=http://www.exemple.fr/~jp",
                  "SaisieNaissance=1965", "SaisieActivite=  Développeur; \"indépendant\"  ",
                  "SaisieLogiciel=SCRIBOUILLE",
                  "SaisieDescription=Un éditeur de textes.\nDeux lignes, « ; » et \"guillemets\".",
                  "SaisieVersion=2.0 BÊTA", "SaisieDateCreation=12/05/2000"}) +
        utf8List({"SaisieLangage= Pascal ", "SaisieVersionLangage=7.0",
                  "ListeCategorie=Bureautique", "ListeSousCategorie=Euro", "SaisieRetribution=50"});
    for (const QString& entry : texts) {
        sheet.setText(entry.section(u'=', 0, 0), entry.section(u'=', 1));
    }
    for (const char* name :
         {"Qora", "MembreAutre", "LogAuChoix", "DocFrancais", "DiffuBeta", "LimitationsOui",
          "CDnon", "OptionAutre", "LicenceSources", "LicenceManuel", "LicenceCourrier",
          "LicenceBBS", "LicenceAutres", "Linux"}) {
        sheet.choose(QLatin1String(name));
    }
    // The dependent fields take their text once their choice has shown them.
    sheet.setText(u"SaisieAutre"_s, utf8("Club Œuvre"));
    sheet.setText(u"Limitations"_s, utf8("Limité à 30 jours.\n"));
    sheet.setText(u"SaisieDiffuAutre"_s, utf8("Partagiciel, maison"));
    sheet.setText(u"AutresServices"_s, utf8("Mises à jour payées en €\nŸ compris  "));
}

const QStringList kCompleteFixtureState =
    utf8List({"SaisieNom=DUPONT", "SaisieRue=rue de l'Église, « chez Zoé »",
              "SaisieActivite=  Développeur; \"indépendant\"  ", "SaisieTelPortable=06 12 34 56 78",
              "Qora:on", "ZOLK:off", "MembreAutre:on", "SaisieAutre:shown",
              "SaisieAutre=Club Œuvre",
              "SaisieDescription=Un éditeur de textes.\nDeux lignes, « ; » et \"guillemets\".",
              "LogAuChoix:on", "DocFrancais:on", "DiffuBeta:on", "LimitationsOui:on",
              "Limitations:shown", "Limitations=Limité à 30 jours.\n", "CDnon:on",
              "ListeCategorie=Bureautique"}) +
    utf8List({"ListeSousCategorie=Euro", "OptionAutre:on", "SaisieDiffuAutre:shown",
              "SaisieDiffuAutre=Partagiciel, maison", "SaisieRetribution=50", "LicenceSources:on",
              "LicenceVersionGratos:off", "LicenceManuel:on", "LicenceBBS:on", "LicenceAutres:on",
              "AutresServices:shown", "TitreAutresServices:shown",
              "AutresServices=Mises à jour payées en €\nŸ compris  ", "Linux:on", "DOS:off"});

} // namespace

class TestPrincipaleFiles : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void init() { m_folder = std::make_unique<QTemporaryDir>(); }
    void loadsAndSavesAgainByteForByte_data() {
        addColumns<QByteArray, QString, QStringList>("file", "magazine", "checks");
        QTest::newRow("complet.pxr")
            << fixture("complet.pxr") << "Pixelor" << kCompleteFixtureState;
        QTest::newRow("zorvane.zrv")
            << fixture("zorvane.zrv") << "Zorvane"
            << utf8List({"SaisieNom=MARTIN", "SaisieAutre:hidden", "MembreAutre:off", "ZOLK:on",
                         "DocAnglais:on", "LimitationsNon:on", "Limitations:hidden",
                         "ListeCategorie=Jeux", "ListeSousCategorie=Réflexion", "Assimile:on",
                         "OptionAutre:off", "SaisieDiffuAutre:hidden", "LicenceAutres:off",
                         "AutresServices:hidden", "Windows95:on"});
    }
    void loadsAndSavesAgainByteForByte() {
        const auto [file, magazine, checks] =
            fetch<QByteArray, QString, QStringList>("file", "magazine", "checks");

        Sheet sheet(qPrintable(magazine));
        sheet.load(path(u"avant"_s), file);
        sheet.verify(checks);
        QCOMPARE(QDir::currentPath(), QDir(folderPath()).canonicalPath());
        sheet.save(path(u"apres"_s));
        QCOMPARE(bytesOf(path(u"apres"_s)), file);
        QVERIFY(sheet.doubles.messages.shown.empty());
    }
    void appliesLinesAsTheAuthorWould_data() {
        addColumns<QStringList, QStringList>("lines", "checks");
        const auto row = [](const char* name, std::initializer_list<const char*> lines,
                            std::initializer_list<const char*> checks) {
            QTest::newRow(name) << utf8List(lines) << utf8List(checks);
        };
        row("empty sheet", {},
            {"SaisieNom=", "Qora:off", "LogFrancais:off", "LimitationsOui:off",
             "LimitationsNon:off", "CDoui:off", "Shareware:off", "OptionAutre:off",
             "LicenceAutres:off", "DOS:off", "ListeCategorie=", "SaisieAutre:hidden",
             "Limitations:hidden", "SaisieDiffuAutre:hidden", "AutresServices:hidden"});
        row("18 ticked, no name", {"18=1 "},
            {"MembreAutre:on", "SaisieAutre:shown", "SaisieAutre="});
        row("18 unticked", {"18=0"}, {"MembreAutre:off", "SaisieAutre:hidden"});
        row("28 yes, then 29", {"28=1", "29=Démo, 30 jours"},
            {"LimitationsOui:on", "Limitations:shown", "Limitations=Démo, 30 jours"});
        row("28 no, 29 still read", {"28=2", "29=Démo"},
            {"LimitationsNon:on", "Limitations:hidden", "Limitations=Démo"});
        row("31 refills 32", {"31=Jeux", "32=Réflexion"},
            {"ListeCategorie=Jeux", "ListeSousCategorie=Réflexion"});
        row("32 of another category", {"31=Jeux", "32=Euro"},
            {"ListeCategorie=Jeux", "ListeSousCategorie="});
        row("31 unknown", {"31=Jouets", "32=Divers"}, {"ListeCategorie=", "ListeSousCategorie="});
        row("33 Freeware", {"33=2"}, {"Freeware:on", "SaisieDiffuAutre:hidden"});
        row("33 Assimilé", {"33=Assimilé"}, {"Assimile:on", "OptionAutre:off"});
        row("33 other mode", {"33=Partagiciel"},
            {"OptionAutre:on", "SaisieDiffuAutre:shown", "SaisieDiffuAutre=Partagiciel"});
        row("42 other services", {"42=Hotline"},
            {"LicenceAutres:on", "AutresServices:shown", "TitreAutresServices:shown",
             "AutresServices=Hotline"});
        row("44 leaves the magazine", {"44=2"},
            {"SaisieNom=", "Shareware:shown", "Assimile:hidden"});
    }
    void appliesLinesAsTheAuthorWould() {
        const auto [lines, checks] = fetch<QStringList, QStringList>("lines", "checks");

        Sheet sheet;
        sheet.setText(u"SaisieNom"_s, u"EFFACÉ"_s);
        sheet.load(path(u"fiche.pxr"_s), sheetWith(lines));
        sheet.verify(checks);
    }
    void loadsFilesOfAnyLengthUpTo71Lines_data() {
        QTest::addColumn<int>("lineCount");
        QTest::newRow("43 lines") << 43;
        QTest::newRow("44 lines") << 44;
        QTest::newRow("45 lines") << 45;
        QTest::newRow("71 lines") << 71;
    }
    // The lines after the 44th are not read; a missing 44th changes nothing either.
    void loadsFilesOfAnyLengthUpTo71Lines() {
        QFETCH(int, lineCount);

        // The 44 lines of complet.pxr, one less, or more.
        QByteArray file = fixture("complet.pxr");
        for (int count = 44; count > lineCount; --count) {
            file.truncate(file.lastIndexOf("\r\n", file.size() - 3) + 2);
        }
        file += QByteArray("1\r\n").repeated(std::max(0, lineCount - 44));

        Sheet sheet;
        sheet.load(path(u"fiche.pxr"_s), file);
        sheet.verify(kCompleteFixtureState);
        QCOMPARE(sheet.window->magazine(), Magazine::Pixelor);
        QVERIFY(sheet.doubles.messages.shown.empty());
    }
    void refusesAFileAndKeepsTheSheet_data() {
        addColumns<QString, QByteArray, QString>("name", "bytes", "reason");
        QTest::newRow("missing file") << "absente.pxr" << QByteArray() << "il n'existe pas";
        QTest::newRow("72 lines") << "longue.pxr"
                                  << "V2\r\n" + QByteArray("x\r\n").repeated(71)
                                  << "il compte plus de 71 lignes";
        QTest::newRow("72 earlier lines")
            << "ancienne.pxr" << QByteArray("x\r\n").repeated(72) << "il compte plus de 71 lignes";
        QTest::newRow("far too large") << "film.pxr" << QByteArray(1024 * 1024 + 1, 'x')
                                       << "il est bien trop gros pour être une Scribel";
        QTest::newRow("name too long")
            << QString(252, u'n') + u".pxr"_s << QByteArray() << "son nom dépasse 255 octets";
        QTest::newRow("path too long") << u"d/"_s.repeated(2100) + u"fiche.pxr"_s << QByteArray()
                                       << "son chemin complet dépasse 4 096 octets";
        QTest::newRow("name not in UTF-8") << QFile::decodeName("\xe9t\xe9.pxr") << QByteArray()
                                           << "son nom contient des caractères non valides";
        QTest::newRow("folder") << "dossier.pxr" << QByteArray() << "ce n'est pas un fichier";
        QTest::newRow("no right to read")
            << "secrete.pxr" << QByteArray("V2\r\n") << "vous n'avez pas le droit de l'ouvrir";
        QTest::newRow("closed folder") << "ferme/fiche.pxr" << QByteArray()
                                       << "vous n'avez pas le droit d'entrer dans son dossier";
    }
    void refusesAFileAndKeepsTheSheet() {
        const auto [name, bytes, reason] =
            fetch<QString, QByteArray, QString>("name", "bytes", "reason");

        if (!bytes.isEmpty()) {
            writeBytes(path(name), bytes);
        }
        if (name == u"dossier.pxr") {
            QVERIFY(QDir(folderPath()).mkdir(name));
        }
        if (name == u"secrete.pxr" || name == u"ferme/fiche.pxr") {
            QVERIFY(QDir(folderPath()).mkpath(u"ferme"_s));
            QVERIFY(
                QFile::setPermissions(name == u"secrete.pxr" ? path(name) : path(u"ferme"_s), {}));
        }
        Sheet sheet;
        sheet.setText(u"SaisieNom"_s, u"GARDÉ"_s);
        sheet.choose(u"OptionAutre"_s);
        sheet.setText(u"SaisieDiffuAutre"_s, u"Libre"_s);
        // Loaded as an ordinary user meets the file, root or not.
        const QString chosen = path(name); // a lambda may not capture a structured binding
        const std::optional<QByteArray> seen = runWithoutPrivileges([&] {
            sheet.load(chosen);
            QStringList report{sheet.text(u"SaisieNom"_s), sheet.text(u"SaisieDiffuAutre"_s),
                               sheet.isOn(u"OptionAutre"_s) ? u"on"_s : u"off"_s};
            for (const test::ShownMessage& message : sheet.doubles.messages.shown) {
                report << message.title << message.text;
            }
            return report.join(u'|').toUtf8();
        });
        // Opened again, so that the temporary folder can be removed.
        QFile::setPermissions(path(u"ferme"_s),
                              QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);

        const QString message = u"Le fichier « %1 » n'a pas été chargé : %2.\n"
                                u"La fiche affichée reste telle qu'elle était."_s.arg(
                                    QFileInfo(name).fileName(), reason);
        const QString expected =
            QStringList{u"GARDÉ"_s, u"Libre"_s, u"on"_s, u"La Scribel 2.0"_s, message}.join(u'|');
        QCOMPARE(QString::fromUtf8(seen.value_or("no report")), expected);
    }
    void importsEarlierVersionFilesAfterTheWarning_data() {
        addColumns<QByteArray, Magazine, QStringList>("file", "magazine", "checks");

        const QStringList empty = utf8List({"SaisieNom=", "Qora:off", "SaisieAutre:hidden"});
        QTest::newRow("empty file") << QByteArray() << Magazine::Pixelor << empty;
        QTest::newRow("V1") << QByteArray("V1\r\n") << Magazine::Pixelor
                            << utf8List({"SaisieNom=V1"});
        QTest::newRow("lower-case v2")
            << QByteArray("v2\r\n") << Magazine::Pixelor << utf8List({"SaisieNom=v2"});
        QTest::newRow("71 lines") << QByteArray("1\r\n").repeated(71) << Magazine::Pixelor
                                  << utf8List({"SaisieNom=1", "Qora:on", "LogFrancais:on",
                                               "OptionAutre:off", "Shareware:on"});
        const QStringList ancienne =
            utf8List({"SaisieNom=DURAND", "SaisieIndice=Ter", "SaisieTelBur=04 78 11 11 11",
                      "SaisieTelPortable=", "SaisieEmail=paul@exemple.fr",
                      "SaisieWeb=http://exemple.fr", "SaisieNaissance=1965",
                      "SaisieActivite=Professeur", "Qora:on", "ZOLK:off", "MembreAutre:on",
                      "SaisieAutre:shown", "SaisieAutre=ZOLK Sud", "SaisieLogiciel=CALCULETTE",
                      "SaisieDescription=Une calculette.", "LogAnglais:on", "DocAuChoix:on",
                      "SaisieVersion=1.5"}) +
            utf8List({"SaisieDateCreation=01/02/1999", "SaisieLangage=Basic",
                      "SaisieVersionLangage=4.5", "LimitationsOui:on", "Limitations:shown",
                      "Limitations=Démo limitée.", "CDoui:on", "OptionAutre:on",
                      "SaisieDiffuAutre=Logiciel libre", "SaisieRetribution=100",
                      "LicenceSources:on", "LicenceVersionGratos:off", "LicenceManuel:on",
                      "LicenceTel:on", "LicenceBBS:on", "LicenceAutres:on",
                      "AutresServices=Mises à jour", "DiffuInedit:off"}) +
            utf8List({"DiffuBeta:off", "ListeCategorie=", "DOS:off", "Linux:off", "Shareware:shown",
                      "Assimile:hidden"});
        QTest::newRow("ancienne.pxr") << fixture("ancienne.pxr") << Magazine::Zorvane << ancienne;
    }
    void importsEarlierVersionFilesAfterTheWarning() {
        const auto [file, magazine, checks] =
            fetch<QByteArray, Magazine, QStringList>("file", "magazine", "checks");

        Sheet sheet;
        sheet.setText(u"SaisieTelPortable"_s, u"06"_s);
        sheet.choose(u"DiffuBeta"_s);
        sheet.load(path(u"ancienne.pxr"_s), file);

        QCOMPARE(sheet.doubles.messages.shown.size(), 1u);
        const test::ShownMessage& warning = sheet.doubles.messages.shown.front();
        QCOMPARE(warning.icon, MessageIcon::Warning);
        QCOMPARE(warning.title, u"La Scribel 2.0"_s);
        QCOMPARE(warning.text,
                 utf8("Ce fichier a été créé avec une version antérieure de SCRIBEL\n"
                      "L'import va être réalisé mais certains nouveaux champs ne seront pas\n"
                      "complets.\n"
                      "Vérifiez bien tous les champs avant de sauvegarder ou d'imprimer."));
        sheet.verify(checks);
        sheet.verify(utf8List({"SaisieTelPortable=", "DiffuBeta:off"}));
        QCOMPARE(sheet.window->magazine(), magazine);
    }
    void keepsTheWindowsMagazineForAFileOfTheOther() {
        Sheet sheet("Pixelor");
        sheet.load(path(u"zorvane.zrv"_s), fixture("zorvane.zrv"));
        sheet.verify(utf8List({"SaisieNom=MARTIN", "Assimile:on", "Assimile:hidden",
                               "Shareware:shown", "SaisieRetribution:shown"}));
        QCOMPARE(sheet.window->magazine(), Magazine::Pixelor);

        sheet.save(path(u"pixelor.pxr"_s));
        // Lines 33 to 44: Assimilé, nine empty lines, Windows 95, and this window's magazine.
        QVERIFY(
            bytesOf(path(u"pixelor.pxr"_s))
                .endsWith("\r\nAssimil\xe9\r\n" + QByteArray("\r\n").repeated(9) + "4\r\n 1 \r\n"));
    }
    // Bytes the code page leaves undefined, NUL, tabs, a lone LF in a single-line field:
    // each stays in its own line and comes back as the same byte.
    void keepsOddBytesInTheirPlace() {
        QByteArray file = fixture("complet.pxr");
        file.replace("DUPONT", QByteArray("DU\x81\x8d\x8f\x90\x9d\0\tPONT", 13));
        file.replace("\r\nPARIS\r\n", "\r\nPA\nRIS\r\n");
        Sheet sheet;
        sheet.load(path(u"bizarre.pxr"_s), file);
        QCOMPARE(sheet.text(u"SaisieNom"_s),
                 u"DU\u0081\u008d\u008f\u0090\u009d"_s + QChar(0) + u'\t' + u"PONT"_s);
        QCOMPARE(sheet.text(u"SaisiePrenom"_s), u"Jean-Pierre"_s);
        QCOMPARE(sheet.text(u"SaisieVille"_s), u"PA\nRIS"_s);
        sheet.save(path(u"encore.pxr"_s));
        QCOMPARE(bytesOf(path(u"encore.pxr"_s)), file);
    }
    // Every LF ends a line when the file holds no CR at all; saving writes CR LF again.
    void readsAFileWhoseLineEndsWereConverted() {
        const QByteArray file = fixture("complet-lf.pxr");
        Sheet sheet;
        sheet.load(path(u"lf.pxr"_s), file);
        sheet.verify(utf8List({"SaisieNom=DUPONT", "SaisieAutre=Club Œuvre", "LogAuChoix:on",
                               "ListeSousCategorie=Euro", "Linux:on"}));
        QCOMPARE(sheet.text(u"SaisieDescription"_s),
                 utf8("Un éditeur de textes. Deux lignes, « ; » et \"guillemets\"."));
        sheet.save(path(u"crlf.pxr"_s));
        QCOMPARE(bytesOf(path(u"crlf.pxr"_s)), QByteArray(file).replace("\n", "\r\n"));
    }
    // A double quote in a name is a character like any other: the file chosen is the file
    // used, never the one whose name Qt's dialog reads between the quotes.
    void usesTheQuotedNameNotItsDecoy() {
        writeBytes(path(u"best.pxr"_s), sheetWith({u"2=LEURRE"_s}));
        Sheet sheet;
        sheet.load(path(u"Le \"best\".pxr"_s), sheetWith({u"2=CHOISI"_s}));
        sheet.verify({u"SaisieNom=CHOISI"_s});

        sheet.setText(u"SaisieNom"_s, u"NOUVEAU"_s);
        sheet.save(path(u"Le \"best\".pxr"_s));
        QCOMPARE(bytesOf(path(u"best.pxr"_s)), sheetWith({u"2=LEURRE"_s}));
        QVERIFY(bytesOf(path(u"Le \"best\".pxr"_s)).contains("\r\nNOUVEAU\r\n"));
        QVERIFY(sheet.doubles.messages.shown.empty());
    }
    // Had the program opened the pipe the usual way, it would wait for a writer for good.
    void refusesAPipeSwappedInAfterTheDialog() {
        const QString chosen = path(u"fiche.pxr"_s);
        Sheet sheet;
        sheet.setText(u"SaisieNom"_s, u"GARDÉ"_s);
        sheet.doubles.fileDialogs.afterClosing = [](const QString& file) {
            QFile::remove(file);
            ::mkfifo(QFile::encodeName(file).constData(), 0600);
        };
        sheet.load(chosen, sheetWith({u"2=AUTRE"_s}));

        QVERIFY(QFileInfo(chosen).exists() && !QFileInfo(chosen).isFile());
        sheet.verify(utf8List({"SaisieNom=GARDÉ"}));
        QCOMPARE(sheet.doubles.messages.shown.size(), 1u);
        QCOMPARE(sheet.doubles.messages.shown.front().text,
                 utf8("Le fichier « fiche.pxr » n'a pas été chargé : ce n'est pas un fichier.\n"
                      "La fiche affichée reste telle qu'elle était."));
    }
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

private:
    QString path(const QString& name) const { return m_folder->filePath(name); }
    QString folderPath() const { return m_folder->path(); }

    std::unique_ptr<QTemporaryDir> m_folder;
};

QTEST_MAIN(TestPrincipaleFiles)
#include "tst_principale_files.moc"
