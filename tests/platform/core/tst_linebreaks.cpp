// Every line break the system or a pasted text may bring, read as the one break the
// sheet knows: LF.

#include "platform/core/linebreaks.h"
#include "support/helpers.h"

#include <QTest>

using namespace Qt::Literals::StringLiterals;

class TestLineBreaks : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void readsEveryBreakAsLF_data() {
        scribel::test::addColumns<QString, QString>("text", "read");
        QTest::newRow("empty") << QString() << QString();
        QTest::newRow("no break") << u"abc"_s << u"abc"_s;
        QTest::newRow("LF kept") << u"a\nb"_s << u"a\nb"_s;
        QTest::newRow("CR LF") << u"a\r\nb"_s << u"a\nb"_s;
        QTest::newRow("CR LF at the end") << u"a\r\n"_s << u"a\n"_s;
        QTest::newRow("CR LF alone") << u"\r\n"_s << u"\n"_s;
        QTest::newRow("lone CR") << u"a\rb"_s << u"a\nb"_s;
        QTest::newRow("CR at the end") << u"a\r"_s << u"a\n"_s;
        QTest::newRow("CR CR LF") << u"a\r\r\nb"_s << u"a\n\nb"_s;
        QTest::newRow("LF CR") << u"a\n\rb"_s << u"a\n\nb"_s;
        QTest::newRow("paragraph separator") << u"a\u2029b"_s << u"a\nb"_s;
        QTest::newRow("line separator") << u"a\u2028b"_s << u"a\nb"_s;
    }
    void readsEveryBreakAsLF() {
        const auto [text, read] = scribel::test::fetch<QString, QString>("text", "read");
        QCOMPARE(scribel::normaliseLineBreaks(text), read);
    }
};

QTEST_GUILESS_MAIN(TestLineBreaks)
#include "tst_linebreaks.moc"
