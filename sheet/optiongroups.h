#pragma once

#include "sheet/field.h"
#include "sheet/tableview.h"

#include <QStringView>

namespace scribel {

// One option of a group and what the page prints when it is chosen. An empty text is
// the release option whose caption names the magazine: it prints as the caption reads.
struct Option {
    Field field;
    QStringView printed;
};

// The options of one group in the order of their numbers in the sheet files (the first
// is number 1), which is also the order in which the page looks for the chosen one.
using OptionGroup = TableView<Option>;

inline constexpr Option kSoftwareLanguage[] = {
    {Field::LogFrancais, u"Français"},
    {Field::LogAnglais, u"Anglais"},
    {Field::LogAuChoix, u"Français/Anglais"},
};

inline constexpr Option kDocumentationLanguage[] = {
    {Field::DocFrancais, u"Français"},
    {Field::DocAnglais, u"Anglais"},
    {Field::DocAuChoix, u"Français/Anglais"},
};

inline constexpr Option kReleaseKind[] = {
    {Field::DiffuInedit, {}},
    {Field::DiffuNouveaute, u"Nouveauté"},
    {Field::DiffuMiseAjour, u"Mise à jour"},
    {Field::DiffuBeta, u"Version Béta"},
};

inline constexpr Option kLimitationAnswers[] = {
    {Field::LimitationsOui, u"OUI"},
    {Field::LimitationsNon, u"NON"},
};

inline constexpr Option kRunsFromCd[] = {
    {Field::CDoui, u"OUI"},
    {Field::CDnon, u"NON"},
};

inline constexpr Option kOperatingSystems[] = {
    {Field::DOS, u"DOS"},
    {Field::Windows3x, u"Windows3x"},
    {Field::Windows3xEtPlus, u"Windows3x et supérieur"},
    {Field::Windows95, u"Windows 95"},
    {Field::Windows98, u"Windows 98"},
    {Field::Windows9x, u"Windows9x"},
    {Field::Windows9xEtPlus, u"Windows9x et supérieur"},
    {Field::WindowsNT351, u"Windows NT 3.51"},
    {Field::WindowsNT40, u"Windows NT 4.0"},
    {Field::Linux, u"LINUX"},
};

// The named distribution modes, as the distribution line of a sheet file holds them and
// as the page prints them; any other text on that line is the "other" mode's name.
// "Assimilé", offered on some magazines' sheets, prints as its caption reads.
struct DistributionMode {
    Field option;
    QStringView fileValue;
    QStringView printed;
};

inline constexpr DistributionMode kDistributionModes[] = {
    {Field::Shareware, u"1", u"Shareware"},
    {Field::Freeware, u"2", u"Freeware"},
    {Field::DomainePublic, u"3", u"Domaine public"},
    {Field::Assimile, u"Assimilé", u"Assimilé"},
};

} // namespace scribel
