#include "app/fields/keyrules.h"
#include "app/fields/sheetlineedit.h"
#include "support/windowfixture.h"

#include <QAbstractScrollArea>
#include <QApplication>
#include <QClipboard>
#include <QMenu>
#include <QMimeData>
#include <cstring>

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

// A drop as the window sees one: the drag enters the field, moves, and is dropped; with
// Shift, the drag offers to move the text. Returns what the drop tells the drag source.
Qt::DropAction dropInto(QWidget* widget, const QString& text,
                        Qt::KeyboardModifiers modifiers = Qt::NoModifier) {
    auto* area = qobject_cast<QAbstractScrollArea*>(widget);
    QWidget* target = area != nullptr ? area->viewport() : widget;
    const QPoint centre = target->rect().center();
    const Qt::DropActions actions = Qt::CopyAction | Qt::MoveAction;
    QMimeData data;
    data.setText(text);
    QDragEnterEvent enter(centre, actions, &data, Qt::LeftButton, modifiers);
    QApplication::sendEvent(target, &enter);
    QDragMoveEvent move(centre, actions, &data, Qt::LeftButton, modifiers);
    QApplication::sendEvent(target, &move);
    QDropEvent drop(QPointF(centre), actions, &data, Qt::LeftButton, modifiers);
    QApplication::sendEvent(target, &drop);
    return drop.isAccepted() ? drop.dropAction() : Qt::IgnoreAction;
}

