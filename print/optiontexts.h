#pragma once

#include "platform/core/form.h"
#include "sheet/optiongroups.h"

#include <QString>

namespace scribel::print {

// The text of the first chosen option in the group's order; empty when none is chosen.
inline QString chosenText(const Form& form, OptionGroup options) {
    for (const Option& option : options) {
        if (form.isOn(option.field)) {
            return option.printed.toString();
        }
    }
    return {};
}

// Every ticked box prints a line of its own, in this order.
inline constexpr Option kServices[] = {
    {Field::LicenceSources, u"Programmes sources"},
    {Field::LicenceVersionGratos, u"Nouvelle version gratuite"},
    {Field::LicenceManuel, u"Manuel imprimé"},
    {Field::LicenceReduc, u"Réduction sur d'autres programmes"},
    {Field::LicenceCourrier, u"Assistance par courrier"},
    {Field::LicenceTel, u"Assistance téléphonique"},
    {Field::LicenceBBS, u"BBS"},
};

// The membership line: the first ticked box wins. MembreAutre is handled by the layout
// since it prints the text of SaisieAutre.
inline constexpr Option kMemberships[] = {
    {Field::Qora, u"QORA"},
    {Field::ZOLK, u"ZOLK"},
};

} // namespace scribel::print
