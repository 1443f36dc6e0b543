#include "app/fields/categories.h"
#include "platform/widgets/frenchtranslation.h"
#include "support/windowfixture.h"

#include <QApplication>
#include <QFontInfo>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QScreen>
#include <QTabBar>

using namespace scribel;
using namespace scribel::test;
using namespace Qt::StringLiterals;

namespace {

// Every text field, option and check box of the sheet.
QList<Field> allFields() {
    QList<Field> fields;
    for (int i = 0; i < kFieldCount; ++i) {
        fields.append(static_cast<Field>(i));
    }
    return fields;
}

bool isTextField(const WindowFixture& f, Field field) {
    return qobject_cast<QLineEdit*>(f.get(field)) || qobject_cast<QPlainTextEdit*>(f.get(field));
}

bool isToggle(const WindowFixture& f, Field field) {
    return qobject_cast<QAbstractButton*>(f.get(field)) != nullptr;
}

// Fills every field of the sheet through the keyboard and the mouse.
void fillEverything(const WindowFixture& f) {
    for (const Field field : allFields()) {
        if (isToggle(f, field)) {
            f.showTabOf(f.get(field));
            if (!f.get(field)->isHidden()) {
                f.click(field);
            }
        }
    }
    f.click(Field::OptionAutre);
    f.click(Field::LimitationsOui);
    f.click(Field::DiffuBeta);
    if (!f.isOn(Field::LicenceAutres)) {
        f.click(Field::LicenceAutres);
    }
    if (!f.isOn(Field::MembreAutre)) {
        f.click(Field::MembreAutre);
    }
    for (const Field field : allFields()) {
        if (isTextField(f, field) && !f.get(field)->isHidden()) {
            f.type(field, QStringLiteral("12"));
        }
    }
    f.window->form().setText(Field::ListeCategorie, QStringLiteral("Jeux"));
    f.window->form().setText(Field::ListeSousCategorie, QStringLiteral("Loto"));
}

void verifyStartState(const WindowFixture& f) {
    for (const Field field : allFields()) {
        const QString name = fieldName(field).toString();
        if (isTextField(f, field)) {
            QVERIFY2(f.text(field).isEmpty(), qPrintable(name));
        } else if (isToggle(f, field)) {
            QVERIFY2(!f.isOn(field), qPrintable(name));
        }
    }
    for (const QStringView hidden :
         {fieldName(Field::SaisieAutre), fieldName(Field::Limitations),
          fieldName(Field::SaisieDiffuAutre), fieldName(Field::AutresServices),
          QStringView(u"TitreAutresServices")}) {
        QVERIFY2(!f.isShown(hidden), qPrintable(hidden.toString()));
    }
    auto* categories = f.get<QComboBox>(Field::ListeCategorie);
    QCOMPARE(categories->count(), 12);
    QCOMPARE(categories->currentIndex(), -1);
    QCOMPARE(categories->itemText(0), QStringLiteral("AntiVirus"));
    QCOMPARE(categories->itemText(11), QStringLiteral("Système"));
    QCOMPARE(f.get<QComboBox>(Field::ListeSousCategorie)->count(), 0);
    QVERIFY(f.text(Field::ListeSousCategorie).isEmpty());
}

// A control's top-left corner relative to the tab control (or the window), in pixels.
QPoint positionIn(const WindowFixture& f, QStringView name, QWidget* reference) {
    return f.get(name)->mapTo(reference, QPoint(0, 0));
}

} // namespace

