#pragma once

#include <QDate>
#include <QLocale>
#include <QString>
#include <optional>

namespace scribel::regional {

// A decimal number as written in the user's regional settings (decimal separator,
// group separators); nothing when the text is not a finite number.
std::optional<double> readDecimal(const QString& text, const QLocale& locale);

// The number pattern "#.##": at most two decimals, rounded, trailing zeros dropped; no
// digit before the separator when the amount is below 1; the separator always written.
// 15.2449 gives "15.24", 15.2 gives "15.2", 15 gives "15.", 0.5 gives ".5".
QString formatHashDotHash(double value, const QLocale& locale);

// The date in the regional short date form.
QString shortDate(QDate date, const QLocale& locale);

} // namespace scribel::regional
