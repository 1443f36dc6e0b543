#pragma once

#include "sheet/field.h"

#include <QStringView>
#include <array>
#include <optional>
#include <vector>

namespace scribel {

// The window's size and the gap between the two magazine buttons, in twips.
inline constexpr double kWindowWidthTwips = 8235;
inline constexpr double kWindowHeightTwips = 4950;
inline constexpr double kMagazineButtonGapTwips = 480;

// Shown only for a magazine whose sheet carries a licence.
inline constexpr std::array kLicenceControls = {QStringView(u"Frame6"), QStringView(u"Label21"),
                                                QStringView(u"Label22"),
                                                fieldName(Field::SaisieRetribution)};

// Usable once a magazine is chosen.
inline constexpr std::array kStartTabButtons = {QStringView(u"Imprimer"),
                                                QStringView(u"Sauvegarder"),
                                                QStringView(u"Charger"), QStringView(u"RAZ")};

// Centred across the tab control when the window opens, as are the magazines' pictures.
inline constexpr std::array kCentredOnTabs = {QStringView(u"Afficheur"),
                                              QStringView(u"SupportMessage")};

// The start state of the sheet, tab by tab: what is emptied, unchosen and hidden.
struct StartStateRow {
    std::vector<Field> emptied;
    std::vector<Field> unchosen;
    std::vector<QStringView> hidden;
};

const std::vector<StartStateRow>& startState();

// What arriving on a tab does: where the focus goes (on the licence tab, where the
// magazine's profile says), and whether the window's own buttons stand in front (only over
// the start tab). The start tab gives the focus to the tab strip: Space on the button it
// would otherwise fall on may quit or clear the sheet.
struct TabArrival {
    std::optional<Field> focus;
    bool focusFromProfile;
    bool focusOnStrip;
    bool windowButtonsInFront;
};

inline constexpr std::array<TabArrival, 7> kTabArrivals = {{
    {std::nullopt, false, true, true},
    {Field::SaisieNom, false, false, false},
    {Field::SaisieLogiciel, false, false, false},
    {std::nullopt, false, false, false},
    {std::nullopt, true, false, false},
    {std::nullopt, false, false, false},
    {std::nullopt, false, false, false},
}};

// The distribution options stand alone on their tab: the page is their group.
inline constexpr int kDistributionTab = 3;
inline constexpr QStringView kDistributionGroupName = u"Mode de diffusion";

} // namespace scribel
