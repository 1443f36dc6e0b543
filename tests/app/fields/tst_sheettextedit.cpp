// The multi-line field: an input method's replacement, a moved drop, undo and redo, the
// no-break spaces it keeps.

#include "fieldentry.h"

using namespace scribel;
using namespace scribel::test;
using namespace Qt::StringLiterals;

class TestSheetTextEdit : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void anInputMethodReplacesOnlyWhatItCommits_data() { inputMethodReplacementRows(true); }
    void anInputMethodReplacesOnlyWhatItCommits() { checkInputMethodReplacement(); }
    void aMoveTheFieldCannotTakeWholeIsACopy_data() { movedDropRows(true); }
    void aMoveTheFieldCannotTakeWholeIsACopy() { checkMovedDrop(); }
    void undoAndRedoGoStepByStep_data() { undoRows(true); }
    void undoAndRedoGoStepByStep() { checkUndoAndRedo(); }
    void noBreakSpacesSurviveInMultiLineFields() {
        const WindowFixture f(u"Pixelor");
        const QString text = u"a\u00A0b\nc "_s;
        f.window->form().setText(Field::SaisieDescription, text);
        QCOMPARE(f.text(Field::SaisieDescription), text);
    }
};

QTEST_MAIN(TestSheetTextEdit)
#include "tst_sheettextedit.moc"
