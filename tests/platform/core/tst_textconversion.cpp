// The text conversions: the Windows-1252 code page, every byte both ways against Qt's own
// codec, and its capitals; every line break the system or a pasted text may bring, read as
// the one break the sheet knows: LF; numbers and dates in the user's regional settings.

#include "platform/core/linebreaks.h"
#include "platform/core/regional.h"
#include "platform/core/windows1252.h"
#include "support/helpers.h"

#include <QStringDecoder>
#include <QStringEncoder>

using namespace scribel;
using scribel::test::addColumns;
using scribel::test::fetch;
using namespace Qt::Literals::StringLiterals;

namespace {
const QLocale kFrench(QLocale::French, QLocale::France);
const QLocale kEnglish(QLocale::English, QLocale::UnitedStates);
} // namespace

class TestTextConversion : public QObject {
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
    // Qt's own codec is the independent reference: every byte reads as it does, and every
    // UTF-16 code unit encodes to the byte it gives, or to none where it refuses it.
    void codePageAgreesWithQtsCodec() {
        for (int byte = 0; byte < 256; ++byte) {
            const char raw = static_cast<char>(byte);
            QStringDecoder decoder("windows-1252");
            const QString expected = decoder(QByteArrayView(&raw, 1));
            QVERIFY(!decoder.hasError());
            QCOMPARE(cp1252::toUnicode(static_cast<unsigned char>(byte)), expected.front());
        }
        for (int code = 0; code < 0x10000; ++code) {
            const char16_t unit = static_cast<char16_t>(code);
            if (QChar::isSurrogate(unit)) {
                continue;
            }
            QStringEncoder encoder("windows-1252");
            const QByteArray expected = encoder(QStringView(&unit, 1));
            const std::optional<unsigned char> byte = cp1252::fromUnicode(QChar(unit));
            QVERIFY2(byte.has_value() != encoder.hasError(), qPrintable(QString::number(code, 16)));
            if (byte) {
                QCOMPARE(static_cast<char>(*byte), expected.front());
            }
        }
    }
    void upperCaseFollowsTheCodePage_data() {
        addColumns<QChar, QChar>("typed", "upper");
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
        const auto [typed, upper] = fetch<QChar, QChar>("typed", "upper");
        QCOMPARE(cp1252::toUpper(typed), upper);
    }
    void readsEveryBreakAsLF_data() {
        addColumns<QString, QString>("text", "read");
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
        const auto [text, read] = fetch<QString, QString>("text", "read");
        QCOMPARE(scribel::normaliseLineBreaks(text), read);
    }

    void hashDotHash_data() {
        addColumns<QLocale, double, QString>("locale", "value", "text");
        QTest::newRow("two decimals") << kFrench << 15.2449 << u"15,24"_s;
        QTest::newRow("rounded up") << kFrench << 22.867 << u"22,87"_s;
        QTest::newRow("trailing zero dropped") << kFrench << 15.2 << u"15,2"_s;
        QTest::newRow("whole number keeps the separator") << kFrench << 15.0 << u"15,"_s;
        QTest::newRow("below one") << kFrench << 0.762 << u",76"_s;
        QTest::newRow("zero") << kFrench << 0.0 << u","_s;
        QTest::newRow("rounds to zero") << kFrench << 0.004 << u","_s;
        QTest::newRow("no group separator") << kFrench << 12345.678 << u"12345,68"_s;
        QTest::newRow("negative") << kFrench << -0.762 << u"-,76"_s;
        QTest::newRow("negative rounding to zero has no sign") << kFrench << -0.004 << u","_s;
        QTest::newRow("zeros of the whole part kept") << kFrench << 100.0 << u"100,"_s;
        QTest::newRow("English point") << kEnglish << 15.2449 << u"15.24"_s;
    }
    void hashDotHash() {
        const auto [locale, value, text] =
            fetch<QLocale, double, QString>("locale", "value", "text");
        QCOMPARE(regional::formatHashDotHash(value, locale), text);
    }

    void readDecimal_data() {
        addColumns<QLocale, QString, bool, double>("locale", "text", "readable", "value");
        QTest::newRow("whole") << kFrench << u"100"_s << true << 100.0;
        QTest::newRow("French comma") << kFrench << u"99,5"_s << true << 99.5;
        QTest::newRow("point in French") << kFrench << u"99.5"_s << false << 0.0;
        QTest::newRow("English point") << kEnglish << u"99.5"_s << true << 99.5;
        QTest::newRow("comma in English") << kEnglish << u"99,5"_s << false << 0.0;
        QTest::newRow("letters") << kFrench << u"abc"_s << false << 0.0;
        QTest::newRow("spaces only") << kFrench << u"  "_s << false << 0.0;
        QTest::newRow("infinite") << kEnglish << u"inf"_s << false << 0.0;
        QTest::newRow("not a number") << kEnglish << u"nan"_s << false << 0.0;
    }
    void readDecimal() {
        const auto [locale, text, readable, value] =
            fetch<QLocale, QString, bool, double>("locale", "text", "readable", "value");
        const std::optional<double> read = regional::readDecimal(text, locale);
        QCOMPARE(read.has_value(), readable);
        if (read) {
            QCOMPARE(*read, value);
        }
    }

    void shortDate_data() {
        addColumns<QLocale, QString>("locale", "text");
        QTest::newRow("French") << kFrench << u"07/12/2026"_s;
        QTest::newRow("English") << kEnglish << u"12/7/26"_s;
    }
    void shortDate() {
        const auto [locale, text] = fetch<QLocale, QString>("locale", "text");
        QCOMPARE(regional::shortDate(QDate(2026, 12, 7), locale), text);
    }
};

QTEST_GUILESS_MAIN(TestTextConversion)
#include "tst_textconversion.moc"
