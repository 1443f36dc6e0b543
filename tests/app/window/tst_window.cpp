#include "app/window/controlcatalogue.h"
#include "platform/widgets/frenchtranslation.h"
#include "platform/widgets/twipsgeometry.h"
#include "sheet/magazineprofile.h"
#include "support/windowfixture.h"

#include <QApplication>
#include <QButtonGroup>
#include <QFontInfo>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QScreen>
#include <QTabBar>
#include <QTemporaryDir>

using namespace scribel;
using namespace scribel::test;
using namespace Qt::StringLiterals;

namespace {

bool isTextField(const QWidget* widget) {
    return qobject_cast<const QLineEdit*>(widget) || qobject_cast<const QPlainTextEdit*>(widget);
}

void fillEverything(const WindowFixture& f) {
    for (const QStringView name : kFieldNames) {
        if (auto* toggle = qobject_cast<QAbstractButton*>(f.get(name))) {
            f.showTabOf(toggle);
            if (!toggle->isHidden()) {
                f.click(name);
            }
        }
    }
    f.click(Field::OptionAutre);
    f.click(Field::LimitationsOui);
    f.click(Field::DiffuBeta);
    for (const Field box : {Field::LicenceAutres, Field::MembreAutre}) {
        if (!f.isOn(box)) {
            f.click(box);
        }
    }
    for (const QStringView name : kFieldNames) {
        if (isTextField(f.get(name)) && f.isShown(name)) {
            f.type(fieldNamed(name), u"12"_s);
        }
    }
    f.window->form().setText(Field::ListeCategorie, u"Jeux"_s);
    f.window->form().setText(Field::ListeSousCategorie, u"Loto"_s);
}

void verifyStartState(const WindowFixture& f) {
    for (const QStringView name : kFieldNames) {
        if (isTextField(f.get(name))) {
            QVERIFY2(f.text(name).isEmpty(), qPrintable(name.toString()));
        } else if (qobject_cast<QAbstractButton*>(f.get(name))) {
            QVERIFY2(!f.isOn(fieldNamed(name)), qPrintable(name.toString()));
        }
    }
    for (const QStringView hidden : {u"SaisieAutre", u"Limitations", u"SaisieDiffuAutre",
                                     u"AutresServices", u"TitreAutresServices"}) {
        QVERIFY2(!f.isShown(hidden), qPrintable(hidden.toString()));
    }
    auto* categories = f.get<QComboBox>(Field::ListeCategorie);
    QCOMPARE(categories->count(), 12);
    QCOMPARE(categories->currentIndex(), -1);
    QCOMPARE(categories->itemText(0), u"AntiVirus"_s);
    QCOMPARE(categories->itemText(11), u"Système"_s);
    QCOMPARE(f.get<QComboBox>(Field::ListeSousCategorie)->count(), 0);
    QVERIFY(f.text(Field::ListeSousCategorie).isEmpty());
}

// No magazine chosen: the tabs and the buttons that act on a sheet wait for one.
void verifyNoMagazineChosen(const WindowFixture& f) {
    QCOMPARE(f.window->magazine(), Magazine::None);
    QVERIFY(!f.tabs()->isEnabled());
    QCOMPARE(f.tabs()->currentIndex(), 0);
    for (const QStringView button : {u"Imprimer", u"Sauvegarder", u"Charger", u"RAZ"}) {
        QVERIFY(!f.get(button)->isEnabledTo(f.tabs())); // their own state, not the tabs'
    }
    QVERIFY(!f.isShown(u"TitrePixelor") && !f.isShown(u"TitreZorvane"));
    QVERIFY(f.get(u"SupportMessage")->isVisible());
}

QPoint positionIn(const WindowFixture& f, QStringView name, QWidget* reference) {
    return f.get(name)->mapTo(reference, QPoint(0, 0));
}

} // namespace

