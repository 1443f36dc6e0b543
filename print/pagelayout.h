#pragma once

#include "platform/core/form.h"
#include "sheet/magazine.h"
#include "sheet/pageitem.h"

#include <QDate>
#include <QLocale>
#include <QString>
#include <variant>

namespace scribel::print {

// Why a sheet cannot be printed: the price is not empty and does not read as a number.
struct PriceNotANumber {
    QString text;
};

using PageLayout = std::variant<Page, PriceNotANumber>;

// The printed sheet as text items in millimetres, in print order, from the fields and
// ChoixMagazine. The regional settings read the price and write the euro amount and
// today's date. Reads only.
PageLayout layOutPage(const Form& form, Magazine magazine, const QLocale& locale, QDate today);

} // namespace scribel::print
