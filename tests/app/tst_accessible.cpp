// What a screen reader gets from the window, through Qt's accessibility interfaces.

#include "about/information.h"
#include "about/links.h"
#include "support/windowfixture.h"

#include <QAccessible>
#include <QApplication>
#include <QClipboard>

using namespace scribel;
using namespace scribel::test;
using namespace Qt::StringLiterals;

class AccessibleTest : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void names_data() {
        QTest::addColumn<QString>("control");
        QTest::addColumn<QString>("name");
        // A check box is named by its own caption, not by the caption of the row it stands on.
        QTest::newRow("Qora") << u"Qora"_s << u"QORA"_s;
        QTest::newRow("ZOLK") << u"ZOLK"_s << u"ZOLK"_s;
        // The banner shows its sentence over and over; it is said once.
        QTest::newRow("banner") << u"Message"_s << u"Faites le choix de votre magazine !!"_s;
        QTest::newRow("information") << u"Afficheur"_s << u"Informations"_s;
        QTest::newRow("field named by its caption") << u"SaisieNom"_s << u"Nom"_s;
        QTest::newRow("picture button") << u"Pixelor"_s << u"Pixelor"_s;
    }
    void names() {
        QFETCH(QString, control);
        QFETCH(QString, name);
        WindowFixture f;
        QAccessibleInterface* accessible = QAccessible::queryAccessibleInterface(f.get(control));
        QVERIFY(accessible != nullptr);
        QCOMPARE(accessible->text(QAccessible::Name), name);
    }

    void informationTextIsReadWhole() {
        WindowFixture f;
        QAccessibleInterface* accessible =
            QAccessible::queryAccessibleInterface(f.get(u"Afficheur"));
        QVERIFY(accessible != nullptr);
        QAccessibleTextInterface* text = accessible->textInterface();
        QVERIFY(text != nullptr);
        QStringList lines = informationText().split(QStringLiteral("\r\n"));
        lines.removeLast(); // after the last line break
        QCOMPARE(text->text(0, text->characterCount()).split(u'\n'), lines);
        QVERIFY(accessible->state().readOnly);
    }

    void informationTextIsCopiedWithTheKeyboard() {
        WindowFixture f;
        f.click(u"Pixelor"); // the tab control, disabled until then, takes the focus
        QWidget* information = f.get(u"Afficheur");
        information->setFocus(Qt::TabFocusReason);
        QTest::keyClick(information, Qt::Key_A, Qt::ControlModifier);
        QTest::keyClick(information, Qt::Key_X, Qt::ControlModifier); // read-only: nothing cut
        QTest::keyClick(information, Qt::Key_C, Qt::ControlModifier);
        QVERIFY(QGuiApplication::clipboard()->text().contains(kAuthorMail));
        QCOMPARE(f.get<QPlainTextEdit>(u"Afficheur")->toPlainText(),
                 QGuiApplication::clipboard()->text());
    }
};

QTEST_MAIN(AccessibleTest)
#include "tst_accessible.moc"