class WindowTest : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void opensInTheNoMagazineState() {
        const WindowFixture f;
        QCOMPARE(f.window->objectName(), u"Principale"_s);
        QCOMPARE(f.window->windowTitle(), u"La Scribel 2.0"_s);
        QCOMPARE(f.window->size(), QSize(549, 330));
        verifyNoMagazineChosen(f);
        QVERIFY(f.get(u"Pixelor")->isEnabled());
        QVERIFY(f.get(u"Quitter")->isVisible());
        QCOMPARE(f.get<QLabel>(u"Titre")->text(), u"Scribel   Version 2.0"_s);
        QCOMPARE(f.get<QLabel>(u"Titre")->frameStyle(), QFrame::Panel | QFrame::Raised);
        QCOMPARE(f.get<QLabel>(u"Titre")->alignment(), Qt::AlignCenter);
        verifyStartState(f);
    }

    // Each picture is read whole, in the format its name gives: read as another, it shows
    // nothing.
    void everyPictureIsRead() {
        const WindowFixture f(u"Pixelor");
        QCOMPARE(f.window->windowIcon().availableSizes(), QList<QSize>{QSize(48, 48)});
        for (const QStringView button : {u"Pixelor", u"Zorvane"}) {
            QCOMPARE(f.get<QPushButton>(button)->icon().availableSizes(),
                     QList<QSize>{QSize(105, 19)});
        }
        QCOMPARE(f.shown<QLabel>(u"TitrePixelor")->pixmap().size(), QSize(584, 107));
        QCOMPARE(f.shown<QLabel>(u"Picture1")->pixmap().size(), QSize(192, 65));
    }

    void tabsCarryTheirCaptions() {
        const WindowFixture f;
        QStringList captions;
        for (int i = 0; i < f.tabs()->count(); ++i) {
            captions << f.tabs()->tabText(i);
        }
        QCOMPARE(captions,
                 utf8List({"&La Scribel", "L'&auteur", "Le &programme", "La &distribution",
                           "La &licence", "&Systeme d'exploitation", "&A propos"}));
    }

    void controlsStandWhereTheirTwipsPutThem() {
        const WindowFixture f;
        QWidget* tabs = f.tabs();
        f.tabs()->setCurrentIndex(1);
        QCOMPARE(positionIn(f, u"SaisieNom", tabs), QPoint(72, 32));
        QCOMPARE(f.get(u"SaisieNom")->size(), QSize(273, 22));
        QCOMPARE(positionIn(f, u"SaisieIndice", tabs), QPoint(104, 80));
        f.tabs()->setCurrentIndex(5);
        QCOMPARE(positionIn(f, u"Frame11", tabs), QPoint(16, 64));
        QCOMPARE(positionIn(f, u"Linux", tabs), QPoint(16 + 408, 64 + 24));
        QCOMPARE(f.get(u"Linux")->size(), QSize(81, 17)); // its caption fits: not widened
        // The window's own buttons, centred as a pair 480 twips apart.
        QCOMPARE(positionIn(f, u"Pixelor", f.window.get()), QPoint(146, 120));
        QCOMPARE(positionIn(f, u"Zorvane", f.window.get()), QPoint(291, 120));
        QCOMPARE(positionIn(f, u"Quitter", f.window.get()), QPoint(400, 296));
        QCOMPARE(tabs->geometry(), QRect(0, 8, 550, 321));
        // Re-centred on the start tab: (8250 - 6495) / 2 = 877.5 twips.
        QCOMPARE(positionIn(f, u"SupportMessage", tabs).x(), 59);
    }

    // The catalogue against the sheet's list of places, kept apart from it.
    void controlsStandWhereTheSheetPutsThem() {
        QFile places(QStringLiteral(SCRIBEL_CONTROL_PLACES));
        QVERIFY(places.open(QIODevice::ReadOnly | QIODevice::Text));
        QStringList faults;
        int checked = 0;
        while (!places.atEnd()) {
            const QString line = QString::fromUtf8(places.readLine()).trimmed();
            if (line.isEmpty() || line.startsWith(u'#')) {
                continue;
            }
            const QStringList part = line.split(u' ');
            const auto& catalogue = controlCatalogue();
            const auto row =
                std::find_if(catalogue.begin(), catalogue.end(),
                             [&](const ControlSpec& control) { return control.name == part[0]; });
            QRectF expected(part[1].toDouble(), part[2].toDouble(), part[3].toDouble(),
                            part[4].toDouble());
            // A row of controls grouped with no box drawn stands where the sheet puts it.
            const auto group = std::find_if(catalogue.begin(), catalogue.end(), [&](const auto& c) {
                return row != catalogue.end() && c.kind == ControlKind::Group &&
                       c.name == row->container.box;
            });
            if (group != catalogue.end()) {
                expected.translate(-group->left, -group->top);
            }
            if (row == catalogue.end()) {
                faults << part[0] + u" is missing"_s;
            } else if (QRectF(row->left, row->top, row->width, row->height) != expected) {
                faults << u"%1 stands at %2, %3, %4, %5"_s.arg(part[0])
                              .arg(row->left)
                              .arg(row->top)
                              .arg(row->width)
                              .arg(row->height);
            }
            ++checked;
        }
        QCOMPARE(checked, 58);
        QVERIFY2(faults.isEmpty(), qPrintable(faults.join(u'\n')));
    }
    void windowIsCentredOnTheScreen() {
        const WindowFixture f;
        const QPoint offset =
            f.window->frameGeometry().center() - f.window->screen()->geometry().center();
        // Centred before it is shown, when the frame's few pixels are not known yet.
        QVERIFY(qAbs(offset.x()) <= 3 && qAbs(offset.y()) <= 3);
    }

    void textFieldsUseArialNineAndArialIsLiberationSans() {
        const WindowFixture f;
        const QFontInfo info(f.get(Field::SaisieNom)->font());
        QCOMPARE(info.family(), u"Liberation Sans"_s);
        QCOMPARE(info.pointSizeF(), 9.0);
    }

    void everyFieldHasAnAccessibleName() {
        const WindowFixture f;
        for (const QStringView name : kFieldNames) {
            QVERIFY2(!f.get(name)->accessibleName().isEmpty() ||
                         !f.get(name)->property("text").toString().isEmpty(),
                     qPrintable(name.toString()));
        }
        QCOMPARE(f.get(Field::SaisieNom)->accessibleName(), u"Nom"_s);
        QCOMPARE(f.get(Field::SaisieIndice)->accessibleName(), u"Indice du numéro"_s);
    }

    // Each magazine chosen after the other: its title, its distribution rows, its licence.
    void aMagazineOffersItsFields_data() {
        // tops: twips, Shareware down to SaisieDiffuAutre
        // pixels: DomainePublic, OptionAutre, SaisieDiffuAutre
        addColumns<QString, QString, Magazine, bool, QString, QList<double>, QList<int>>(
            "magazine", "other", "choice", "licence", "inedit", "tops", "pixels");
        QTest::newRow("Pixelor") << u"Pixelor"_s << u"Zorvane"_s << Magazine::Pixelor << true
                                 << u"Inédit Pixelor"_s
                                 << QList<double>{1200, 1680, 2160, 2160, 2640, 2640}
                                 << QList<int>{144, 176, 176};
        QTest::newRow("Zorvane") << u"Zorvane"_s << u"Pixelor"_s << Magazine::Zorvane << false
                                 << u"Inédit Zorvane"_s
                                 << QList<double>{1200, 1680, 2160, 2640, 3120, 3120}
                                 << QList<int>{176, 208, 208};
    }
    void aMagazineOffersItsFields() {
        const auto [magazine, other, choice, licence, inedit, tops, pixels] =
            fetch<QString, QString, Magazine, bool, QString, QList<double>, QList<int>>(
                "magazine", "other", "choice", "licence", "inedit", "tops", "pixels");
        const WindowFixture f(other);
        f.click(magazine);
        QCOMPARE(f.window->windowTitle(), u"La Scribel 2.0 "_s + magazine);
        QCOMPARE(f.window->magazine(), choice);
        QVERIFY(f.tabs()->isEnabled());
        for (const QStringView button : {u"Imprimer", u"Sauvegarder", u"Charger", u"RAZ"}) {
            QVERIFY(f.get(button)->isEnabled());
        }
        QVERIFY(f.isShown(u"Titre"_s + magazine));
        QVERIFY(!f.isShown(u"Titre"_s + other));
        QVERIFY(!f.isShown(u"SupportMessage"));
        QCOMPARE(f.isShown(Field::Shareware), licence);
        QCOMPARE(f.isShown(Field::Assimile), !licence);
        for (const Field offered : {Field::Freeware, Field::DomainePublic, Field::OptionAutre}) {
            QVERIFY(f.isShown(offered));
        }
        for (const QStringView name : {u"Frame6", u"Label21", u"Label22", u"SaisieRetribution"}) {
            QCOMPARE(f.isShown(name), licence);
        }
        QCOMPARE(f.get<QRadioButton>(Field::DiffuInedit)->text(), inedit);
        f.tabs()->setCurrentIndex(3);
        QCOMPARE(positionIn(f, u"DomainePublic", f.tabs()).y(), pixels[0]);
        QCOMPARE(positionIn(f, u"OptionAutre", f.tabs()).y(), pixels[1]);
        QCOMPARE(positionIn(f, u"SaisieDiffuAutre", f.tabs()).y(), pixels[2]);
        QList<double> twipsTops;
        for (const QStringView name : {u"Shareware", u"Freeware", u"Assimile", u"DomainePublic",
                                       u"OptionAutre", u"SaisieDiffuAutre"}) {
            twipsTops << twipsGeometry(*f.get(name)).top();
        }
        QCOMPARE(twipsTops, tops);
    }

    void choosingAMagazineAgainClearsEverything() {
        const WindowFixture f(u"Pixelor");
        fillEverything(f);
        QVERIFY(f.isOn(Field::OptionAutre));
        QCOMPARE(f.text(Field::SaisieTelPortable), u"12"_s);
        QCOMPARE(f.text(Field::ListeSousCategorie), u"Loto"_s);
        f.tabs()->setCurrentIndex(0);
        f.click(u"Pixelor");
        verifyStartState(f);
        QCOMPARE(f.window->magazine(), Magazine::Pixelor);
    }

    void resetReturnsToTheNoMagazineState() {
        const WindowFixture f(u"Zorvane");
        fillEverything(f);
        f.tabs()->setCurrentIndex(0);
        f.click(u"RAZ");
        verifyStartState(f);
        QCOMPARE(f.window->windowTitle(), u"La Scribel"_s);
        verifyNoMagazineChosen(f);
    }

    void qtsOwnTextsSpeakFrench() {
        QVERIFY(installQtFrenchTranslation(*QCoreApplication::instance()));
        QCOMPARE(QCoreApplication::translate("QPlatformTheme", "Cancel"), u"Annuler"_s);
        QCOMPARE(QCoreApplication::translate("QPlatformTheme", "Save"), u"Enregistrer"_s);
    }

    void quitterClosesTheWindow() {
        const WindowFixture f;
        f.click(u"Quitter");
        QVERIFY(!f.window->isVisible());
    }

    void optionGroupsAreExclusiveWithinTheirContainerOnly() {
        const WindowFixture f(u"Pixelor");
        f.click(Field::Windows95);
        f.click(Field::Linux);
        QVERIFY(!f.isOn(Field::Windows95));
        QVERIFY(f.isOn(Field::Linux));
        f.click(Field::Shareware);
        f.click(Field::Freeware);
        QVERIFY(!f.isOn(Field::Shareware));
        f.click(Field::CDoui);
        f.click(Field::LimitationsOui);
        QVERIFY(f.isOn(Field::CDoui));
        QVERIFY(f.isOn(Field::LimitationsOui));
    }
    void arrowsReachEveryShownOption_data() {
        QTest::addColumn<QString>("magazine");
        for (const MagazineProfile& magazine : kMagazineProfiles) {
            QTest::newRow(qPrintable(magazine.name.toString())) << magazine.name.toString();
        }
    }
    void arrowsReachEveryShownOption() {
        QFETCH(QString, magazine);
        const WindowFixture f(magazine);
        const QList<QButtonGroup*> groups = f.window->findChildren<QButtonGroup*>();
        QCOMPARE(groups.size(), 7);
        for (const QButtonGroup* group : groups) {
            f.showTabOf(group->buttons().front());
            QList<QAbstractButton*> shown = group->buttons();
            shown.removeIf([](const QAbstractButton* option) { return !option->isVisible(); });
            QList<QAbstractButton*> reached = {shown.front()};
            for (qsizetype i = 0; i < reached.size(); ++i) {
                for (const Qt::Key key : {Qt::Key_Up, Qt::Key_Down, Qt::Key_Left, Qt::Key_Right}) {
                    reached[i]->setFocus(Qt::TabFocusReason);
                    QTest::keyClick(reached[i], key);
                    auto* next = qobject_cast<QAbstractButton*>(QApplication::focusWidget());
                    if (next != nullptr && !reached.contains(next)) {
                        reached.append(next);
                    }
                }
            }
            QVERIFY2(reached.size() == shown.size(), qPrintable(shown.back()->objectName()));
        }
    }

    // Charger reached by its letter, from the tab strip where choosing the magazine left
    // the focus: the focus is on Charger once the sheet is loaded or the file refused.
    void focusReturnsToChargerAfterALoad_data() {
        QTest::addColumn<bool>("confirmed");
        QTest::newRow("loaded") << true;
        QTest::newRow("refused") << false;
    }
    void focusReturnsToChargerAfterALoad() {
        QFETCH(bool, confirmed);
        WindowFixture f(u"Pixelor");
        QTemporaryDir folder;
        const QString path = folder.filePath(u"fiche.pxr"_s);
        if (confirmed) {
            f.doubles.fileDialogs.nextAnswers.push_back(path);
            f.window->Sauvegarder_Click();
        }
        f.doubles.fileDialogs.nextAnswers.push_back(path);
        QVERIFY(f.tabs()->tabBar()->hasFocus());
        QTest::keyClick(f.window.get(), Qt::Key_C, Qt::AltModifier);
        QTRY_COMPARE(f.doubles.fileDialogs.openRequests.size(), std::size_t(1));
        QCOMPARE(f.doubles.messages.shown.empty(), confirmed);
        QVERIFY(f.get(u"Charger")->hasFocus());
    }
};

QTEST_MAIN(WindowTest)
#include "tst_window.moc"
