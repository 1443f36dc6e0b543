#pragma once

// The window unshown with scripted dialogs, its sheet reached by the names the file's
// lines use, and the sheet of the complete fixture file, typed in and as shown.

#include "support/helpers.h"
#include "support/windowfixture.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTemporaryDir>
#include <QTest>
#include <memory>

namespace scribel::test {

using namespace Qt::StringLiterals;

inline QByteArray fixture(const char* name) {
    QFile file(QStringLiteral(SCRIBEL_SHEETFILE_DATA "/") + QLatin1String(name));
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

// A 44-line current file with the given lines set, "N=text" in UTF-8.
inline QByteArray sheetWith(const QStringList& lines) {
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

// The sheet of complet.pxr, typed in field by field.
inline void fillAsTheCompleteFixture(Sheet& sheet) {
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

inline const QStringList kCompleteFixtureState =
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

// A test class's own temporary folder, new for each test function.
class InTemporaryFolder : public QObject {
protected:
    QString path(const QString& name) const { return m_folder->filePath(name); }
    QString folderPath() const { return m_folder->path(); }
    void makeFolder() { m_folder = std::make_unique<QTemporaryDir>(); }

private:
    std::unique_ptr<QTemporaryDir> m_folder;
};

} // namespace scribel::test
