#pragma once

#include "sheet/magazine.h"

#include <QStringView>

namespace scribel {

// What choosing a magazine changes in the window, one value per magazine.
struct MagazinePresentation {
    Magazine magazine;
    QStringView name;
    QStringView titleShown;
    QStringView titleHidden;
    bool sharewareShown;
    bool assimileShown;
    double domainePublicTop;
    double optionAutreTop; // SaisieDiffuAutre stands on the same row
    bool licenceShown;     // Frame6, Label21, Label22 and SaisieRetribution
    QStringView ineditCaption;
};

inline constexpr MagazinePresentation kPixelorPresentation = {
    Magazine::Pixelor, u"Pixelor", u"TitrePixelor", u"TitreZorvane", true, false, 2160, 2640, true,
    u"Inédit Pixelor"};

inline constexpr MagazinePresentation kZorvanePresentation = {
    Magazine::Zorvane, u"Zorvane", u"TitreZorvane", u"TitrePixelor", false, true, 2640, 3120, false,
    u"Inédit Zorvane"};

} // namespace scribel
