#include "app/keyrules.h"
#include "support/windowfixture.h"

#include <QAbstractScrollArea>
#include <QApplication>
#include <QClipboard>
#include <QMimeData>

using namespace scribel;
using namespace scribel::test;

namespace {

// The key-rule table written out again on its own, so that a changed rule fails:
// typing "ab cd" shows the case rule, Enter moves to the next field.
struct ChainedField {
    Field field;
    const char* typed;
    const char* shown;
    Field next;
};

constexpr ChainedField kChainedFields[] = {
    {Field::SaisieNom, "ab cd", "AB CD", Field::SaisiePrenom},
    {Field::SaisiePrenom, "ab cd", "Ab Cd", Field::SaisieNumero},
    {Field::SaisieNumero, "a b", "a b", Field::SaisieIndice}, // three characters at most
    {Field::SaisieIndice, "a b", "A b", Field::SaisieRue},
    {Field::SaisieRue, "ab cd", "ab cd", Field::SaisieCodePostal},
    {Field::SaisieCodePostal, "ab cd", "ab cd", Field::SaisieVille},
    {Field::SaisieVille, "ab cd", "AB CD", Field::SaisieTelDom},
    {Field::SaisieTelDom, "ab cd", "AB CD", Field::SaisieTelBur},
    {Field::SaisieTelBur, "ab cd", "ab cd", Field::SaisieTelPortable},
    {Field::SaisieTelPortable, "ab cd", "ab cd", Field::SaisieEmail},
    {Field::SaisieEmail, "ab cd", "ab cd", Field::SaisieWeb},
    {Field::SaisieWeb, "ab cd", "ab cd", Field::SaisieNaissance},
    {Field::SaisieNaissance, "ab c", "ab c", Field::SaisieActivite}, // four at most
    {Field::SaisieLogiciel, "ab cd", "AB CD", Field::SaisieVersion},
    {Field::SaisieVersion, "ab cd", "AB CD", Field::SaisieDateCreation},
    {Field::SaisieDateCreation, "ab cd", "AB CD", Field::SaisieLangage},
    {Field::SaisieLangage, "ab cd", "ab cd", Field::SaisieVersionLangage},
    {Field::SaisieVersionLangage, "ab cd", "ab cd", Field::SaisieDescription},
};

void pasteInto(QWidget* widget, const QString& text) {
    QApplication::clipboard()->setText(text);
    QTest::keySequence(widget, QKeySequence::Paste);
}

// A drop as the window sees one: the drag enters the field, moves, and is dropped.
void dropInto(QWidget* widget, const QString& text) {
    auto* area = qobject_cast<QAbstractScrollArea*>(widget);
    QWidget* target = area != nullptr ? area->viewport() : widget;
    const QPoint centre = target->rect().center();
    QMimeData data;
    data.setText(text);
    QDragEnterEvent enter(centre, Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(target, &enter);
    QDragMoveEvent move(centre, Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(target, &move);
    QDropEvent drop(QPointF(centre), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(target, &drop);
}

// One key press carrying a whole text, as on-screen keyboards and some layouts send.
void pressKeyWithText(QWidget* widget, const QString& text) {
    QKeyEvent press(QEvent::KeyPress, Qt::Key_unknown, Qt::NoModifier, text);
    QApplication::sendEvent(widget, &press);
}

void commitFromInputMethod(QWidget* widget, const QString& text) {
    QInputMethodEvent commit;
    commit.setCommitString(text);
    QApplication::sendEvent(widget, &commit);
}

enum class Entry { Keys, InputMethod };

// Inserts each piece as the author would: one key press or one input method commit.
void enter(QWidget* widget, Entry entry, const QStringList& pieces) {
    widget->setFocus();
    for (const QString& piece : pieces) {
        if (entry == Entry::Keys) {
            pressKeyWithText(widget, piece);
        } else {
            commitFromInputMethod(widget, piece);
        }
    }
}

Field fieldNamed(const QString& name) {
    return static_cast<Field>(std::find(kFieldNames.begin(), kFieldNames.end(), name) -
                              kFieldNames.begin());
}

} // namespace

class TypingTest : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void caseRulesApplyToEveryTypedCharacter_data() {
        QTest::addColumn<QString>("field");
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("shown");
        QTest::newRow("accents, always") << "SaisieNom"
                                         << "dupont é"
                                         << "DUPONT É";
        QTest::newRow("a hyphen is no word break") << "SaisiePrenom"
                                                   << "jean-pierre"
                                                   << "Jean-pierre";
        QTest::newRow("indice, first character") << "SaisieIndice"
                                                 << "bis"
                                                 << "Bis";
        QTest::newRow("ville: ÿ has a capital in the code page") << "SaisieVille"
                                                                 << "ÿvré"
                                                                 << "ŸVRÉ";
        QTest::newRow("µ and ß have none") << "SaisieVille"
                                           << "µß"
                                           << "µß";
        QTest::newRow("date, digits unchanged") << "SaisieDateCreation"
                                                << "12/05/2000"
                                                << "12/05/2000";
        QTest::newRow("activité, no rule") << "SaisieActivite"
                                           << "dév"
                                           << "dév";
    }
    void caseRulesApplyToEveryTypedCharacter() {
        QFETCH(QString, field);
        QFETCH(QString, typed);
        QFETCH(QString, shown);
        const WindowFixture f;
        f.click(u"Pixelor");
        auto* edit = f.get<QLineEdit>(field);
        f.showTabOf(edit);
        typeKeys(edit, typed);
        QCOMPARE(edit->text(), shown);
    }

    void everyChainedFieldKeepsItsCaseRuleAndEnterMove_data() {
        QTest::addColumn<Field>("field");
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("shown");
        QTest::addColumn<Field>("next");
        for (const ChainedField& row : kChainedFields) {
            QTest::newRow(fieldName(row.field).toLatin1().constData())
                << row.field << utf8(row.typed) << utf8(row.shown) << row.next;
        }
    }
    void everyChainedFieldKeepsItsCaseRuleAndEnterMove() {
        QFETCH(Field, field);
        QFETCH(QString, typed);
        QFETCH(QString, shown);
        QFETCH(Field, next);
        const WindowFixture f;
        f.click(u"Pixelor");
        QWidget* edit = f.get(field);
        f.showTabOf(edit);
        edit->setFocus();
        typeKeys(edit, typed);
        QCOMPARE(f.text(field), shown);
        QTest::keyClick(edit, Qt::Key_Return);
        QVERIFY2(f.get(next)->hasFocus(), qPrintable(fieldName(next).toString()));
        QCOMPARE(f.text(field), shown); // Enter types nothing
    }
    void everyKeyRuleHasARowAbove() {
        QCOMPARE(std::size(kChainedFields), kKeyRules.size());
        for (const KeyRule& rule : kKeyRules) {
            const auto row = std::find_if(
                std::begin(kChainedFields), std::end(kChainedFields),
                [&rule](const ChainedField& chained) { return chained.field == rule.field; });
            QVERIFY2(row != std::end(kChainedFields), qPrintable(fieldName(rule.field).toString()));
        }
    }

    void wordStartsLooksAtTheEndOfTheTextNotTheCaret() {
        const WindowFixture f;
        f.click(u"Pixelor");
        auto* prenom = f.get<QLineEdit>(Field::SaisiePrenom);
        f.type(Field::SaisiePrenom, QStringLiteral("jean pierre"));
        prenom->setCursorPosition(5); // after the space
        typeKeys(prenom, QStringLiteral("x"));
        QCOMPARE(prenom->text(), QStringLiteral("Jean xPierre"));
        prenom->setText(QStringLiteral("Jean "));
        prenom->setCursorPosition(0);
        typeKeys(prenom, QStringLiteral("a"));
        QCOMPARE(prenom->text(), QStringLiteral("AJean "));
    }

    void firstCharacterOnlyWhileEmpty() {
        const WindowFixture f;
        f.click(u"Pixelor");
        f.type(Field::SaisieIndice, QStringLiteral("b"));
        QTest::keyClick(f.get(Field::SaisieIndice), Qt::Key_Backspace);
        typeKeys(f.get(Field::SaisieIndice), QStringLiteral("ter"));
        QCOMPARE(f.text(Field::SaisieIndice), QStringLiteral("Ter"));
        typeKeys(f.get(Field::SaisieIndice), QStringLiteral("x"));
        QCOMPARE(f.text(Field::SaisieIndice), QStringLiteral("Ter")); // full: refused
        QTest::keyClick(f.get(Field::SaisieIndice), Qt::Key_Backspace);
        f.get<QLineEdit>(Field::SaisieIndice)->setCursorPosition(0);
        typeKeys(f.get(Field::SaisieIndice), QStringLiteral("x"));
        QCOMPARE(f.text(Field::SaisieIndice), QStringLiteral("xTe"));
    }

    void enterWalksTheAuthorChain() {
        const WindowFixture f;
        f.click(u"Pixelor");
        f.tabs()->setCurrentIndex(1);
        const QList<Field> chain = {
            Field::SaisieNom,         Field::SaisiePrenom,  Field::SaisieNumero,
            Field::SaisieIndice,      Field::SaisieRue,     Field::SaisieCodePostal,
            Field::SaisieVille,       Field::SaisieTelDom,  Field::SaisieTelBur,
            Field::SaisieTelPortable, Field::SaisieEmail,   Field::SaisieWeb,
            Field::SaisieNaissance,   Field::SaisieActivite};
        QTRY_VERIFY(f.get(chain.front())->hasFocus());
        for (qsizetype i = 0; i + 1 < chain.size(); ++i) {
            QTest::keyClick(f.get(chain[i]), Qt::Key_Return);
            QVERIFY2(f.get(chain[i + 1])->hasFocus(),
                     qPrintable(fieldName(chain[i + 1]).toString()));
            QVERIFY(f.text(chain[i]).isEmpty());
        }
        QTest::keyClick(f.get(Field::SaisieActivite), Qt::Key_Return);
        QVERIFY(f.get(Field::SaisieActivite)->hasFocus()); // the chain ends here
    }

    void enterWalksTheProgrammeChainIntoTheDescription() {
        const WindowFixture f;
        f.click(u"Zorvane");
        f.tabs()->setCurrentIndex(2);
        const QList<Field> chain = {Field::SaisieLogiciel,       Field::SaisieVersion,
                                    Field::SaisieDateCreation,   Field::SaisieLangage,
                                    Field::SaisieVersionLangage, Field::SaisieDescription};
        QTRY_VERIFY(f.get(chain.front())->hasFocus());
        for (qsizetype i = 0; i + 1 < chain.size(); ++i) {
            QTest::keyClick(f.get(chain[i]), Qt::Key_Enter);
            QVERIFY(f.get(chain[i + 1])->hasFocus());
        }
        typeKeys(f.get(Field::SaisieDescription), QStringLiteral("un"));
        QTest::keyClick(f.get(Field::SaisieDescription), Qt::Key_Return);
        typeKeys(f.get(Field::SaisieDescription), QStringLiteral("deux"));
        QCOMPARE(f.text(Field::SaisieDescription), QStringLiteral("un\ndeux"));
    }

    void typingStopsAtTheLimit_data() {
        QTest::addColumn<QString>("field");
        QTest::addColumn<int>("limit");
        QTest::newRow("numéro") << "SaisieNumero" << 3;
        QTest::newRow("code postal") << "SaisieCodePostal" << 5;
        QTest::newRow("naissance") << "SaisieNaissance" << 4;
        QTest::newRow("date") << "SaisieDateCreation" << 10;
        QTest::newRow("tél. portable") << "SaisieTelPortable" << 14;
        QTest::newRow("rétribution") << "SaisieRetribution" << 5;
        QTest::newRow("web") << "SaisieWeb" << 80;
        QTest::newRow("description") << "SaisieDescription" << 228;
        QTest::newRow("limitations") << "Limitations" << 251;
        QTest::newRow("autres services") << "AutresServices" << 171;
    }
    void typingStopsAtTheLimit() {
        QFETCH(QString, field);
        QFETCH(int, limit);
        const WindowFixture f;
        f.click(u"Pixelor");
        f.window->form().setOn(Field::LimitationsOui, true);
        f.window->form().setOn(Field::LicenceAutres, true);
        QWidget* widget = f.get(field);
        f.showTabOf(widget);
        typeKeys(widget, QString(limit + 3, u'7'));
        QCOMPARE(f.text(fieldNamed(field)), QString(limit, u'7'));
    }

    void aLineBreakCountsAsOneCharacter() {
        const WindowFixture f;
        f.click(u"Pixelor");
        f.window->form().setOn(Field::LicenceAutres, true);
        QWidget* services = f.get(Field::AutresServices);
        f.showTabOf(services);
        typeKeys(services, QString(169, u'a'));
        QTest::keyClick(services, Qt::Key_Return);
        typeKeys(services, QStringLiteral("bc"));
        QCOMPARE(f.text(Field::AutresServices), QString(169, u'a') + QStringLiteral("\nb"));
    }

    void pastingIsCutToTheLimitAndFiltered() {
        const WindowFixture f;
        f.click(u"Pixelor");
        auto* postcode = f.get<QLineEdit>(Field::SaisieCodePostal);
        f.showTabOf(postcode);
        typeKeys(postcode, QStringLiteral("21"));
        postcode->setCursorPosition(1);
        pasteInto(postcode, QStringLiteral("0000000"));
        QCOMPARE(postcode->text(), QStringLiteral("20001"));

        auto* ville = f.get<QLineEdit>(Field::SaisieVille);
        pasteInto(ville, QStringLiteral("Łódź € Œuf\tx"));
        QCOMPARE(ville->text(), QStringLiteral("ód € Œufx")); // Ł, ź and the tab have no code

        auto* description = f.get<QPlainTextEdit>(Field::SaisieDescription);
        f.showTabOf(description);
        description->setFocus();
        pasteInto(description, QStringLiteral("un\r\ndeux ✓") + QString(300, u'z'));
        const QString pasted = f.text(Field::SaisieDescription);
        QCOMPARE(pasted.size(), 228);
        QVERIFY(pasted.startsWith(QStringLiteral("un\ndeux z")));
    }

    void unencodableKeysAreRefused() {
        const WindowFixture f;
        f.click(u"Pixelor");
        auto* nom = f.get<QLineEdit>(Field::SaisieNom);
        f.showTabOf(nom);
        typeKeys(nom, QStringLiteral("a"));
        QKeyEvent greek(QEvent::KeyPress, Qt::Key_unknown, Qt::NoModifier, QStringLiteral("λ"));
        QApplication::sendEvent(nom, &greek);
        QKeyEvent euro(QEvent::KeyPress, Qt::Key_unknown, Qt::NoModifier, QStringLiteral("€"));
        QApplication::sendEvent(nom, &euro);
        QCOMPARE(nom->text(), QStringLiteral("A€"));
        auto* limitations = f.get<QPlainTextEdit>(Field::Limitations);
        f.window->form().setOn(Field::LimitationsOui, true);
        QApplication::sendEvent(limitations, &greek);
        QApplication::sendEvent(limitations, &euro);
        QCOMPARE(f.text(Field::Limitations), QStringLiteral("€"));
    }

    void textSetByTheProgramIsNeverCut() {
        const WindowFixture f;
        f.click(u"Pixelor");
        const QString longName(40, u'N');
        f.window->form().setText(Field::SaisieNom, longName);
        QCOMPARE(f.text(Field::SaisieNom), longName);
        const QString longDescription(300, u'd');
        f.window->form().setText(Field::SaisieDescription, longDescription);
        QCOMPARE(f.text(Field::SaisieDescription), longDescription);
        // Typing cannot make it longer, but deleting works.
        auto* nom = f.get<QLineEdit>(Field::SaisieNom);
        f.showTabOf(nom);
        nom->end(false);
        typeKeys(nom, QStringLiteral("x"));
        QCOMPARE(nom->text(), longName);
        QTest::keyClick(nom, Qt::Key_Backspace);
        QCOMPARE(nom->text().size(), 39);
    }

    void typedTextKeepsOnlyWhatTheFileCanHold_data() {
        QTest::addColumn<QString>("field");
        QTest::addColumn<int>("entry");
        QTest::addColumn<QStringList>("pieces");
        QTest::addColumn<QString>("shown");
        const QStringList invisible = {QStringLiteral("a"),
                                       QStringLiteral("\u200C"),
                                       QStringLiteral("b\u200E"),
                                       QStringLiteral("\u200F"),
                                       QStringLiteral("c\u200Bd"),
                                       QStringLiteral("\U0001F600"),
                                       QStringLiteral("e\U0001F44D\U0001F3FD")};
        for (const Entry entry : {Entry::Keys, Entry::InputMethod}) {
            const char* how = entry == Entry::Keys ? "keys" : "input method";
            const int e = static_cast<int>(entry);
            QTest::addRow("description, format characters and emoji, %s", how)
                << "SaisieDescription" << e << invisible << "abcde";
            QTest::addRow("nom, format characters and emoji, %s", how)
                << "SaisieNom" << e << invisible << "ABCDE";
            QTest::addRow("activité, format characters and emoji, %s", how)
                << "SaisieActivite" << e << invisible << "abcde";
            QTest::addRow("nom, a ligature takes its letters and the case rule, %s", how)
                << "SaisieNom" << e << QStringList{QStringLiteral("\uFB01n")} << "FIN";
            QTest::addRow("ville, a decomposed accent, %s", how)
                << "SaisieVille" << e << QStringList{QStringLiteral("e\u0301vry")} << "ÉVRY";
            QTest::addRow("limitations, full-width letters, %s", how)
                << "Limitations" << e << QStringList{QStringLiteral("\uFF21\uFF42c")} << "Abc";
        }
        QTest::newRow("prénom, the case rule on each committed character")
            << "SaisiePrenom" << static_cast<int>(Entry::InputMethod)
            << QStringList{QStringLiteral("jean pierre")} << "Jean Pierre";
    }
    void typedTextKeepsOnlyWhatTheFileCanHold() {
        QFETCH(QString, field);
        QFETCH(int, entry);
        QFETCH(QStringList, pieces);
        QFETCH(QString, shown);
        const WindowFixture f;
        f.click(u"Pixelor");
        f.window->form().setOn(Field::LimitationsOui, true);
        QWidget* widget = f.get(field);
        f.showTabOf(widget);
        enter(widget, static_cast<Entry>(entry), pieces);
        QCOMPARE(f.text(fieldNamed(field)), shown);
    }

    // Refused characters take no room: the limit counts what the field keeps.
    void refusedCharactersDoNotCountTowardsTheLimit_data() {
        QTest::addColumn<int>("entry");
        QTest::newRow("keys") << static_cast<int>(Entry::Keys);
        QTest::newRow("input method") << static_cast<int>(Entry::InputMethod);
    }
    void refusedCharactersDoNotCountTowardsTheLimit() {
        QFETCH(int, entry);
        const WindowFixture f;
        f.click(u"Pixelor");
        QWidget* description = f.get(Field::SaisieDescription);
        f.showTabOf(description);
        const QStringList pieces = {QStringLiteral("x"), QStringLiteral("\u200C"),
                                    QStringLiteral("\U0001F600")};
        for (int i = 0; i < 300; ++i) {
            enter(description, static_cast<Entry>(entry), pieces);
        }
        QCOMPARE(f.text(Field::SaisieDescription), QString(228, u'x'));
    }

    // Qt would pad the text with spaces to reach a replacement past its end.
    void anInputMethodReplacesOnlyWithinTheText_data() {
        QTest::addColumn<QString>("field");
        QTest::addColumn<QString>("shown");
        QTest::newRow("no rule") << "SaisieActivite"
                                 << "abx";
        QTest::newRow("case rule") << "SaisieNom"
                                   << "ABX";
        QTest::newRow("multi-line") << "SaisieDescription"
                                    << "abx";
    }
    void anInputMethodReplacesOnlyWithinTheText() {
        QFETCH(QString, field);
        QFETCH(QString, shown);
        const WindowFixture f;
        f.click(u"Pixelor");
        QWidget* widget = f.get(field);
        f.showTabOf(widget);
        enter(widget, Entry::InputMethod, {QStringLiteral("ab")});
        QInputMethodEvent past;
        past.setCommitString(QStringLiteral("x"), 3, 2);
        QApplication::sendEvent(widget, &past);
        QCOMPARE(f.text(fieldNamed(field)), shown);
    }

    void pastedAndDroppedTextIsComposed_data() {
        QTest::addColumn<QString>("field");
        QTest::addColumn<bool>("drop");
        QTest::addColumn<QString>("inserted");
        QTest::addColumn<QString>("shown");
        for (const char* field : {"SaisieActivite", "SaisieDescription"}) {
            for (const bool drop : {false, true}) {
                const char* how = drop ? "dropped" : "pasted";
                QTest::addRow("%s, decomposed accents, %s", field, how)
                    << field << drop << QStringLiteral("He\u0301le\u0300ne Noe\u0308l")
                    << "Hélène Noël";
                QTest::addRow("%s, a ligature, %s", field, how)
                    << field << drop << QStringLiteral("\uFB01chier") << "fichier";
                QTest::addRow("%s, a narrow no-break space, %s", field, how)
                    << field << drop << QStringLiteral("Quoi\u202F?") << "Quoi ?";
            }
        }
        QTest::newRow("numéro, the limit counts composed characters")
            << "SaisieNumero" << false << QStringLiteral("e\u0301e\u0301e\u0301e\u0301") << "ééé";
    }
    void pastedAndDroppedTextIsComposed() {
        QFETCH(QString, field);
        QFETCH(bool, drop);
        QFETCH(QString, inserted);
        QFETCH(QString, shown);
        const WindowFixture f;
        f.click(u"Pixelor");
        QWidget* widget = f.get(field);
        f.showTabOf(widget);
        widget->setFocus();
        if (drop) {
            dropInto(widget, inserted);
        } else {
            pasteInto(widget, inserted);
        }
        QCOMPARE(f.text(fieldNamed(field)), shown);
    }

    void noBreakSpacesSurviveInMultiLineFields() {
        const WindowFixture f;
        f.click(u"Pixelor");
        const QString text = QStringLiteral("a\u00A0b\nc ");
        f.window->form().setText(Field::SaisieDescription, text);
        QCOMPARE(f.text(Field::SaisieDescription), text);
    }
};

QTEST_MAIN(TypingTest)
#include "tst_typing.moc"
