// The single-line and multi-line fields: an input method's replacement, a moved drop, undo
// and redo, a drag over a composition, the no-break spaces they keep.

#include "app/fields/sheetlineedit.h"
#include "fieldentry.h"

using namespace scribel;
using namespace scribel::test;
using namespace Qt::StringLiterals;

class TestSheetEdits : public QObject {
    Q_OBJECT

private Q_SLOTS:
    // Qt would pad the text with spaces to reach a replacement past its end; a commit the
    // rule refuses replaces nothing.
    void anInputMethodReplacesOnlyWhatItCommits_data() {
        addColumns<QString, QString, int, int, QString>("field", "commit", "start", "length",
                                                        "shown");
        for (const char* field : {"SaisieActivite", "SaisieNom", "SaisieDescription"}) {
            const bool capitals = qstrcmp(field, "SaisieNom") == 0;
            const auto cased = [capitals](const char* text) {
                return capitals ? QString::fromLatin1(text).toUpper() : QString::fromLatin1(text);
            };
            QTest::addRow("%s, past the end", field) << field << "x" << 3 << 2 << cased("abcdefx");
            QTest::addRow("%s, the last three", field) << field << "x" << -3 << 3 << cased("abcx");
            QTest::addRow("%s, refused, the last three", field)
                << field << u"\U0001F600"_s << -3 << 3 << cased("abcdef");
            QTest::addRow("%s, refused, around the caret", field)
                << field << u"\u200B"_s << -1 << 1 << cased("abcdef");
            // The mark joins the character before what it replaces, which it then replaces too.
            QTest::addRow("%s, a mark over the last", field)
                << field << u"\u0301"_s << -1 << 1
                << (capitals ? u"ABCD\u00C9"_s : u"abcd\u00E9"_s);
        }
    }
    void anInputMethodReplacesOnlyWhatItCommits() {
        const auto [field, commit, start, length, shown] =
            fetch<QString, QString, int, int, QString>("field", "commit", "start", "length",
                                                       "shown");
        const WindowFixture f(u"Pixelor");
        QWidget* widget = f.shown(field);
        enter(widget, Entry::InputMethod, {u"abcdef"_s});
        QInputMethodEvent replacing;
        replacing.setCommitString(commit, start, length);
        QApplication::sendEvent(widget, &replacing);
        QCOMPARE(f.text(field), shown);
    }

    // Dragged with a move, what the field cannot take whole stays with the drag's source:
    // the drop answers a copy, or no drop at all when nothing goes in.
    void aMoveTheFieldCannotTakeWholeIsACopy_data() {
        addColumns<QString, QString, QString, Qt::DropAction>("field", "dragged", "shown",
                                                              "answer");
        const QString description = u"Un jeu de plateau à deux joueurs, en couleurs"_s;
        QTest::newRow("40 characters onto logiciel, 25")
            << "SaisieLogiciel" << description.left(40) << description.left(25) << Qt::CopyAction;
        QTest::newRow("10 characters onto logiciel")
            << "SaisieLogiciel" << description.left(10) << description.left(10) << Qt::MoveAction;
        QTest::newRow("an emoji among them")
            << "SaisieActivite" << u"ab\U0001F600"_s << "ab" << Qt::CopyAction;
        QTest::newRow("nothing to take")
            << "SaisieActivite" << u"\U0001F600"_s << "" << Qt::IgnoreAction;
        QTest::newRow("300 characters onto the description, 228")
            << "SaisieDescription" << QString(300, u'z') << QString(228, u'z') << Qt::CopyAction;
        QTest::newRow("a ligature onto the description")
            << "SaisieDescription" << u"\uFB01n"_s << "fin" << Qt::MoveAction;
        QTest::newRow("nothing to take in the description")
            << "SaisieDescription" << u"\u200B"_s << "" << Qt::IgnoreAction;
    }
    void aMoveTheFieldCannotTakeWholeIsACopy() {
        const auto [field, dragged, shown, answer] =
            fetch<QString, QString, QString, Qt::DropAction>("field", "dragged", "shown", "answer");
        const WindowFixture f(u"Pixelor");
        QWidget* widget = f.shown(field);
        QCOMPARE(dropInto(widget, dragged, Qt::ShiftModifier), answer);
        QCOMPARE(f.text(field), shown);
    }

