// The window's keys: where a tab change puts the focus, Tab's order, Alt shortcuts and
// shared letters, the tab keys from anywhere, Enter on a button.

#include "sheet/magazineprofile.h"
#include "support/windowfixture.h"

#include <QApplication>
#include <QTabBar>

using namespace scribel;
using namespace scribel::test;
using namespace Qt::StringLiterals;

class TestWindowKeys : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void tabChangeMovesTheFocusAndCoversTheWindowButtons() {
        const WindowFixture f(u"Pixelor");
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
    // From the tab strip, which keeps the focus unless the window moves it: the licence tab
    // gives the price the focus for a magazine that asks one, and leaves it alone otherwise.
    void licenceTabFocusFollowsTheMagazine_data() {
        addColumns<QString, bool>("magazine", "toPrice");
        for (const MagazineProfile& profile : kMagazineProfiles) {
            const QString name = profile.name.toString();
            QTest::newRow(qPrintable(name)) << name << (name == u"Pixelor");
        }
    }
    void licenceTabFocusFollowsTheMagazine() {
        const auto [magazine, toPrice] = fetch<QString, bool>("magazine", "toPrice");
        const WindowFixture f(magazine);
        f.tabs()->tabBar()->setFocus(Qt::OtherFocusReason);
        QTRY_VERIFY(f.tabs()->tabBar()->hasFocus());
        f.tabs()->setCurrentIndex(4);
        QCoreApplication::processEvents();
        QTRY_COMPARE(QApplication::focusWidget(),
                     toPrice ? f.get(Field::SaisieRetribution) : f.tabs()->tabBar());
    }
    void tabWalksTheAuthorTabInReadingOrder() {
        const WindowFixture f(u"Pixelor");
        f.tabs()->setCurrentIndex(1);
        QTRY_VERIFY(f.get(Field::SaisieNom)->hasFocus());
        using F = Field;
        const QList<Field> order = {
            F::SaisiePrenom,      F::SaisieNumero, F::SaisieIndice, F::SaisieRue,
            F::SaisieCodePostal,  F::SaisieVille,  F::SaisieTelDom, F::SaisieTelBur,
            F::SaisieTelPortable, F::SaisieEmail,  F::SaisieWeb,    F::SaisieNaissance,
            F::SaisieActivite,    F::Qora,         F::ZOLK,         F::MembreAutre};
        for (const Field next : order) {
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
            QVERIFY2(f.get(next)->hasFocus(), qPrintable(fieldName(next).toString()));
        }
        // Ticked, "Autre" shows the association's name and gives it the focus; the name
        // comes right after it.
        QTest::keyClick(f.get(Field::MembreAutre), Qt::Key_Space);
        QVERIFY(f.get(Field::SaisieAutre)->hasFocus());
        QTest::keyClick(f.get(Field::SaisieAutre), Qt::Key_Backtab, Qt::ShiftModifier);
        QVERIFY(f.get(Field::MembreAutre)->hasFocus());
    }
    void altShortcutsReachTheButtonsAndTabs() {
        const WindowFixture f(u"Zorvane");
        QTest::keyClick(f.window.get(), Qt::Key_P, Qt::AltModifier);
        QCOMPARE(f.tabs()->currentIndex(), 2); // "Le &programme"
        f.tabs()->setCurrentIndex(0);
        QTest::keyClick(f.window.get(), Qt::Key_R, Qt::AltModifier); // "&Remise à zéro"
        QTRY_COMPARE(f.window->magazine(),
                     Magazine::None); // a mnemonic presses the button visibly first
        QCOMPARE(f.window->windowTitle(), u"La Scribel"_s);
        // The tabs are disabled now: choosing a magazine is the one thing left to do.
        QVERIFY(f.get(u"Pixelor")->hasFocus());
    }
    // A letter underlined twice: the button on the page shown wins over a tab; between
    // two tabs, the next one after the current tab.
    void sharedLettersGoWhereTheAuthorLooks_data() {
        addColumns<int, Qt::Key, int, int>("fromTab", "key", "toTab", "saveDialogs");
        QTest::newRow("Alt+S presses Sauvegarder") << 0 << Qt::Key_S << 0 << 1;
        QTest::newRow("Alt+S elsewhere shows the system tab") << 1 << Qt::Key_S << 5 << 0;
        QTest::newRow("Alt+L from the programme") << 2 << Qt::Key_L << 4 << 0;
        QTest::newRow("Alt+L from the licence") << 4 << Qt::Key_L << 0 << 0;
        QTest::newRow("Alt+A from the start tab") << 0 << Qt::Key_A << 1 << 0;
        QTest::newRow("Alt+A from the author") << 1 << Qt::Key_A << 6 << 0;
    }
    void sharedLettersGoWhereTheAuthorLooks() {
        const auto [fromTab, key, toTab, saveDialogs] =
            fetch<int, Qt::Key, int, int>("fromTab", "key", "toTab", "saveDialogs");
        const WindowFixture f(u"Pixelor");
        f.tabs()->setCurrentIndex(fromTab);
        QTest::keyClick(QApplication::focusWidget(), key, Qt::AltModifier);
        QTRY_COMPARE(int(f.doubles.fileDialogs.saveRequests.size()), saveDialogs);
        QCOMPARE(f.tabs()->currentIndex(), toTab);
    }
    // A letter that no control of the page shown takes is a missed shortcut: the field,
    // its text selected as a tab change leaves it, keeps it. AltGr still types, whether
    // the keyboard reports it as Ctrl+Alt or with the group switch.
    void aLetterNoControlTakesTypesNothing_data() {
        addColumns<int, QString, Qt::Key, Qt::KeyboardModifiers, QString, QString>(
            "tab", "field", "key", "modifiers", "text", "shown");
        const Qt::KeyboardModifiers alt = Qt::AltModifier;
        QTest::newRow("Alt+I in Nom, author")
            << 1 << u"SaisieNom"_s << Qt::Key_I << alt << u"i"_s << u"DUPONT"_s;
        QTest::newRow("Alt+Shift+C in Activité, author")
            << 1 << u"SaisieActivite"_s << Qt::Key_C << (alt | Qt::ShiftModifier) << u"C"_s
            << u"DUPONT"_s;
        QTest::newRow("Alt+R in the description, programme")
            << 2 << u"SaisieDescription"_s << Qt::Key_R << alt << u"r"_s << u"DUPONT"_s;
        QTest::newRow("Alt+Q in the other distribution, distribution")
            << 3 << u"SaisieDiffuAutre"_s << Qt::Key_Q << alt << u"q"_s << u"DUPONT"_s;
        QTest::newRow("Alt+I in the price, licence")
            << 4 << u"SaisieRetribution"_s << Qt::Key_I << alt << u"i"_s << u"DUPONT"_s;
        QTest::newRow("AltGr+E as Ctrl+Alt in Nom")
            << 1 << u"SaisieNom"_s << Qt::Key_E << (Qt::ControlModifier | alt) << u"€"_s << u"€"_s;
        QTest::newRow("AltGr+E with the group switch in the description")
            << 2 << u"SaisieDescription"_s << Qt::Key_E << (Qt::GroupSwitchModifier | alt) << u"€"_s
            << u"€"_s;
    }
    void aLetterNoControlTakesTypesNothing() {
        const auto [tab, field, key, modifiers, text, shown] =
            fetch<int, QString, Qt::Key, Qt::KeyboardModifiers, QString, QString>(
                "tab", "field", "key", "modifiers", "text", "shown");
        const WindowFixture f(u"Pixelor");
        f.window->form().setOn(Field::OptionAutre, true);
        f.window->form().setText(fieldNamed(field), u"DUPONT"_s);
        f.tabs()->setCurrentIndex(tab);
        QWidget* edit = f.get(field);
        edit->setFocus(Qt::TabFocusReason);
        QTRY_VERIFY(edit->hasFocus());
        QTest::keyClick(edit, Qt::Key_A, Qt::ControlModifier); // as a tab change leaves it
        QTest::sendKeyEvent(QTest::Click, edit, key, text, modifiers);
        QCOMPARE(f.text(field), shown);
    }
    // Tabs change from wherever the focus stands, and arriving on the start tab puts the
    // focus on the strip, never on a button that clears the sheet or quits.
    void tabKeysWorkFromAnywhere_data() {
        // focused, focusAfter: empty for the tab strip
        addColumns<int, QString, Qt::Key, Qt::KeyboardModifiers, int, QString>(
            "fromTab", "focused", "key", "modifiers", "toTab", "focusAfter");
        const Qt::KeyboardModifiers ctrl = Qt::ControlModifier;
        const Qt::KeyboardModifiers ctrlShift = Qt::ControlModifier | Qt::ShiftModifier;
        QTest::newRow("Ctrl+Tab on Quitter")
            << 0 << u"Quitter"_s << Qt::Key_Tab << ctrl << 1 << u"SaisieNom"_s;
        QTest::newRow("Ctrl+Tab on Pixelor")
            << 0 << u"Pixelor"_s << Qt::Key_Tab << ctrl << 1 << u"SaisieNom"_s;
        QTest::newRow("Ctrl+PgDn in a field")
            << 1 << u"SaisieVille"_s << Qt::Key_PageDown << ctrl << 2 << u"SaisieLogiciel"_s;
        QTest::newRow("Ctrl+Shift+Tab in the description")
            << 2 << u"SaisieDescription"_s << Qt::Key_Backtab << ctrlShift << 1 << u"SaisieNom"_s;
        QTest::newRow("Ctrl+Tab in a list")
            << 2 << u"ListeCategorie"_s << Qt::Key_Tab << ctrl << 3 << u""_s;
        QTest::newRow("Ctrl+PgUp on the strip, round to the last tab")
            << 0 << u""_s << Qt::Key_PageUp << ctrl << 6 << u""_s;
        QTest::newRow("Ctrl+Tab round to the start tab")
            << 6 << u"SSCommand1"_s << Qt::Key_Tab << ctrl << 0 << u""_s;
        QTest::newRow("Ctrl+PgUp back to the start tab")
            << 1 << u"SaisieNom"_s << Qt::Key_PageUp << ctrl << 0 << u""_s;
    }
    void tabKeysWorkFromAnywhere() {
        const auto [fromTab, focused, key, modifiers, toTab, focusAfter] =
            fetch<int, QString, Qt::Key, Qt::KeyboardModifiers, int, QString>(
                "fromTab", "focused", "key", "modifiers", "toTab", "focusAfter");
        const WindowFixture f(u"Pixelor");
        f.tabs()->setCurrentIndex(fromTab);
        QWidget* start = focused.isEmpty() ? f.tabs()->tabBar() : f.get(focused);
        start->setFocus(Qt::TabFocusReason);
        QTRY_VERIFY(start->hasFocus());
        QTest::keyClick(start, key, modifiers);
        QCOMPARE(f.tabs()->currentIndex(), toTab);
        if (toTab == 0 || !focusAfter.isEmpty()) {
            QWidget* expected = focusAfter.isEmpty() ? f.tabs()->tabBar() : f.get(focusAfter);
            QTRY_COMPARE(QApplication::focusWidget(), expected);
        }
    }
    void enterPressesTheFocusedButton_data() {
        addColumns<Qt::Key, Qt::KeyboardModifiers, bool>("key", "modifiers", "presses");
        const Qt::KeyboardModifiers none;
        QTest::newRow("Enter") << Qt::Key_Return << none << true;
        QTest::newRow("keypad Enter") << Qt::Key_Enter << (none | Qt::KeypadModifier) << true;
        QTest::newRow("Space, as Qt does") << Qt::Key_Space << none << true;
        QTest::newRow("Shift+Enter") << Qt::Key_Return << (none | Qt::ShiftModifier) << false;
        QTest::newRow("Ctrl+keypad Enter")
            << Qt::Key_Enter << (Qt::ControlModifier | Qt::KeypadModifier) << false;
    }
    void enterPressesTheFocusedButton() {
        const auto [key, modifiers, presses] =
            fetch<Qt::Key, Qt::KeyboardModifiers, bool>("key", "modifiers", "presses");
        const WindowFixture f;
        f.get(u"Zorvane")->setFocus(Qt::TabFocusReason);
        QTest::keyClick(f.get(u"Zorvane"), key, modifiers);
        if (!presses) {
            QTest::qWait(300); // longer than a button's animated click
            QCOMPARE(f.window->magazine(), Magazine::None);
            return;
        }
        QTRY_COMPARE(f.window->magazine(), Magazine::Zorvane);
        QVERIFY(f.tabs()->tabBar()->hasFocus()); // what comes next is a tab
    }
};

QTEST_MAIN(TestWindowKeys)
#include "tst_windowkeys.moc"
