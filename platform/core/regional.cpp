#include "regional.h"

#include <cmath>

namespace scribel::regional {

std::optional<double> readDecimal(const QString& text, const QLocale& locale) {
    bool ok = false;
    const double value = locale.toDouble(text, &ok);
    // The locale also reads "inf" and "nan", which are no amount.
    if (!ok || !std::isfinite(value)) {
        return std::nullopt;
    }
    return value;
}

QString formatHashDotHash(double value, const QLocale& locale) {
    QLocale plain = locale;
    plain.setNumberOptions(QLocale::OmitGroupSeparator);
    // Rounding to two places first decides both the digits and the sign: -0.001 is ".".
    const QString rounded = plain.toString(std::abs(value), 'f', 2);
    const QString separator = plain.decimalPoint();
    const QString zero = plain.zeroDigit();

    const qsizetype at = rounded.lastIndexOf(separator);
    QString whole = rounded.left(at);
    QString decimals = rounded.mid(at + separator.size());
    while (decimals.endsWith(zero)) {
        decimals.chop(zero.size());
    }
    if (whole == zero) {
        whole.clear();
    }
    const bool isZero = whole.isEmpty() && decimals.isEmpty();
    const QString sign = value < 0 && !isZero ? plain.negativeSign() : QString();
    return sign + whole + separator + decimals;
}

QString shortDate(QDate date, const QLocale& locale) {
    return locale.toString(date, QLocale::ShortFormat);
}

} // namespace scribel::regional
