#pragma once

#include <QLocale>
#include <QString>
#include <optional>

namespace scribel::print {

// Francs to one euro, fixed.
inline constexpr double kFrancsPerEuro = 6.55957;

// The euro amount of a price in francs: digits, then at most one decimal separator of
// the regional settings followed by digits. Anything else (a sign, an exponent, "inf",
// a group separator, a separator with no digit after it) is no price, and gives nothing.
std::optional<double> eurosForFrancs(const QString& francsText, const QLocale& locale);

} // namespace scribel::print
