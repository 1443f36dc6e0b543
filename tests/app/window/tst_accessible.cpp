// What a screen reader gets from the window, through Qt's accessibility interfaces.

#include "app/about/infotext.h"
#include "app/about/links.h"
#include "support/windowfixture.h"

#include <QAbstractItemView>
#include <QAccessible>
#include <QApplication>
#include <QClipboard>

using namespace scribel;
using namespace scribel::test;
using namespace Qt::StringLiterals;

class AccessibleTest : public QObject {
    Q_OBJECT

private Q_SLOTS:
    // What a screen reader says of a control: its name, or its description.
    void texts_data() {
        addColumns<QString, QAccessible::Text, QString>("control", "kind", "text");
        const QAccessible::Text name = QAccessible::Name;
        // A check box is named by its own caption, not by the caption of the row it stands on.
        QTest::newRow("Qora") << u"Qora"_s << name << u"QORA"_s;
        QTest::newRow("ZOLK") << u"ZOLK"_s << name << u"ZOLK"_s;
        // The banner shows its sentence over and over; it is said once.
        QTest::newRow("banner") << u"Message"_s << name
                                << u"Faites le choix de votre magazine !!"_s;
        QTest::newRow("information") << u"Afficheur"_s << name << u"Informations"_s;
        QTest::newRow("field named by its caption") << u"SaisieNom"_s << name << u"Nom"_s;
        QTest::newRow("picture button") << u"Pixelor"_s << name << u"Pixelor"_s;
        // Two fields are captioned "Nom": the programme's says whose name it is.
        QTest::newRow("programme's name") << u"SaisieLogiciel"_s << name << u"Nom du programme"_s;
        const QAccessible::Text description = QAccessible::Description;
        QTest::newRow("the price's unit") << u"SaisieRetribution"_s << description << u"francs"_s;
        // The picture shows the magazine's name, which the name already says.
        QTest::newRow("picture button's description") << u"Zorvane"_s << description << u""_s;
    }
    void texts() {
        const auto [control, kind, text] =
            fetch<QString, QAccessible::Text, QString>("control", "kind", "text");
        WindowFixture f;
        QAccessibleInterface* accessible = QAccessible::queryAccessibleInterface(f.get(control));
        QVERIFY(accessible != nullptr);
        QCOMPARE(accessible->text(kind), text);
    }

    // Qt names a list by its chosen item on this system; the sheet names it by its caption.
    void listsAreNamedByTheirCaptions() {
        WindowFixture f(u"Pixelor");
        f.window->form().setText(Field::ListeCategorie, u"Jeux"_s);
        f.window->form().setText(Field::ListeSousCategorie, u"Loto"_s);
        const std::array lists = {std::pair{Field::ListeCategorie, u"Catégorie"_s},
                                  std::pair{Field::ListeSousCategorie, u"Sous Catégorie"_s}};
        for (const auto& [field, caption] : lists) {
            QAccessibleInterface* list = QAccessible::queryAccessibleInterface(f.get(field));
            QCOMPARE(list->role(), QAccessible::ComboBox);
            QCOMPARE(list->text(QAccessible::Name), caption);
            QCOMPARE(list->text(QAccessible::Value), f.text(field));
            QCOMPARE(list->childCount(), 1); // the items
        }
        QAccessibleInterface* list =
            QAccessible::queryAccessibleInterface(f.get(Field::ListeCategorie));
        QCOMPARE(list->child(0)->childCount(), 12);
        QCOMPARE(list->indexOfChild(list->child(0)), 0);
        QCOMPARE(list->indexOfChild(list), -1);
        // Opened by either of a list's actions; any other is Qt's own.
        auto* combo = qobject_cast<QComboBox*>(f.get(Field::ListeCategorie));
        QAccessibleActionInterface* actions = list->actionInterface();
        for (const QString& action :
             {actions->showMenuAction(), actions->pressAction(), actions->setFocusAction()}) {
            actions->doAction(action);
            QCOMPARE(combo->view()->isVisible(), action != actions->setFocusAction());
            combo->hidePopup();
        }
        QVERIFY(combo->hasFocus());
        // A list the sheet does not name keeps Qt's own interface: an editable one has its
        // line as a second child.
        QComboBox other;
        other.setEditable(true);
        QCOMPARE(QAccessible::queryAccessibleInterface(&other)->childCount(), 2);
    }