    // As in Qt's own line edit: a run of typing, a paste or a drop is one step, however
    // the rule changed what went in; a refused insertion leaves the history alone.
    void undoAndRedoGoStepByStep_data() {
        // entry: -1: Paste from the field's menu
        addColumns<QString, int, QStringList>("field", "entry", "steps");
        const QStringList plain = utf8List({"ab", "abfi", "abficd", "abficdfi"});
        const QStringList capitals = utf8List({"AB", "ABfi", "ABfiCD", "ABfiCDfi"});
        QTest::newRow("activité, pasted") << "SaisieActivite" << int(Entry::Paste) << plain;
        QTest::newRow("activité, dropped") << "SaisieActivite" << int(Entry::Drop) << plain;
        QTest::newRow("nom, pasted") << "SaisieNom" << int(Entry::Paste) << capitals;
        QTest::newRow("nom, from the menu") << "SaisieNom" << -1 << capitals;
        QTest::newRow("description, pasted") << "SaisieDescription" << int(Entry::Paste) << plain;
        QTest::newRow("description, dropped") << "SaisieDescription" << int(Entry::Drop) << plain;
        QTest::newRow("description, from the menu") << "SaisieDescription" << -1 << plain;
    }
    void undoAndRedoGoStepByStep() {
        const auto [field, entry, steps] =
            fetch<QString, int, QStringList>("field", "entry", "steps");
        const WindowFixture f(u"Pixelor");
        QWidget* widget = f.shown(field);
        widget->setFocus();
        const auto insert = [widget, how = entry](const QString& text) {
            if (how < 0) {
                pasteFromMenu(widget, text);
            } else {
                enter(widget, static_cast<Entry>(how), {text});
            }
        };
        typeKeys(widget, u"ab"_s);
        insert(u"\uFB01"_s);       // the ligature goes in as "fi"
        typeKeys(widget, u"cd"_s); // a step of its own, which ends before the next insertion
        insert(u"\uFB01"_s);
        QCOMPARE(f.text(field), steps.last());
        for (qsizetype step = steps.size() - 2; step >= -1; --step) {
            QTest::keySequence(widget, QKeySequence::Undo);
            QCOMPARE(f.text(field), step >= 0 ? steps[step] : QString());
        }
        insert(u"\U0001F600"_s); // refused
        QCOMPARE(f.text(field), QString());
        for (const QString& step : steps) {
            QTest::keySequence(widget, QKeySequence::Redo);
            QCOMPARE(f.text(field), step);
        }
    }
    // Qt places a drag's caret by the text as shown, a composition included, then drops
    // the composition; Backspace must find the caret within the text.
    void aDragOverAComposingFieldLeavesTheCaretInTheText() {
        QWidget parent;
        parent.resize(400, 200);
        auto* field = new SheetLineEdit(25, &parent);
        parent.show();
        pressKeyWithText(field, u"ab"_s);
        QInputMethodEvent composing(u"cdefghijkl"_s, {});
        QApplication::sendEvent(field, &composing);
        QMimeData data;
        data.setText(u"z"_s);
        QDragEnterEvent enter(field->rect().center(), Qt::CopyAction, &data, Qt::LeftButton,
                              Qt::NoModifier);
        QApplication::sendEvent(field, &enter);
        QTest::keyClick(field, Qt::Key_Backspace);
        QCOMPARE(field->text(), u"a"_s);
    }
    // Qt may ask with the caret inside what changed: all that differs is then checked.
    void aChangeIsCheckedWholeWhereverTheCaretStands() {
        SheetLineEdit field(25, nullptr);
        field.setText(u"ab"_s);
        QString changed = u"a\u0001b"_s;
        int caret = 1;
        QCOMPARE(field.validator()->validate(changed, caret), QValidator::Invalid);
    }
    // A composition shows in the field, alone or after a commit, also in a field that
    // turns what is typed into capitals.
    void aCompositionIsShown_data() {
        addColumns<QString, QString>("field", "commit");
        QTest::newRow("alone") << u"SaisieActivite"_s << u""_s;
        QTest::newRow("after a commit, capitals") << u"SaisieNom"_s << u"x"_s;
    }
    void aCompositionIsShown() {
        const auto [field, commit] = fetch<QString, QString>("field", "commit");
        const WindowFixture f(u"Pixelor");
        QWidget* edit = f.shown(field);
        const auto caretAfter = [edit, &committed = commit](const QString& composition) {
            QInputMethodEvent event(composition, {});
            event.setCommitString(committed);
            QApplication::sendEvent(edit, &event);
            return edit->inputMethodQuery(Qt::ImCursorRectangle).toRect().left();
        };
        const int withoutComposition = caretAfter(QString());
        QVERIFY(caretAfter(u"wwww"_s) >
                withoutComposition + edit->fontMetrics().horizontalAdvance(commit.toUpper()));
    }
    void noBreakSpacesSurviveInMultiLineFields() {
        const WindowFixture f(u"Pixelor");
        const QString text = u"a\u00A0b\nc "_s;
        f.window->form().setText(Field::SaisieDescription, text);
        QCOMPARE(f.text(Field::SaisieDescription), text);
    }
};

QTEST_MAIN(TestSheetEdits)
#include "tst_sheetedits.moc"
