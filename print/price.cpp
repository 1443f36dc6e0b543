#include "price.h"

#include "platform/core/regional.h"

#include <algorithm>

namespace scribel::print {

namespace {

bool isDigits(QStringView text) {
    return !text.isEmpty() &&
           std::all_of(text.begin(), text.end(), [](QChar c) { return c.isDigit(); });
}

// Digits, or digits, the separator and digits: the only forms a price takes.
bool isPlainDecimal(const QString& text, const QLocale& locale) {
    const QString separator = locale.decimalPoint();
    const qsizetype at = text.indexOf(separator);
    if (at < 0) {
        return isDigits(text);
    }
    const QStringView view(text);
    return (at == 0 || isDigits(view.left(at))) && isDigits(view.mid(at + separator.size()));
}

} // namespace

std::optional<double> eurosForFrancs(const QString& francsText, const QLocale& locale) {
    // Spaces around the price are no part of it, as the regional reading has them.
    const QString price = francsText.trimmed();
    if (!isPlainDecimal(price, locale)) {
        return std::nullopt;
    }
    const std::optional<double> francs = regional::readDecimal(price, locale);
    if (!francs) {
        return std::nullopt;
    }
    return *francs / kFrancsPerEuro;
}

} // namespace scribel::print
