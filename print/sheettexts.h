#pragma once

#include <QStringView>

namespace scribel::print {

struct PostalAddress {
    QStringView street;
    QStringView postcodeAndTown;
};

// Where every magazine's authors' service receives the sheets. A made-up address.
inline constexpr PostalAddress kPublisherAddress = {u"27, rue des Rotatives",
                                                    u"99150 MORVEL-SUR-PRESSE"};

} // namespace scribel::print