class WindowTest : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void opensInTheNoMagazineState() {
        const WindowFixture f;
        QCOMPARE(f.window->objectName(), QStringLiteral("Principale"));
        QCOMPARE(f.window->windowTitle(), QStringLiteral("La Scribel 2.0"));
        QCOMPARE(f.window->size(), QSize(549, 330));
        QVERIFY(!f.tabs()->isEnabled());
        QCOMPARE(f.tabs()->currentIndex(), 0);
        for (const QStringView button : {u"Imprimer", u"Sauvegarder", u"Charger", u"RAZ"}) {
            QVERIFY(!f.get(button)->isEnabled());
        }
        QVERIFY(f.get(u"Pixelor")->isEnabled());
        QVERIFY(f.get(u"Quitter")->isVisible());
        QVERIFY(!f.isShown(u"TitrePixelor"));
        QVERIFY(!f.isShown(u"TitreZorvane"));
        QVERIFY(f.get(u"SupportMessage")->isVisible());
        QCOMPARE(f.get<QLabel>(u"Titre")->text(), QStringLiteral("Scribel   Version 2.0"));
        QCOMPARE(f.window->magazine(), Magazine::None);
        verifyStartState(f);
    }

    void tabsCarryTheirCaptions() {
        const WindowFixture f;
        const QStringList captions = {
            QStringLiteral("&La Scribel"),   QStringLiteral("L'&auteur"),
            QStringLiteral("Le &programme"), QStringLiteral("La &distribution"),
            QStringLiteral("La &licence"),   QStringLiteral("&Systeme d'exploitation"),
            QStringLiteral("&A propos")};
        QCOMPARE(f.tabs()->count(), 7);
        for (int i = 0; i < 7; ++i) {
            QCOMPARE(f.tabs()->tabText(i), captions[i]);
        }
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
        // The window's own buttons, centred as a pair 480 twips apart.
        QCOMPARE(positionIn(f, u"Pixelor", f.window.get()), QPoint(146, 120));
        QCOMPARE(positionIn(f, u"Zorvane", f.window.get()), QPoint(291, 120));
        QCOMPARE(positionIn(f, u"Quitter", f.window.get()), QPoint(400, 296));
        QCOMPARE(tabs->geometry(), QRect(0, 8, 550, 321));
        // Re-centred on the start tab: (8250 - 6495) / 2 = 877.5 twips.
        QCOMPARE(positionIn(f, u"SupportMessage", tabs).x(), 59);
    }

    void windowIsCentredOnTheScreen() {
        const WindowFixture f;
        const QRect screen = f.window->screen()->geometry();
        const QRect frame = f.window->frameGeometry();
        // Centred before it is shown, when the frame's few pixels are not known yet.
        QVERIFY(qAbs(frame.center().x() - screen.center().x()) <= 3);
        QVERIFY(qAbs(frame.center().y() - screen.center().y()) <= 3);
    }

    void textFieldsUseArialNineAndArialIsLiberationSans() {
        const WindowFixture f;
        const QFontInfo info(f.get(Field::SaisieNom)->font());
        QCOMPARE(info.family(), QStringLiteral("Liberation Sans"));
        QCOMPARE(info.pointSizeF(), 9.0);
    }

    void everyFieldHasAnAccessibleName() {
        const WindowFixture f;
        for (const Field field : allFields()) {
            QVERIFY2(!f.get(field)->accessibleName().isEmpty() ||
                         !f.get<QWidget>(field)->property("text").toString().isEmpty(),
                     qPrintable(fieldName(field).toString()));
        }
        QCOMPARE(f.get(Field::SaisieNom)->accessibleName(), QStringLiteral("Nom"));
        QCOMPARE(f.get(Field::SaisieIndice)->accessibleName(), QStringLiteral("Indice du numéro"));
    }

    void pixelorOffersItsFields() {
        const WindowFixture f;
        f.click(u"Pixelor");
        QCOMPARE(f.window->windowTitle(), QStringLiteral("La Scribel 2.0 Pixelor"));
        QCOMPARE(f.window->magazine(), Magazine::Pixelor);
        QVERIFY(f.tabs()->isEnabled());
        for (const QStringView button : {u"Imprimer", u"Sauvegarder", u"Charger", u"RAZ"}) {
            QVERIFY(f.get(button)->isEnabled());
        }
        QVERIFY(f.isShown(u"TitrePixelor"));
        QVERIFY(!f.isShown(u"TitreZorvane"));
        QVERIFY(!f.isShown(u"SupportMessage"));
        QVERIFY(f.isShown(Field::Shareware));
        QVERIFY(!f.isShown(Field::Assimile));
        for (const QStringView name : {u"Frame6", u"Label21", u"Label22", u"SaisieRetribution"}) {
            QVERIFY(f.isShown(name));
        }
        QCOMPARE(f.get<QRadioButton>(Field::DiffuInedit)->text(), QStringLiteral("Inédit Pixelor"));
        f.tabs()->setCurrentIndex(3);
        QCOMPARE(positionIn(f, u"DomainePublic", f.tabs()).y(), 144);
        QCOMPARE(positionIn(f, u"OptionAutre", f.tabs()).y(), 176);
    }

    void zorvaneMovesTheDistributionRowsDownAndHidesTheLicence() {
        const WindowFixture f;
        f.click(u"Pixelor");
        f.click(u"Zorvane");
        QCOMPARE(f.window->windowTitle(), QStringLiteral("La Scribel 2.0 Zorvane"));
        QCOMPARE(f.window->magazine(), Magazine::Zorvane);
        QVERIFY(!f.isShown(u"TitrePixelor"));
        QVERIFY(f.isShown(u"TitreZorvane"));
        QVERIFY(!f.isShown(Field::Shareware));
        QVERIFY(f.isShown(Field::Assimile));
        for (const QStringView name : {u"Frame6", u"Label21", u"Label22", u"SaisieRetribution"}) {
            QVERIFY(!f.isShown(name));
        }
        QCOMPARE(f.get<QRadioButton>(Field::DiffuInedit)->text(), QStringLiteral("Inédit Zorvane"));
        f.tabs()->setCurrentIndex(3);
        QCOMPARE(positionIn(f, u"DomainePublic", f.tabs()).y(), 176);
        QCOMPARE(positionIn(f, u"OptionAutre", f.tabs()).y(), 208);
        QCOMPARE(positionIn(f, u"SaisieDiffuAutre", f.tabs()).y(), 208);
    }

    void choosingAMagazineAgainClearsEverything() {
        const WindowFixture f;
        f.click(u"Pixelor");
        fillEverything(f);
        QVERIFY(f.isOn(Field::OptionAutre));
        QCOMPARE(f.text(Field::SaisieTelPortable), QStringLiteral("12"));
        QCOMPARE(f.text(Field::ListeSousCategorie), QStringLiteral("Loto"));
        f.tabs()->setCurrentIndex(0);
        f.click(u"Pixelor");
        verifyStartState(f);
        QCOMPARE(f.window->magazine(), Magazine::Pixelor);
    }

    void resetReturnsToTheNoMagazineState() {
        const WindowFixture f;
        f.click(u"Zorvane");
        fillEverything(f);
        f.tabs()->setCurrentIndex(0);
        f.click(u"RAZ");
        verifyStartState(f);
        QCOMPARE(f.window->windowTitle(), QStringLiteral("La Scribel"));
        QCOMPARE(f.window->magazine(), Magazine::None);
        QVERIFY(!f.tabs()->isEnabled());
        QCOMPARE(f.tabs()->currentIndex(), 0);
        for (const QStringView button : {u"Imprimer", u"Sauvegarder", u"Charger", u"RAZ"}) {
            QVERIFY(!f.get(button)->isEnabled());
        }
        QVERIFY(!f.isShown(u"TitreZorvane"));
        QVERIFY(f.get(u"SupportMessage")->isVisible());
    }

    void tabChangeMovesTheFocusAndCoversTheWindowButtons() {
        const WindowFixture f;
        f.click(u"Pixelor");
        f.get(u"RAZ")->setFocus(Qt::TabFocusReason); // where the start tab's focus comes back to
        f.tabs()->setCurrentIndex(1);
        QTRY_VERIFY(f.get(Field::SaisieNom)->hasFocus());
        for (const QStringView button : {u"Pixelor", u"Zorvane", u"Quitter"}) {
            QVERIFY(!f.get(button)->isVisible());
        }
        f.tabs()->setCurrentIndex(2);
        QTRY_VERIFY(f.get(Field::SaisieLogiciel)->hasFocus());
        f.tabs()->setCurrentIndex(4);
        QTRY_VERIFY(f.get(Field::SaisieRetribution)->hasFocus());
        f.tabs()->setCurrentIndex(0);
        for (const QStringView button : {u"Pixelor", u"Zorvane", u"Quitter"}) {
            QVERIFY(f.get(button)->isVisible());
        }
        QTRY_VERIFY(f.tabs()->tabBar()->hasFocus());
    }

    // From the tab strip, which keeps the focus unless the window moves it.
    void licenceTabGivesThePriceTheFocusForPixelor() {
        const WindowFixture f;
        f.click(u"Pixelor");
        f.tabs()->tabBar()->setFocus(Qt::OtherFocusReason);
        QTRY_VERIFY(f.tabs()->tabBar()->hasFocus());
        f.tabs()->setCurrentIndex(4);
        QTRY_VERIFY(f.get(Field::SaisieRetribution)->hasFocus());
    }

    void licenceTabLeavesTheFocusAloneForZorvane() {
        const WindowFixture f;
        f.click(u"Zorvane");
        f.tabs()->setCurrentIndex(1);
        QTRY_VERIFY(f.get(Field::SaisieNom)->hasFocus());
        f.tabs()->setCurrentIndex(4);
        QVERIFY(!f.get(Field::SaisieRetribution)->hasFocus());
    }

    void tabWalksTheAuthorTabInReadingOrder() {
        const WindowFixture f;
        f.click(u"Pixelor");
        f.tabs()->setCurrentIndex(1);
        QTRY_VERIFY(f.get(Field::SaisieNom)->hasFocus());
        const QList<Field> order = {Field::SaisiePrenom,
                                    Field::SaisieNumero,
                                    Field::SaisieIndice,
                                    Field::SaisieRue,
                                    Field::SaisieCodePostal,
                                    Field::SaisieVille,
                                    Field::SaisieTelDom,
                                    Field::SaisieTelBur,
                                    Field::SaisieTelPortable,
                                    Field::SaisieEmail,
                                    Field::SaisieWeb,
                                    Field::SaisieNaissance,
                                    Field::SaisieActivite,
                                    Field::Qora,
                                    Field::ZOLK,
                                    Field::MembreAutre};
        for (const Field next : order) {
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
            QVERIFY2(f.get(next)->hasFocus(), qPrintable(fieldName(next).toString()));
        }
    }

    void altShortcutsReachTheButtonsAndTabs() {
        const WindowFixture f;
        f.click(u"Zorvane");
        QTest::keyClick(f.window.get(), Qt::Key_P, Qt::AltModifier);
        QCOMPARE(f.tabs()->currentIndex(), 2); // "Le &programme"
        f.tabs()->setCurrentIndex(0);
        QTest::keyClick(f.window.get(), Qt::Key_R, Qt::AltModifier); // "&Remise à zéro"
        QTRY_COMPARE(f.window->magazine(),
                     Magazine::None); // a mnemonic presses the button visibly first
        QCOMPARE(f.window->windowTitle(), QStringLiteral("La Scribel"));
        // The tabs are disabled now: choosing a magazine is the one thing left to do.
        QVERIFY(f.get(u"Pixelor")->hasFocus());
    }

    // A letter underlined twice: the button on the page shown wins over a tab; between
    // two tabs, the next one after the current tab.
    void sharedLettersGoWhereTheAuthorLooks_data() {
        QTest::addColumn<int>("fromTab");
        QTest::addColumn<int>("key");
        QTest::addColumn<int>("toTab");
        QTest::addColumn<int>("saveDialogs");
        QTest::newRow("Alt+S presses Sauvegarder") << 0 << int(Qt::Key_S) << 0 << 1;
        QTest::newRow("Alt+S elsewhere shows the system tab") << 1 << int(Qt::Key_S) << 5 << 0;
        QTest::newRow("Alt+L from the programme") << 2 << int(Qt::Key_L) << 4 << 0;
        QTest::newRow("Alt+L from the licence") << 4 << int(Qt::Key_L) << 0 << 0;
        QTest::newRow("Alt+A from the start tab") << 0 << int(Qt::Key_A) << 1 << 0;
        QTest::newRow("Alt+A from the author") << 1 << int(Qt::Key_A) << 6 << 0;
    }
    void sharedLettersGoWhereTheAuthorLooks() {
        QFETCH(int, fromTab);
        QFETCH(int, key);
        QFETCH(int, toTab);
        QFETCH(int, saveDialogs);
        const WindowFixture f;
        f.click(u"Pixelor");
        f.tabs()->setCurrentIndex(fromTab);
        QTest::keyClick(QApplication::focusWidget(), Qt::Key(key), Qt::AltModifier);
        QTRY_COMPARE(int(f.doubles.fileDialogs.saveRequests.size()), saveDialogs);
        QCOMPARE(f.tabs()->currentIndex(), toTab);
    }

    // Tabs change from wherever the focus stands, and arriving on the start tab puts the
    // focus on the strip, never on a button that clears the sheet or quits.
    void tabKeysWorkFromAnywhere_data() {
        QTest::addColumn<int>("fromTab");
        QTest::addColumn<QString>("focused"); // empty: the tab strip
        QTest::addColumn<int>("key");
        QTest::addColumn<int>("modifiers");
        QTest::addColumn<int>("toTab");
        QTest::addColumn<QString>("focusAfter"); // empty: the tab strip
        const int ctrl = Qt::ControlModifier;
        const int ctrlShift = Qt::ControlModifier | Qt::ShiftModifier;
        QTest::newRow("Ctrl+Tab on Quitter")
            << 0 << u"Quitter"_s << int(Qt::Key_Tab) << ctrl << 1 << u"SaisieNom"_s;
        QTest::newRow("Ctrl+Tab on Pixelor")
            << 0 << u"Pixelor"_s << int(Qt::Key_Tab) << ctrl << 1 << u"SaisieNom"_s;
        QTest::newRow("Ctrl+PgDn in a field")
            << 1 << u"SaisieVille"_s << int(Qt::Key_PageDown) << ctrl << 2 << u"SaisieLogiciel"_s;
        QTest::newRow("Ctrl+Shift+Tab in the description")
            << 2 << u"SaisieDescription"_s << int(Qt::Key_Backtab) << ctrlShift << 1
            << u"SaisieNom"_s;
        QTest::newRow("Ctrl+Tab in a list")
            << 2 << u"ListeCategorie"_s << int(Qt::Key_Tab) << ctrl << 3 << u""_s;
        QTest::newRow("Ctrl+PgUp on the strip, round to the last tab")
            << 0 << u""_s << int(Qt::Key_PageUp) << ctrl << 6 << u""_s;
        QTest::newRow("Ctrl+Tab round to the start tab")
            << 6 << u"SSCommand1"_s << int(Qt::Key_Tab) << ctrl << 0 << u""_s;
        QTest::newRow("Ctrl+PgUp back to the start tab")
            << 1 << u"SaisieNom"_s << int(Qt::Key_PageUp) << ctrl << 0 << u""_s;
    }
    void tabKeysWorkFromAnywhere() {
        QFETCH(int, fromTab);
        QFETCH(QString, focused);
        QFETCH(int, key);
        QFETCH(int, modifiers);
        QFETCH(int, toTab);
        QFETCH(QString, focusAfter);
        const WindowFixture f;
        f.click(u"Pixelor");
        f.tabs()->setCurrentIndex(fromTab);
        QWidget* start = focused.isEmpty() ? f.tabs()->tabBar() : f.get(focused);
        start->setFocus(Qt::TabFocusReason);
        QTRY_VERIFY(start->hasFocus());
        QTest::keyClick(start, Qt::Key(key), Qt::KeyboardModifiers(modifiers));
        QCOMPARE(f.tabs()->currentIndex(), toTab);
        if (toTab == 0 || !focusAfter.isEmpty()) {
            QWidget* expected = focusAfter.isEmpty() ? f.tabs()->tabBar() : f.get(focusAfter);
            QTRY_COMPARE(QApplication::focusWidget(), expected);
        }
    }

    void enterPressesTheFocusedButton_data() {
        QTest::addColumn<int>("key");
        QTest::addColumn<int>("modifiers");
        QTest::newRow("Enter") << int(Qt::Key_Return) << int(Qt::NoModifier);
        QTest::newRow("keypad Enter") << int(Qt::Key_Enter) << int(Qt::KeypadModifier);
    }
    void enterPressesTheFocusedButton() {
        QFETCH(int, key);
        QFETCH(int, modifiers);
        const WindowFixture f;
        f.get(u"Zorvane")->setFocus(Qt::TabFocusReason);
        QTest::keyClick(f.get(u"Zorvane"), Qt::Key(key), Qt::KeyboardModifiers(modifiers));
        QTRY_COMPARE(f.window->magazine(), Magazine::Zorvane);
        QVERIFY(f.tabs()->tabBar()->hasFocus()); // what comes next is a tab
    }

    void qtsOwnTextsSpeakFrench() {
        QVERIFY(installQtFrenchTranslation(*QCoreApplication::instance()));
        QCOMPARE(QCoreApplication::translate("QPlatformTheme", "Cancel"),
                 QStringLiteral("Annuler"));
        QCOMPARE(QCoreApplication::translate("QPlatformTheme", "Save"),
                 QStringLiteral("Enregistrer"));
    }

    void quitterClosesTheWindow() {
        const WindowFixture f;
        f.click(u"Quitter");
        QVERIFY(!f.window->isVisible());
    }

    void optionGroupsAreExclusiveWithinTheirContainerOnly() {
        const WindowFixture f;
        f.click(u"Pixelor");
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
};

QTEST_MAIN(WindowTest)
#include "tst_window.moc"
