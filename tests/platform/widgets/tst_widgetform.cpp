// The form over plain Qt widgets: a text the program sets, an option it turns off.

#include "platform/widgets/widgetform.h"

#include <QButtonGroup>
#include <QPlainTextEdit>
#include <QRadioButton>
#include <QTest>

using namespace scribel;
using namespace Qt::Literals::StringLiterals;

class TestWidgetForm : public QObject {
    Q_OBJECT

private Q_SLOTS:
    // A loaded text leaves the author's own edits to it undoable.
    void editsAfterATextSetByProgramUndo() {
        QWidget root;
        for (const QStringView name : kFieldNames) {
            auto* area = new QPlainTextEdit(&root);
            area->setObjectName(name.toString());
        }
        WidgetForm form(root);
        form.setText(Field::SaisieDescription, u"chargé"_s);
        auto* area = qobject_cast<QPlainTextEdit*>(form.widget(Field::SaisieDescription));
        area->moveCursor(QTextCursor::End);
        QTest::keyClicks(area, u"x"_s);
        QCOMPARE(form.text(Field::SaisieDescription), u"chargéx"_s);
        QTest::keySequence(area, QKeySequence::Undo);
        QCOMPARE(form.text(Field::SaisieDescription), u"chargé"_s);
    }

    // Off even where it is exclusive, and exclusive again after.
    void optionTurnsOffAndStaysExclusive_data() {
        QTest::addColumn<bool>("grouped");
        QTest::newRow("in an exclusive group") << true;
        QTest::newRow("exclusive by itself") << false;
    }
    void optionTurnsOffAndStaysExclusive() {
        QFETCH(bool, grouped);
        QWidget box;
        auto* first = new QRadioButton(&box);
        auto* second = new QRadioButton(&box);
        if (grouped) {
            auto* group = new QButtonGroup(&box);
            group->addButton(first);
            group->addButton(second);
        }
        first->setChecked(true);
        uncheckOption(*first);
        QVERIFY(!first->isChecked());
        first->setChecked(true);
        second->setChecked(true);
        QVERIFY(!first->isChecked());
    }
};

QTEST_MAIN(TestWidgetForm)
#include "tst_widgetform.moc"
