#include "support/windowfixture.h"

using namespace scribel;
using namespace scribel::test;
using namespace Qt::StringLiterals;

class DependentTest : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void choosingACategoryRefillsItsSubCategories_data() {
        addColumns<QString, QStringList>("category", "subCategories");
        QTest::newRow("antivirus") << "AntiVirus" << utf8List({"AntiVirus"});
        QTest::newRow("gestion de fichiers") << "Gestion de fichiers" << utf8List({"Explorateur"});
        QTest::newRow("bureautique, the largest")
            << "Bureautique"
            << utf8List({"Agenda", "Argent", "Comptabilité", "Confidentialité",
                         "Contact téléphonique", "Divers", "Euro", "Gestion", "Gestion élève",
                         "Horloge"});
        QTest::newRow("système") << "Système" << utf8List({"Confirmé", "Débutant"});
    }
    void choosingACategoryRefillsItsSubCategories() {
        const auto [category, subCategories] =
            fetch<QString, QStringList>("category", "subCategories");
        const WindowFixture f(u"Pixelor");
        auto* categories = f.get<QComboBox>(Field::ListeCategorie);
        auto* subs = f.get<QComboBox>(Field::ListeSousCategorie);
        f.showTabOf(categories);
        // Pick with the keyboard, as the author would, after another category was chosen.
        categories->setCurrentIndex(8);
        subs->setCurrentIndex(2);
        categories->setFocus();
        QTest::keyClick(categories, Qt::Key_Home);
        while (categories->currentText() != category) {
            QTest::keyClick(categories, Qt::Key_Down);
        }
        QStringList items;
        for (int i = 0; i < subs->count(); ++i) {
            items.append(subs->itemText(i));
        }
        QCOMPARE(items, subCategories);
        QCOMPARE(subs->currentIndex(), -1);
        QVERIFY(f.text(Field::ListeSousCategorie).isEmpty());
    }

    void settingTheCategoryByProgramActsLikeAPick() {
        const WindowFixture f(u"Zorvane");
        f.window->form().setText(Field::ListeCategorie, u"Musique"_s);
        QCOMPARE(f.get<QComboBox>(Field::ListeSousCategorie)->count(), 8);
        f.window->form().setText(Field::ListeSousCategorie, u"MP3"_s);
        QCOMPARE(f.text(Field::ListeSousCategorie), u"MP3"_s);
        f.window->form().setText(Field::ListeSousCategorie, u"mp3"_s);
        QVERIFY(f.text(Field::ListeSousCategorie).isEmpty()); // case counts
        f.window->form().setText(Field::ListeCategorie, u"Inconnue"_s);
        QVERIFY(f.text(Field::ListeCategorie).isEmpty());
        QCOMPARE(f.get<QComboBox>(Field::ListeSousCategorie)->count(), 8); // left unchanged
    }

    void listsArePickOnly() {
        const WindowFixture f;
        QVERIFY(!f.get<QComboBox>(Field::ListeCategorie)->isEditable());
        QVERIFY(!f.get<QComboBox>(Field::ListeSousCategorie)->isEditable());
    }

    // Chosen, a choice shows its field and gives it the focus; left, it hides the field and
    // empties it, except the association's name, kept for when it is chosen again. Every
    // sister option leaves the other distribution.
    void aChoiceShowsItsFieldFocused_data() {
        // leave: what the author clicks to leave the choice
        addColumns<QString, int, Field, Field, Field, bool>("magazine", "tab", "choice", "field",
                                                            "leave", "keeps");
        using F = Field;
        QTest::newRow("other distribution")
            << u"Pixelor"_s << 3 << F::OptionAutre << F::SaisieDiffuAutre << F::Freeware << false;
        QTest::newRow("limitations") << u"Pixelor"_s << 2 << F::LimitationsOui << F::Limitations
                                     << F::LimitationsNon << false;
        QTest::newRow("other services") << u"Pixelor"_s << 4 << F::LicenceAutres
                                        << F::AutresServices << F::LicenceAutres << false;
        QTest::newRow("other association")
            << u"Pixelor"_s << 1 << F::MembreAutre << F::SaisieAutre << F::MembreAutre << true;
        const auto sister = [](const char* tag, const QString& magazine, Field option) {
            QTest::addRow("everySisterOptionHidesTheOtherDistribution: %s", tag)
                << magazine << 3 << F::OptionAutre << F::SaisieDiffuAutre << option << false;
        };
        sister("shareware", u"Pixelor"_s, F::Shareware);
        sister("freeware", u"Pixelor"_s, F::Freeware);
        sister("domaine public", u"Zorvane"_s, F::DomainePublic);
        sister("assimilé", u"Zorvane"_s, F::Assimile);
    }
    void aChoiceShowsItsFieldFocused() {
        const auto [magazine, tab, choice, field, leave, keeps] =
            fetch<QString, int, Field, Field, Field, bool>("magazine", "tab", "choice", "field",
                                                           "leave", "keeps");
        const WindowFixture f(magazine);
        const bool services = field == Field::AutresServices; // which has a caption of its own
        f.tabs()->setCurrentIndex(tab);
        f.click(choice);
        QVERIFY(f.isShown(field));
        QCOMPARE(f.isShown(u"TitreAutresServices"), services);
        QTRY_VERIFY(f.get(field)->hasFocus());
        typeKeys(f.get(field), u"Club"_s);
        f.click(leave);
        QVERIFY(!f.isOn(choice));
        QVERIFY(!f.isShown(field));
        QVERIFY(!f.isShown(u"TitreAutresServices"));
        QCOMPARE(f.text(field), keeps ? u"Club"_s : QString());
        if (!keeps) { // nor does a text set while hidden come back with it
            f.window->form().setText(field, u"reste"_s);
        }
        f.click(choice);
        QVERIFY(f.isShown(field));
        QCOMPARE(f.text(field), keeps ? u"Club"_s : QString());
        QTRY_VERIFY(f.get(field)->hasFocus());
    }

    void otherAssociationStaysBesideTheOthers() {
        const WindowFixture f(u"Pixelor");
        f.tabs()->setCurrentIndex(1);
        f.click(Field::MembreAutre);
        f.click(Field::ZOLK);
        f.click(Field::Qora);
        QVERIFY(f.isShown(Field::SaisieAutre));
    }

    void valuesSetByProgramRunTheHandlersWithoutSwitchingTabs() {
        const WindowFixture f(u"Pixelor");
        f.tabs()->setCurrentIndex(0);
        Form& form = f.window->form();
        form.setOn(Field::OptionAutre, true);
        form.setText(Field::SaisieDiffuAutre, u"Carte"_s);
        for (const Field choice :
             {Field::LimitationsOui, Field::LicenceAutres, Field::MembreAutre}) {
            form.setOn(choice, true);
        }
        QCOMPARE(f.text(Field::SaisieDiffuAutre), u"Carte"_s);
        for (const QStringView shown : {u"SaisieDiffuAutre", u"Limitations", u"AutresServices",
                                        u"TitreAutresServices", u"SaisieAutre"}) {
            QVERIFY2(f.isShown(shown), qPrintable(shown.toString()));
        }
        QCOMPARE(f.tabs()->currentIndex(), 0);
        QVERIFY(!f.get(Field::SaisieAutre)->hasFocus());
        form.setOn(Field::OptionAutre, false);
        QVERIFY(!f.isOn(Field::OptionAutre));
        QVERIFY(!f.isOn(Field::Shareware));
    }
};

QTEST_MAIN(DependentTest)
#include "tst_dependent.moc"
