// Numbers and dates in the user's regional settings.

#include "platform/core/regional.h"
#include "support/helpers.h"

#include <QTest>

using namespace Qt::Literals::StringLiterals;

namespace scribel::test {

namespace {
const QLocale kFrench(QLocale::French, QLocale::France);
const QLocale kEnglish(QLocale::English, QLocale::UnitedStates);
} // namespace

class RegionalTest : public QObject {
    Q_OBJECT
private Q_SLOTS:
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

} // namespace scribel::test

QTEST_GUILESS_MAIN(scribel::test::RegionalTest)
#include "tst_regional.moc"
