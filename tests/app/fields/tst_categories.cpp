// The category table: each category in list order with its sub-categories.

#include "app/fields/categories.h"
#include "support/helpers.h"

using namespace scribel;
using scribel::test::addColumns;
using scribel::test::fetch;

class TestCategories : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void categoriesInListOrder_data() {
        addColumns<int, QString, QStringList>("index", "category", "subCategories");
        int index = 0;
        const auto row = [&index](const char* category, std::initializer_list<const char*> subs) {
            QTest::newRow(category) << index++ << test::utf8(category) << test::utf8List(subs);
        };
        row("AntiVirus", {"AntiVirus"});
        row("Bureautique",
            {"Agenda", "Argent", "Comptabilité", "Confidentialité", "Contact téléphonique",
             "Divers", "Euro", "Gestion", "Gestion élève", "Horloge"});
        row("Divers", {"Divers", "Electronique", "Humour", "Numérologie", "PMU",
                       "Recueil de textes", "Sport"});
        row("Educatif", {"Divers", "Electronique", "Maths"});
        row("Emulateur", {"Divers", "Driver manette", "N64", "Nes", "PSX"});
        row("Gestion de fichiers", {"Explorateur"});
        row("Graphisme", {"Divers", "Icône", "Ray-Tracing", "Viewer"});
        row("Internet", {"Editeur HTML", "Navigateur", "Recherche"});
        row("Jeux",
            {"Dés", "Educatif", "Lettres", "Loto", "Plate-forme", "Réflexion", "Stratégie"});
        row("Musique",
            {"Divers", "Editeur", "Gestion", "MP3", "Playeur", "Séquenceur", "Son", "Utilitaire"});
        row("Screen Saver", {"Screen Saver"});
        row("Système", {"Confirmé", "Débutant"});
    }
    void categoriesInListOrder() {
        const auto [index, category, subCategories] =
            fetch<int, QString, QStringList>("index", "category", "subCategories");
        QCOMPARE(categoryNames().size(), 12);
        QCOMPARE(categoryNames().at(index), category);
        const std::optional<QStringList> subs = subCategoriesOf(category);
        QVERIFY(subs);
        QCOMPARE(*subs, subCategories);
        QVERIFY(!subCategoriesOf(category.toLower()));
    }
};

QTEST_GUILESS_MAIN(TestCategories)
#include "tst_categories.moc"
