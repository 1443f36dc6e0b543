#include "app/keyrules.h"
#include "app/typingfilter.h"
#include "platform/windows1252.h"

#include <QTest>

using namespace scribel;

class RulesTest : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void everyByteSurvivesDecodingAndEncoding() {
        QByteArray all;
        for (int byte = 0; byte < 256; ++byte) {
            all.append(static_cast<char>(byte));
        }
        const QString text = cp1252::decode(all);
        QCOMPARE(text.size(), 256);
        QCOMPARE(text[0x80], QChar(0x20AC));
        QCOMPARE(text[0x9F], QChar(0x0178));
        QCOMPARE(text[0x81], QChar(0x0081));
        QCOMPARE(cp1252::encode(text), all);
        QVERIFY(!cp1252::isEncodable(QChar(0x0141))); // Ł
    }

    void upperCaseFollowsTheCodePage_data() {
        QTest::addColumn<QChar>("typed");
        QTest::addColumn<QChar>("upper");
        QTest::newRow("a") << QChar(u'a') << QChar(u'A');
        QTest::newRow("é") << QChar(u'é') << QChar(u'É');
        QTest::newRow("ÿ to Ÿ (0x9F)") << QChar(u'ÿ') << QChar(0x0178);
        QTest::newRow("œ") << QChar(0x0153) << QChar(0x0152);
        QTest::newRow("š") << QChar(0x0161) << QChar(0x0160);
        QTest::newRow("µ keeps its code") << QChar(0x00B5) << QChar(0x00B5);
        QTest::newRow("ß keeps its code") << QChar(u'ß') << QChar(u'ß');
        QTest::newRow("digit") << QChar(u'7') << QChar(u'7');
        QTest::newRow("backspace") << QChar(8) << QChar(8);
    }
    void upperCaseFollowsTheCodePage() {
        QFETCH(QChar, typed);
        QFETCH(QChar, upper);
        QCOMPARE(cp1252::toUpper(typed), upper);
    }

    void caseRules_data() {
        QTest::addColumn<int>("rule");
        QTest::addColumn<QString>("current");
        QTest::addColumn<QChar>("typed");
        QTest::addColumn<QChar>("inserted");
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
        row("none", CaseRule::None, "", u'x', u'x');
    }
    void caseRules() {
        QFETCH(int, rule);
        QFETCH(QString, current);
        QFETCH(QChar, typed);
        QFETCH(QChar, inserted);
        QCOMPARE(applyCaseRule(static_cast<CaseRule>(rule), typed, current), inserted);
    }

    void insertionsAreFilteredAndCut_data() {
        QTest::addColumn<QString>("inserted");
        QTest::addColumn<int>("kept");
        QTest::addColumn<int>("previous");
        QTest::addColumn<int>("limit");
        QTest::addColumn<bool>("multiLine");
        QTest::addColumn<QString>("admitted");
        QTest::newRow("fits") << "abc" << 2 << 2 << 5 << false << "abc";
        QTest::newRow("cut to the room left") << "abcdef" << 2 << 2 << 5 << false << "abc";
        QTest::newRow("full") << "a" << 5 << 5 << 5 << false << "";
        QTest::newRow("replacing a selection") << "xy" << 3 << 5 << 5 << false << "xy";
        QTest::newRow("over-long text may not grow") << "x" << 30 << 30 << 25 << false << "";
        QTest::newRow("over-long text may take back what it gave")
            << "xyz" << 27 << 30 << 25 << false << "xyz";
        QTest::newRow("a line break on one line is a space")
            << "a\nb" << 0 << 0 << 5 << false << "a b";
        QTest::newRow("CR LF is one break") << "a\r\nb" << 0 << 0 << 5 << true << "a\nb";
        QTest::newRow("controls refused") << "a\tb\x01" << 0 << 0 << 5 << true << "ab";
        QTest::newRow("no code") << "€Łx" << 0 << 0 << 5 << false << "€x";
        QTest::newRow("composed before the limit counts")
            << QStringLiteral("e\u0301e\u0300e\u0308") << 0 << 0 << 3 << false << "éèë";
        QTest::newRow("a ligature's letters count")
            << "\uFB01\uFB02" << 0 << 0 << 3 << false << "fi";
        QTest::newRow("narrow and thin spaces become spaces")
            << "a\u202F?\u2009!" << 0 << 0 << 9 << false << "a ? !";
        QTest::newRow("no-break space and soft hyphen have codes")
            << "a\u00A0b\u00AD" << 0 << 0 << 9 << true << "a\u00A0b\u00AD";
        QTest::newRow("full-width letters and mathematical ones")
            << QStringLiteral("\uFF21\uFF5A\U0001D400") << 0 << 0 << 9 << false << "AzA";
        QTest::newRow("format characters refused")
            << "a\u200Bb\u200Cc\u200Dd\u200Ee\u200Ff\uFEFF" << 0 << 0 << 9 << true << "abcdef";
        QTest::newRow("emoji and lone surrogates refused")
            << QStringLiteral("a\U0001F600b\U0001F44D\U0001F3FDc") + QChar(0xD800) + u'd' +
                   QChar(0xDC00)
            << 0 << 0 << 9 << true << "abcd";
        QTest::newRow("a compatibility form the code page lacks is refused")
            << "\u2153\u2011x" << 0 << 0 << 9 << false << "x"; // 1/3 with a fraction slash
        QTest::newRow("a line break with a mark composes nothing")
            << "a\u2028\u0301b" << 0 << 0 << 9 << true << "a\nb";
    }
    void insertionsAreFilteredAndCut() {
        QFETCH(QString, inserted);
        QFETCH(int, kept);
        QFETCH(int, previous);
        QFETCH(int, limit);
        QFETCH(bool, multiLine);
        QFETCH(QString, admitted);
        QCOMPARE(admitInsertion(inserted, QChar(), kept, previous, limit, multiLine).text,
                 admitted);
    }
};

QTEST_GUILESS_MAIN(RulesTest)
#include "tst_rules.moc"