    // Options or check boxes that stand on one row with no box drawn are told as one group,
    // named by the caption beside them.
    void rowsFormNamedGroups_data() {
        addColumns<QList<Field>, QString>("members", "name");
        QTest::newRow("distribution")
            << QList<Field>{Field::Shareware, Field::Freeware, Field::OptionAutre}
            << u"Mode de diffusion"_s;
        QTest::newRow("membership")
            << QList<Field>{Field::Qora, Field::ZOLK, Field::MembreAutre} << u"Membre"_s;
    }
    void rowsFormNamedGroups() {
        const auto [members, name] = fetch<QList<Field>, QString>("members", "name");
        WindowFixture f(u"Pixelor");
        QAccessibleInterface* group =
            QAccessible::queryAccessibleInterface(f.get(members.front()))->parent();
        QCOMPARE(group->role(), QAccessible::Grouping);
        QCOMPARE(group->text(QAccessible::Name), name);
        for (const Field member : members) {
            QCOMPARE(QAccessible::queryAccessibleInterface(f.get(member))->parent()->object(),
                     group->object());
        }
        // No other plain container, a tab's page for one, is told as a group.
        const QList<QWidget*> containers = f.window->findChildren<QWidget*>();
        int groups = 0;
        for (QWidget* container : containers) {
            if (container->metaObject() == &QWidget::staticMetaObject &&
                QAccessible::queryAccessibleInterface(container)->role() == QAccessible::Grouping) {
                ++groups;
            }
        }
        QCOMPARE(groups, 2);
    }

    // Behind the other tabs, the window's own buttons are neither shown to a screen reader
    // nor pressed by it.
    void coveredButtonsAreOutOfReach() {
        WindowFixture f(u"Pixelor");
        f.tabs()->setCurrentIndex(1);
        typeKeys(f.get(Field::SaisieNom), u"DURAND"_s);
        for (const QStringView name : {u"Pixelor", u"Zorvane", u"Quitter"}) {
            QAccessibleInterface* button = QAccessible::queryAccessibleInterface(f.get(name));
            QVERIFY(button->state().invisible);
            button->actionInterface()->doAction(QAccessibleActionInterface::pressAction());
        }
        QTest::qWait(200); // a press is animated before it clicks
        QVERIFY(f.window->isVisible());
        QCOMPARE(f.text(Field::SaisieNom), u"DURAND"_s);
        f.tabs()->setCurrentIndex(0);
        QVERIFY(!QAccessible::queryAccessibleInterface(f.get(u"Quitter"))->state().invisible);
    }

    void informationTextIsReadWhole() {
        WindowFixture f;
        QAccessibleInterface* accessible =
            QAccessible::queryAccessibleInterface(f.get(u"Afficheur"));
        QVERIFY(accessible != nullptr);
        QAccessibleTextInterface* text = accessible->textInterface();
        QVERIFY(text != nullptr);
        QStringList lines = informationText().split(u"\r\n"_s);
        lines.removeLast(); // after the last line break
        QCOMPARE(text->text(0, text->characterCount()).split(u'\n'), lines);
        QVERIFY(accessible->state().readOnly);
    }

    void informationTextIsCopiedWithTheKeyboard() {
        WindowFixture f(u"Pixelor"); // the tab control, disabled until then, takes the focus
        auto* information = f.get<QPlainTextEdit>(u"Afficheur");
        information->setFocus(Qt::TabFocusReason);
        QTest::keyClick(information, Qt::Key_A, Qt::ControlModifier);
        QTest::keyClick(information, Qt::Key_X, Qt::ControlModifier); // read-only: nothing cut
        QTest::keyClick(information, Qt::Key_C, Qt::ControlModifier);
        QVERIFY(QGuiApplication::clipboard()->text().contains(kAuthorMail));
        QCOMPARE(information->toPlainText(), QGuiApplication::clipboard()->text());
    }
};

QTEST_MAIN(AccessibleTest)
#include "tst_accessible.moc"
