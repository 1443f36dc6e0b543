#pragma once

#include <QLocale>
#include <QString>
#include <optional>

namespace scribel::print {

// Francs to one euro, fixed.
inline constexpr double kFrancsPerEuro = 6.55957;

// The euro amount of a price in francs typed in the regional number format; nothing when
// the text does not read as a number.
std::optional<double> eurosForFrancs(const QString& francsText, const QLocale& locale);

} // namespace scribel::print
