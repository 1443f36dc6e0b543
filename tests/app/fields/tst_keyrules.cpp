// The key rules through the real window: each field's case rule on what is typed, and
// where Enter moves the focus.

#include "app/fields/keyrules.h"
#include "support/windowfixture.h"

using namespace scribel;
using namespace scribel::test;
using namespace Qt::StringLiterals;

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

} // namespace

class TestKeyRules : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void caseRules_data() {
        addColumns<int, QString, QChar, QChar>("rule", "current", "typed", "inserted");
        const auto row = [](const char* name, CaseRule rule, const char* current, char16_t typed,
                            char16_t inserted) {
            QTest::newRow(name) << static_cast<int>(rule) << QString::fromUtf8(current)
                                << QChar(typed) << QChar(inserted);
        };
        row("always", CaseRule::Always, "AB", u'c', u'C');
        row("first, empty", CaseRule::FirstCharacter, "", u'b', u'B');
        row("first, not empty", CaseRule::FirstCharacter, "B", u'i', u'i');
        row("words, empty", CaseRule::WordStarts, "", u'j', u'J');
        row("words, after a space", CaseRule::WordStarts, "Jean ", u'p', u'P');
        row("words, after a hyphen", CaseRule::WordStarts, "Jean-", u'p', u'p');
        row("words, mid-word", CaseRule::WordStarts, "Je", u'a', u'a');
        row("first, after a space", CaseRule::FirstCharacter, " ", u'b', u'b');
        row("none", CaseRule::None, "", u'x', u'x');
    }
    void caseRules() {
        const auto [rule, current, typed, inserted] =
            fetch<int, QString, QChar, QChar>("rule", "current", "typed", "inserted");
        QCOMPARE(applyCaseRule(static_cast<CaseRule>(rule), typed, current), inserted);
    }

    void caseRulesApplyToEveryTypedCharacter_data() {
        addColumns<QString, QString, QString>("field", "typed", "shown");
        QTest::newRow("accents, always") << u"SaisieNom"_s << u"dupont é"_s << u"DUPONT É"_s;
        QTest::newRow("a hyphen is no word break")
            << u"SaisiePrenom"_s << u"jean-pierre"_s << u"Jean-pierre"_s;
        QTest::newRow("indice, first character") << u"SaisieIndice"_s << u"bis"_s << u"Bis"_s;
        QTest::newRow("ville: ÿ has a capital in the code page")
            << u"SaisieVille"_s << u"ÿvré"_s << u"ŸVRÉ"_s;
        QTest::newRow("µ and ß have none") << u"SaisieVille"_s << u"µß"_s << u"µß"_s;
        QTest::newRow("date, digits unchanged")
            << u"SaisieDateCreation"_s << u"12/05/2000"_s << u"12/05/2000"_s;
        QTest::newRow("activité, no rule") << u"SaisieActivite"_s << u"dév"_s << u"dév"_s;
    }
    void caseRulesApplyToEveryTypedCharacter() {
        const auto [field, typed, shown] =
            fetch<QString, QString, QString>("field", "typed", "shown");
        const WindowFixture f(u"Pixelor");
        auto* edit = f.shown<QLineEdit>(field);
        typeKeys(edit, typed);
        QCOMPARE(edit->text(), shown);
    }
    void everyChainedFieldKeepsItsCaseRuleAndEnterMove_data() {
        addColumns<Field, QString, QString, Field>("field", "typed", "shown", "next");
        for (const ChainedField& row : kChainedFields) {
            QTest::newRow(fieldName(row.field).toLatin1().constData())
                << row.field << utf8(row.typed) << utf8(row.shown) << row.next;
        }
    }
    void everyChainedFieldKeepsItsCaseRuleAndEnterMove() {
        const auto [field, typed, shown, next] =
            fetch<Field, QString, QString, Field>("field", "typed", "shown", "next");
        const WindowFixture f(u"Pixelor");
        QWidget* edit = f.shown(field);
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
        const WindowFixture f(u"Pixelor");
        auto* prenom = f.get<QLineEdit>(Field::SaisiePrenom);
        f.type(Field::SaisiePrenom, u"jean pierre"_s);
        prenom->setCursorPosition(5); // after the space
        typeKeys(prenom, u"x"_s);
        QCOMPARE(prenom->text(), u"Jean xPierre"_s);
        prenom->setText(u"Jean "_s);
        prenom->setCursorPosition(0);
        typeKeys(prenom, u"a"_s);
        QCOMPARE(prenom->text(), u"AJean "_s);
    }
    void firstCharacterOnlyWhileEmpty() {
        const WindowFixture f(u"Pixelor");
        f.type(Field::SaisieIndice, u"b"_s);
        QTest::keyClick(f.get(Field::SaisieIndice), Qt::Key_Backspace);
        typeKeys(f.get(Field::SaisieIndice), u"ter"_s);
        QCOMPARE(f.text(Field::SaisieIndice), u"Ter"_s);
        typeKeys(f.get(Field::SaisieIndice), u"x"_s);
        QCOMPARE(f.text(Field::SaisieIndice), u"Ter"_s); // full: refused
        QTest::keyClick(f.get(Field::SaisieIndice), Qt::Key_Backspace);
        f.get<QLineEdit>(Field::SaisieIndice)->setCursorPosition(0);
        typeKeys(f.get(Field::SaisieIndice), u"x"_s);
        QCOMPARE(f.text(Field::SaisieIndice), u"xTe"_s);
    }
    void enterWalksTheAuthorChain() {
        const WindowFixture f(u"Pixelor");
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
        const WindowFixture f(u"Zorvane");
        f.tabs()->setCurrentIndex(2);
        const QList<Field> chain = {Field::SaisieLogiciel,       Field::SaisieVersion,
                                    Field::SaisieDateCreation,   Field::SaisieLangage,
                                    Field::SaisieVersionLangage, Field::SaisieDescription};
        QTRY_VERIFY(f.get(chain.front())->hasFocus());
        // The keypad's Enter, as the keypad sends it, does what Return does.
        for (qsizetype i = 0; i + 1 < chain.size(); ++i) {
            QTest::keyClick(f.get(chain[i]), Qt::Key_Enter, Qt::KeypadModifier);
            QVERIFY(f.get(chain[i + 1])->hasFocus());
        }
        typeKeys(f.get(Field::SaisieDescription), u"un"_s);
        QTest::keyClick(f.get(Field::SaisieDescription), Qt::Key_Enter, Qt::KeypadModifier);
        typeKeys(f.get(Field::SaisieDescription), u"deux"_s);
        QCOMPARE(f.text(Field::SaisieDescription), u"un\ndeux"_s);
    }
};

QTEST_MAIN(TestKeyRules)
#include "tst_keyrules.moc"
