// The Windows-1252 code page: every byte both ways, against Qt's own codec, and its
// capitals.

#include "platform/core/windows1252.h"
#include "support/helpers.h"

#include <QStringDecoder>
#include <QStringEncoder>
#include <QTest>

using namespace scribel;

class TestWindows1252 : public QObject {
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
        scribel::test::addColumns<QChar, QChar>("typed", "upper");
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
        const auto [typed, upper] = scribel::test::fetch<QChar, QChar>("typed", "upper");
        QCOMPARE(cp1252::toUpper(typed), upper);
    }
};

QTEST_GUILESS_MAIN(TestWindows1252)
#include "tst_windows1252.moc"
