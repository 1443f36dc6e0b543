// The page's fonts, style by style: Arial, its size, bold, and italic for the title only.

#include "platform/widgets/pagerenderer.h"
#include "support/helpers.h"

#include <QTest>

using namespace scribel;
using scribel::test::addColumns;
using scribel::test::fetch;
using namespace Qt::Literals::StringLiterals;

Q_DECLARE_METATYPE(scribel::PrintStyle)

class TestPageRenderer : public QObject {
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
};

QTEST_MAIN(TestPageRenderer)
#include "tst_pagerenderer.moc"
