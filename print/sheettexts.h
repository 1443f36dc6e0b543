#pragma once

#include "sheet/magazine.h"

#include <QStringView>

namespace scribel::print {

// The texts of the page that depend on the magazine. With no magazine they are empty
// and their lines' spaces stay empty.
struct MagazineTexts {
    QStringView title;
    QStringView certificationClosing;
    QStringView serviceLine;
};

inline constexpr MagazineTexts kPixelorTexts = {
    u"FICHE LOGICIEL PXR",
    u"forme que ce soit, selon les règles du Shareware.",
    u"Morvel Presse - Service Auteurs PXR",
};

inline constexpr MagazineTexts kZorvaneTexts = {
    u"FICHE LOGICIEL FREEWARE",
    u"forme que ce soit, selon les règles du Freeware.",
    u"Morvel Presse - Service Auteurs ZORVANE",
};

inline constexpr MagazineTexts kNoMagazineTexts = {};

constexpr const MagazineTexts& magazineTexts(Magazine magazine) {
    switch (magazine) {
    case Magazine::Pixelor:
        return kPixelorTexts;
    case Magazine::Zorvane:
        return kZorvaneTexts;
    case Magazine::None:
        break;
    }
    return kNoMagazineTexts;
}

struct PostalAddress {
    QStringView street;
    QStringView postcodeAndTown;
};

// Where both magazines' authors' service receives the sheets. A made-up address.
inline constexpr PostalAddress kPublisherAddress = {u"27, rue des Rotatives",
                                                    u"99150 MORVEL-SUR-PRESSE"};

} // namespace scribel::print
