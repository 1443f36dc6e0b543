// The widget layer's small units: the page's fonts, the twips geometry of the tab control's
// pages, the form over plain Qt widgets.

#include "platform/core/twips.h"
#include "platform/widgets/pagerenderer.h"
#include "platform/widgets/twipsgeometry.h"
#include "platform/widgets/widgetform.h"
#include "support/helpers.h"

#include <QButtonGroup>
#include <QLabel>
#include <QPlainTextEdit>
#include <QRadioButton>
#include <QStackedWidget>

using namespace scribel;
using scribel::test::addColumns;
using scribel::test::fetch;
using namespace Qt::Literals::StringLiterals;

Q_DECLARE_METATYPE(scribel::PrintStyle)

class TestWidgetHelpers : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void eachStyleHasItsFont_data() {
        addColumns<PrintStyle, double, bool, bool>("style", "points", "bold", "italic");
        QTest::newRow("opening") << PrintStyle::Opening << 10.0 << false << false;
        QTest::newRow("title") << PrintStyle::Title << 22.0 << true << true;
        QTest::newRow("heading") << PrintStyle::Heading << 13.0 << true << false;
        QTest::newRow("body") << PrintStyle::Body << 8.0 << false << false;
        QTest::newRow("emphasis") << PrintStyle::Emphasis << 8.0 << true << false;
    }
    void eachStyleHasItsFont() {
        const auto [style, points, bold, italic] =
            fetch<PrintStyle, double, bool, bool>("style", "points", "bold", "italic");
        const QFont font = printFont(style);
        QCOMPARE(font.family(), u"Arial"_s);
        QCOMPARE(font.pointSizeF(), points);
        QCOMPARE(font.bold(), bold);
        QCOMPARE(font.italic(), italic);
    }
    // A page's control stands where its twips say from the tab control's corner, whatever
    // moves the pages. Checked at once after each change, before any later event could mend
    // the place; a new font's strip is laid out from the event loop.
    void aPageControlFollowsThePages_data() {
        addColumns<QString>("change");
        QTest::newRow("shown") << u""_s;
        QTest::newRow("another look") << u"style"_s;
        QTest::newRow("a band kept free for the strip") << u"band"_s;
        QTest::newRow("a larger font") << u"font"_s;
    }
    void aPageControlFollowsThePages() {
        const auto [change] = fetch<QString>("change");
        QWidget window;
        window.resize(600, 400);
        auto* tabs = new TwipsTabWidget(&window);
        setTwipsGeometry(*tabs, QRectF(0, 0, 8000, 5000));
        auto* page = new QWidget;
        tabs->addTab(page, u"Auteur"_s);
        auto* control = new QLabel(u"Nom"_s, page);
        setTwipsGeometry(*control, QRectF(1440, 720, 1440, 300));
        window.show();
        const QPoint before = tabs->pageOffset();
        if (change == u"style") {
            tabs->setStyleSheet(
                u"QTabBar::tab { padding: 20px; } QTabWidget::pane { border: 9px solid; }"_s);
        } else if (change == u"band") {
            tabs->setStripBand(0);
        } else if (change == u"font") {
            tabs->setFont(QFont(tabs->font().family(), 30));
            QCoreApplication::processEvents();
        }
        if (change == u"style" || change == u"font") {
            QVERIFY(tabs->pageOffset() != before); // the change did move the pages
        }
        // Left free of any band, the strip may cover the top of the pages; with a band of
        // none, the controls go down by as much as Qt's own layout puts the pages lower.
        const int drop = change == u"band" ? tabs->findChild<QStackedWidget*>()->y() : 0;
        const double dpi = control->logicalDpiX();
        const QPoint expected(twipsToPixels(1440, dpi), twipsToPixels(720, dpi) + drop);
        QCOMPARE(control->mapTo(tabs, QPoint()), expected);
    }
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
        addColumns<bool>("grouped");
        QTest::newRow("in an exclusive group") << true;
        QTest::newRow("exclusive by itself") << false;
    }
    void optionTurnsOffAndStaysExclusive() {
        const auto [grouped] = fetch<bool>("grouped");
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

QTEST_MAIN(TestWidgetHelpers)
#include "tst_widgethelpers.moc"
