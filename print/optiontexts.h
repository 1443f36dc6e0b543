#pragma once

#include "platform/core/form.h"
#include "sheet/field.h"

#include <QString>
#include <QStringView>
#include <array>

namespace scribel::print {

// What the page prints for an option or a ticked box.
struct OptionText {
    Field option;
    QStringView text;
};

// The text of the first chosen option in the table's order; empty when none is chosen.
template <std::size_t N>
QString chosenText(const Form& form, const std::array<OptionText, N>& options) {
    for (const OptionText& option : options) {
        if (form.isOn(option.option)) {
            return option.text.toString();
        }
    }
    return {};
}

inline constexpr QStringView kYes = u"OUI";

inline constexpr std::array kSoftwareLanguage = {
    OptionText{Field::LogFrancais, u"Français"},
    OptionText{Field::LogAnglais, u"Anglais"},
    OptionText{Field::LogAuChoix, u"Français/Anglais"},
};

inline constexpr std::array kDocumentationLanguage = {
    OptionText{Field::DocFrancais, u"Français"},
    OptionText{Field::DocAnglais, u"Anglais"},
    OptionText{Field::DocAuChoix, u"Français/Anglais"},
};

// The first option reads as its caption does on screen: a Zorvane sheet prints
// "Inédit Zorvane" (see programmeDiffusion()).
inline constexpr std::array kProgrammeDiffusion = {
    OptionText{Field::DiffuInedit, u"Inédit Pixelor"},
    OptionText{Field::DiffuNouveaute, u"Nouveauté"},
    OptionText{Field::DiffuMiseAjour, u"Mise à jour"},
    OptionText{Field::DiffuBeta, u"Version Béta"},
};

inline constexpr std::array kLimitations = {
    OptionText{Field::LimitationsOui, kYes},
    OptionText{Field::LimitationsNon, u"NON"},
};

inline constexpr std::array kRunsFromCd = {
    OptionText{Field::CDoui, u"OUI"},
    OptionText{Field::CDnon, u"NON"},
};

// "Assimilé", offered on Zorvane sheets, prints as its caption reads.
inline constexpr std::array kDistributionKind = {
    OptionText{Field::Shareware, u"Shareware"},
    OptionText{Field::Freeware, u"Freeware"},
    OptionText{Field::DomainePublic, u"Domaine public"},
    OptionText{Field::Assimile, u"Assimilé"},
};

// Every ticked box prints a line of its own, in this order.
inline constexpr std::array kServices = {
    OptionText{Field::LicenceSources, u"Programmes sources"},
    OptionText{Field::LicenceVersionGratos, u"Nouvelle version gratuite"},
    OptionText{Field::LicenceManuel, u"Manuel imprimé"},
    OptionText{Field::LicenceReduc, u"Réduction sur d'autres programmes"},
    OptionText{Field::LicenceCourrier, u"Assistance par courrier"},
    OptionText{Field::LicenceTel, u"Assistance téléphonique"},
    OptionText{Field::LicenceBBS, u"BBS"},
};

inline constexpr std::array kOperatingSystems = {
    OptionText{Field::DOS, u"DOS"},
    OptionText{Field::Windows3x, u"Windows3x"},
    OptionText{Field::Windows3xEtPlus, u"Windows3x et supérieur"},
    OptionText{Field::Windows95, u"Windows 95"},
    OptionText{Field::Windows98, u"Windows 98"},
    OptionText{Field::Windows9x, u"Windows9x"},
    OptionText{Field::Windows9xEtPlus, u"Windows9x et supérieur"},
    OptionText{Field::WindowsNT351, u"Windows NT 3.51"},
    OptionText{Field::WindowsNT40, u"Windows NT 4.0"},
    OptionText{Field::Linux, u"LINUX"},
};

// The membership line: the first ticked box wins. MembreAutre is handled by the layout
// since it prints the text of SaisieAutre.
inline constexpr std::array kMemberships = {
    OptionText{Field::Qora, u"QORA"},
    OptionText{Field::ZOLK, u"ZOLK"},
};

} // namespace scribel::print
