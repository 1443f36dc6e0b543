// A control on a page of the tab control stands where its twips say, counted from the tab
// control's own corner, whatever moves the pages inside it.

#include "platform/core/twips.h"
#include "platform/widgets/twipsgeometry.h"

#include <QLabel>
#include <QStackedWidget>
#include <QTest>

using namespace scribel;
using namespace Qt::Literals::StringLiterals;

class TestTwipsGeometry : public QObject {
    Q_OBJECT

private Q_SLOTS:
    // Checked at once after each change, before any later event could mend the place; a
    // new font's strip is laid out from the event loop.
    void aPageControlFollowsThePages_data() {
        QTest::addColumn<QString>("change");
        QTest::newRow("shown") << u""_s;
        QTest::newRow("another look") << u"style"_s;
        QTest::newRow("a band kept free for the strip") << u"band"_s;
        QTest::newRow("a larger font") << u"font"_s;
    }
    void aPageControlFollowsThePages() {
        QFETCH(QString, change);
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
};

QTEST_MAIN(TestTwipsGeometry)
#include "tst_twipsgeometry.moc"
