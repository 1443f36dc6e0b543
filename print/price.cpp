#include "price.h"

#include "platform/regional.h"

namespace scribel::print {

std::optional<double> eurosForFrancs(const QString& francsText, const QLocale& locale) {
    const std::optional<double> francs = regional::readDecimal(francsText, locale);
    if (!francs) {
        return std::nullopt;
    }
    return *francs / kFrancsPerEuro;
}

} // namespace scribel::print
