// The single-line field: an input method's replacement, a moved drop, undo and redo, a
// drag over a composition.

#include "app/fields/sheetlineedit.h"
#include "fieldentry.h"

using namespace scribel;
using namespace scribel::test;
using namespace Qt::StringLiterals;

class TestSheetLineEdit : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void anInputMethodReplacesOnlyWhatItCommits_data() { inputMethodReplacementRows(false); }
    void anInputMethodReplacesOnlyWhatItCommits() { checkInputMethodReplacement(); }
    void aMoveTheFieldCannotTakeWholeIsACopy_data() { movedDropRows(false); }
    void aMoveTheFieldCannotTakeWholeIsACopy() { checkMovedDrop(); }
    void undoAndRedoGoStepByStep_data() { undoRows(false); }
    void undoAndRedoGoStepByStep() { checkUndoAndRedo(); }
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
};

QTEST_MAIN(TestSheetLineEdit)
#include "tst_sheetlineedit.moc"
