// The price in francs as the author types it, and its euro amount on the page.

#include "print/price.h"
#include "sheetfixtures.h"
#include "support/helpers.h"

#include <QTest>

using namespace Qt::Literals::StringLiterals;
using namespace scribel;
using namespace scribel::test;

class TestPrice : public QObject {
    Q_OBJECT

private Q_SLOTS:
    // A price is digits, with at most one regional decimal separator followed by digits;
    // an empty euro text means the print is refused.
    void priceForms_data() {
        const QLocale french(QLocale::French);
        const QLocale english(QLocale::English);
        addColumns<QLocale, QString, QString>("locale", "price", "euros");
        QTest::newRow("whole") << french << u"100"_s << u"15,24 Euros"_s;
        QTest::newRow("French decimals") << french << u"99,5"_s << u"15,17 Euros"_s;
        QTest::newRow("English decimals") << english << u"99.5"_s << u"15.17 Euros"_s;
        QTest::newRow("below one euro") << french << u"3"_s << u",46 Euros"_s;
        QTest::newRow("no digit before the separator") << french << u",5"_s << u",08 Euros"_s;
        QTest::newRow("spaces around") << french << u" 100 "_s << u"15,24 Euros"_s;
        QTest::newRow("only spaces") << french << u"   "_s << QString();
        QTest::newRow("letters") << french << u"abc"_s << QString();
        QTest::newRow("currency sign") << french << u"100 F"_s << QString();
        QTest::newRow("decimal point in French") << french << u"99.5"_s << QString();
        QTest::newRow("separator without decimals") << french << u"100,"_s << QString();
        QTest::newRow("two separators") << french << u"1,2,3"_s << QString();
        QTest::newRow("minus") << french << u"-5"_s << QString();
        QTest::newRow("plus") << french << u"+5"_s << QString();
        QTest::newRow("negative zero") << french << u"-0"_s << QString();
        QTest::newRow("exponent") << english << u"1e5"_s << QString();
        QTest::newRow("huge exponent") << english << u"1e308"_s << QString();
        QTest::newRow("tiny exponent") << english << u"1e-99"_s << QString();
        QTest::newRow("infinity") << english << u"inf"_s << QString();
        QTest::newRow("not a number") << english << u"nan"_s << QString();
        QTest::newRow("group separator") << english << u"1,000"_s << QString();
        QTest::newRow("French group separator") << french << u"1\u202F000"_s << QString();
    }
    void priceForms() {
        const auto [locale, price, euros] =
            fetch<QLocale, QString, QString>("locale", "price", "euros");
        MemoryForm form;
        form.setText(Field::SaisieRetribution, price);
        const auto layout = print::layOutPage(form, Magazine::Pixelor, locale, kToday);
        if (euros.isEmpty()) {
            QVERIFY(std::holds_alternative<print::PriceNotANumber>(layout));
            QCOMPARE(std::get<print::PriceNotANumber>(layout).text, price);
            // Zorvane prints no price, so nothing stops its page.
            QVERIFY(std::holds_alternative<Page>(
                print::layOutPage(form, Magazine::Zorvane, locale, kToday)));
        } else {
            QVERIFY(std::holds_alternative<Page>(layout));
            QCOMPARE(textAt(std::get<Page>(layout), 130, 32), euros);
        }
    }
};

QTEST_GUILESS_MAIN(TestPrice)
#include "tst_price.moc"