// Paste, chosen in the field's own context menu.
void pasteFromMenu(QWidget* widget, const QString& text) {
    QApplication::clipboard()->setText(text);
    auto* area = qobject_cast<QAbstractScrollArea*>(widget);
    QWidget* target = area != nullptr ? area->viewport() : widget;
    QContextMenuEvent request(QContextMenuEvent::Keyboard, target->rect().center(),
                              target->mapToGlobal(target->rect().center()));
    QApplication::sendEvent(target, &request);
    auto* menu = qobject_cast<QMenu*>(QApplication::activePopupWidget());
    QVERIFY(menu != nullptr);
    const QList<QAction*> actions = menu->actions();
    for (QAction* action : actions) {
        if (action->text().startsWith(u"&Paste")) {
            action->trigger();
        }
    }
    menu->close();
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

enum class Entry { Keys, InputMethod, Paste, Drop };

// Inserts each piece as the author would: one key press, one input method commit, one
// paste or one drop.
void enter(QWidget* widget, Entry entry, const QStringList& pieces) {
    widget->setFocus();
    for (const QString& piece : pieces) {
        switch (entry) {
        case Entry::Keys:
            pressKeyWithText(widget, piece);
            break;
        case Entry::InputMethod:
            commitFromInputMethod(widget, piece);
            break;
        case Entry::Paste:
            pasteInto(widget, piece);
            break;
        case Entry::Drop:
            dropInto(widget, piece);
            break;
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
        auto* edit = f.shown<QLineEdit>(field);
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
        QWidget* widget = f.shown(field);
        typeKeys(widget, QString(limit + 3, u'7'));
        QCOMPARE(f.text(fieldNamed(field)), QString(limit, u'7'));
    }

    void aLineBreakCountsAsOneCharacter() {
        const WindowFixture f;
        f.click(u"Pixelor");
        f.window->form().setOn(Field::LicenceAutres, true);
        QWidget* services = f.shown(Field::AutresServices);
        typeKeys(services, QString(169, u'a'));
        QTest::keyClick(services, Qt::Key_Return);
        typeKeys(services, QStringLiteral("bc"));
        QCOMPARE(f.text(Field::AutresServices), QString(169, u'a') + QStringLiteral("\nb"));
    }

    void pastingIsCutToTheLimitAndFiltered() {
        const WindowFixture f;
        f.click(u"Pixelor");
        auto* postcode = f.shown<QLineEdit>(Field::SaisieCodePostal);
        typeKeys(postcode, QStringLiteral("21"));
        postcode->setCursorPosition(1);
        pasteInto(postcode, QStringLiteral("0000000"));
        QCOMPARE(postcode->text(), QStringLiteral("20001"));

        auto* ville = f.get<QLineEdit>(Field::SaisieVille);
        pasteInto(ville, QStringLiteral("Łódź € Œuf\tx"));
        QCOMPARE(ville->text(), QStringLiteral("ód € Œufx")); // Ł, ź and the tab have no code

        auto* description = f.shown<QPlainTextEdit>(Field::SaisieDescription);
        description->setFocus();
        pasteInto(description, QStringLiteral("un\r\ndeux ✓") + QString(300, u'z'));
        const QString pasted = f.text(Field::SaisieDescription);
        QCOMPARE(pasted.size(), 228);
        QVERIFY(pasted.startsWith(QStringLiteral("un\ndeux z")));
    }

    void unencodableKeysAreRefused() {
        const WindowFixture f;
        f.click(u"Pixelor");
        auto* nom = f.shown<QLineEdit>(Field::SaisieNom);
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
        auto* nom = f.shown<QLineEdit>(Field::SaisieNom);
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
        QWidget* widget = f.shown(field);
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
        QWidget* description = f.shown(Field::SaisieDescription);
        const QStringList pieces = {QStringLiteral("x"), QStringLiteral("\u200C"),
                                    QStringLiteral("\U0001F600")};
        for (int i = 0; i < 300; ++i) {
            enter(description, static_cast<Entry>(entry), pieces);
        }
        QCOMPARE(f.text(Field::SaisieDescription), QString(228, u'x'));
    }

    // Qt would pad the text with spaces to reach a replacement past its end; a commit the
    // rule refuses replaces nothing.
    void anInputMethodReplacesOnlyWhatItCommits_data() {
        QTest::addColumn<QString>("field");
        QTest::addColumn<QString>("commit");
        QTest::addColumn<int>("start");
        QTest::addColumn<int>("length");
        QTest::addColumn<QString>("shown");
        const QString emoji = QStringLiteral("\U0001F600");
        for (const char* field : {"SaisieActivite", "SaisieNom", "SaisieDescription"}) {
            const bool capitals = std::strcmp(field, "SaisieNom") == 0;
            const auto cased = [capitals](const char* text) {
                return capitals ? QString::fromLatin1(text).toUpper() : QString::fromLatin1(text);
            };
            QTest::addRow("%s, past the end", field) << field << "x" << 3 << 2 << cased("abcdefx");
            QTest::addRow("%s, the last three", field) << field << "x" << -3 << 3 << cased("abcx");
            QTest::addRow("%s, refused, the last three", field)
                << field << emoji << -3 << 3 << cased("abcdef");
            QTest::addRow("%s, refused, around the caret", field)
                << field << QStringLiteral("\u200B") << -1 << 1 << cased("abcdef");
        }
    }
    void anInputMethodReplacesOnlyWhatItCommits() {
        QFETCH(QString, field);
        QFETCH(QString, commit);
        QFETCH(int, start);
        QFETCH(int, length);
        QFETCH(QString, shown);
        const WindowFixture f;
        f.click(u"Pixelor");
        QWidget* widget = f.shown(field);
        enter(widget, Entry::InputMethod, {QStringLiteral("abcdef")});
        QInputMethodEvent replacing;
        replacing.setCommitString(commit, start, length);
        QApplication::sendEvent(widget, &replacing);
        QCOMPARE(f.text(fieldNamed(field)), shown);
    }

    // Whole or nothing: a character with all of its compatibility form or not at all, a
    // combining mark composed with the letter before it or refused; on one line, a run of
    // line breaks is one space. `before` is set by the program, the caret after it.
    void anInsertionGoesInWholeOrNotAtAll_data() {
        QTest::addColumn<QString>("field");
        QTest::addColumn<QString>("before");
        QTest::addColumn<int>("entry");
        QTest::addColumn<QString>("inserted");
        QTest::addColumn<QString>("shown");
        const auto row = [](const char* name, const char* field, QStringView before, Entry entry,
                            QStringView inserted, QStringView shown) {
            QTest::newRow(name) << field << before.toString() << static_cast<int>(entry)
                                << inserted.toString() << shown.toString();
        };
        const QString nearlyFull(227, u'd');
        row("numéro, ff typed, one place left", "SaisieNumero", u"ab", Entry::Keys, u"\uFB00",
            u"ab");
        row("numéro, kg committed, one place left", "SaisieNumero", u"ab", Entry::InputMethod,
            u"\u338F", u"ab");
        row("numéro, (1) pasted, one place left", "SaisieNumero", u"ab", Entry::Paste, u"\u2474",
            u"ab");
        row("numéro, ff dropped ends the insertion", "SaisieNumero", u"a", Entry::Drop, u"x\uFB00y",
            u"ax");
        row("description, ff pasted, one place left", "SaisieDescription", nearlyFull, Entry::Paste,
            u"\uFB00", nearlyFull);
        row("description, fi typed, two places left", "SaisieDescription", nearlyFull.left(226),
            Entry::Keys, u"\uFB01", nearlyFull.left(226) + QStringLiteral("fi"));
        row("activité, an accent typed after its letter", "SaisieActivite", u"caf", Entry::Keys,
            u"e", u"cafe");
        row("activité, then the accent", "SaisieActivite", u"cafe", Entry::Keys, u"\u0301",
            u"café");
        row("nom, the accent on a capital, committed", "SaisieNom", u"E", Entry::InputMethod,
            u"\u0301", u"É");
        row("numéro, full, the accent takes no room", "SaisieNumero", u"abe", Entry::Keys,
            u"\u0301", u"abé");
        row("description, the accent typed", "SaisieDescription", u"e", Entry::Keys, u"\u0301",
            u"é");
        row("description, the accent pasted", "SaisieDescription", u"e", Entry::Paste, u"\u0301b",
            u"éb");
        row("activité, an accent the letter cannot take", "SaisieActivite", u"x", Entry::Keys,
            u"\u0301", u"x");
        row("description, an accent after a line break", "SaisieDescription", u"a\n", Entry::Keys,
            u"\u0301", u"a\n");
        row("activité, a pasted line break", "SaisieActivite", u"", Entry::Paste, u"ligne1\nligne2",
            u"ligne1 ligne2");
        row("nom, a dropped run of CR LF", "SaisieNom", u"", Entry::Drop, u"un\r\n\r\ndeux",
            u"un deux");
        row("activité, a committed CR", "SaisieActivite", u"", Entry::InputMethod, u"a\rb", u"a b");
        row("description keeps its line breaks", "SaisieDescription", u"", Entry::Paste,
            u"a\r\n\nb", u"a\n\nb");
    }
    void anInsertionGoesInWholeOrNotAtAll() {
        QFETCH(QString, field);
        QFETCH(QString, before);
        QFETCH(int, entry);
        QFETCH(QString, inserted);
        QFETCH(QString, shown);
        const WindowFixture f;
        f.click(u"Pixelor");
        QWidget* widget = f.shown(field);
        f.window->form().setText(fieldNamed(field), before);
        widget->setFocus();
        QTest::keyClick(widget, Qt::Key_End, Qt::ControlModifier);
        enter(widget, static_cast<Entry>(entry), {inserted});
        QCOMPARE(f.text(fieldNamed(field)), shown);
    }

    // Dragged with a move, what the field cannot take whole stays with the drag's source:
    // the drop answers a copy, or no drop at all when nothing goes in.
    void aMoveTheFieldCannotTakeWholeIsACopy_data() {
        QTest::addColumn<QString>("field");
        QTest::addColumn<QString>("dragged");
        QTest::addColumn<QString>("shown");
        QTest::addColumn<Qt::DropAction>("answer");
        const QString description = QStringLiteral("Un jeu de plateau à deux joueurs, en couleurs");
        QTest::newRow("40 characters onto logiciel, 25")
            << "SaisieLogiciel" << description.left(40) << description.left(25) << Qt::CopyAction;
        QTest::newRow("10 characters onto logiciel")
            << "SaisieLogiciel" << description.left(10) << description.left(10) << Qt::MoveAction;
        QTest::newRow("an emoji among them")
            << "SaisieActivite" << QStringLiteral("ab\U0001F600") << "ab" << Qt::CopyAction;
        QTest::newRow("nothing to take")
            << "SaisieActivite" << QStringLiteral("\U0001F600") << "" << Qt::IgnoreAction;
        QTest::newRow("300 characters onto the description, 228")
            << "SaisieDescription" << QString(300, u'z') << QString(228, u'z') << Qt::CopyAction;
        QTest::newRow("a ligature onto the description")
            << "SaisieDescription" << QStringLiteral("\uFB01n") << "fin" << Qt::MoveAction;
        QTest::newRow("nothing to take in the description")
            << "SaisieDescription" << QStringLiteral("\u200B") << "" << Qt::IgnoreAction;
    }
    void aMoveTheFieldCannotTakeWholeIsACopy() {
        QFETCH(QString, field);
        QFETCH(QString, dragged);
        QFETCH(QString, shown);
        QFETCH(Qt::DropAction, answer);
        const WindowFixture f;
        f.click(u"Pixelor");
        QWidget* widget = f.shown(field);
        QCOMPARE(dropInto(widget, dragged, Qt::ShiftModifier), answer);
        QCOMPARE(f.text(fieldNamed(field)), shown);
    }

    // Qt places a drag's caret by the text as shown, a composition included, then drops
    // the composition; Backspace must find the caret within the text.
    void aDragOverAComposingFieldLeavesTheCaretInTheText() {
        QWidget parent;
        parent.resize(400, 200);
        auto* field = new SheetLineEdit(25, &parent);
        parent.show();
        pressKeyWithText(field, QStringLiteral("ab"));
        QInputMethodEvent composing(QStringLiteral("cdefghijkl"), {});
        QApplication::sendEvent(field, &composing);
        QMimeData data;
        data.setText(QStringLiteral("z"));
        QDragEnterEvent enter(field->rect().center(), Qt::CopyAction, &data, Qt::LeftButton,
                              Qt::NoModifier);
        QApplication::sendEvent(field, &enter);
        QTest::keyClick(field, Qt::Key_Backspace);
        QCOMPARE(field->text(), QStringLiteral("a"));
    }

    // As in Qt's own line edit: a run of typing, a paste or a drop is one step, however
    // the rule changed what went in; a refused insertion leaves the history alone.
    void undoAndRedoGoStepByStep_data() {
        QTest::addColumn<QString>("field");
        QTest::addColumn<int>("entry");
        QTest::addColumn<QStringList>("steps");
        const QStringList plain = utf8List({"ab", "abfi", "abficd"});
        const QStringList capitals = utf8List({"AB", "ABfi", "ABfiCD"});
        QTest::newRow("activité, pasted") << "SaisieActivite" << int(Entry::Paste) << plain;
        QTest::newRow("activité, dropped") << "SaisieActivite" << int(Entry::Drop) << plain;
        QTest::newRow("nom, pasted") << "SaisieNom" << int(Entry::Paste) << capitals;
        QTest::newRow("nom, from the menu") << "SaisieNom" << -1 << capitals;
        QTest::newRow("description, pasted") << "SaisieDescription" << int(Entry::Paste) << plain;
        QTest::newRow("description, dropped") << "SaisieDescription" << int(Entry::Drop) << plain;
        QTest::newRow("description, from the menu") << "SaisieDescription" << -1 << plain;
    }
    void undoAndRedoGoStepByStep() {
        QFETCH(QString, field);
        QFETCH(int, entry);
        QFETCH(QStringList, steps);
        const WindowFixture f;
        f.click(u"Pixelor");
        QWidget* widget = f.shown(field);
        widget->setFocus();
        const auto insert = [&](const QString& text) {
            if (entry < 0) {
                pasteFromMenu(widget, text);
            } else {
                enter(widget, static_cast<Entry>(entry), {text});
            }
        };
        const auto shown = [&] {
            return f.text(fieldNamed(field));
        };
        typeKeys(widget, QStringLiteral("ab"));
        insert(QStringLiteral("\uFB01")); // the ligature goes in as "fi"
        typeKeys(widget, QStringLiteral("cd"));
        QCOMPARE(shown(), steps[2]);
        QTest::keySequence(widget, QKeySequence::Undo);
        QCOMPARE(shown(), steps[1]);
        QTest::keySequence(widget, QKeySequence::Undo);
        QCOMPARE(shown(), steps[0]);
        QTest::keySequence(widget, QKeySequence::Undo);
        QCOMPARE(shown(), QString());
        insert(QStringLiteral("\U0001F600")); // refused
        QCOMPARE(shown(), QString());
        for (const QString& step : steps) {
            QTest::keySequence(widget, QKeySequence::Redo);
            QCOMPARE(shown(), step);
        }
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
        QWidget* widget = f.shown(field);
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
