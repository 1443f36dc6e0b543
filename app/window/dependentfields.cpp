// The handlers of the fields that depend on an option or a check box: each one reads its
// own control's state and shows, hides, empties or focuses the field that hangs on it.

#include "app/window/principale.h"
#include "platform/widgets/widgetform.h"

namespace scribel {

// Choosing one of the named distributions puts away the other mode's field.
void Principale::hideOtherDistributionWhenChosen(Field option) {
    if (m_form->isOn(option)) {
        setShown(Field::SaisieDiffuAutre, false);
        empty(Field::SaisieDiffuAutre);
    }
}

void Principale::Shareware_Click() {
    hideOtherDistributionWhenChosen(Field::Shareware);
}

void Principale::Freeware_Click() {
    hideOtherDistributionWhenChosen(Field::Freeware);
}

void Principale::DomainePublic_Click() {
    hideOtherDistributionWhenChosen(Field::DomainePublic);
}

void Principale::Assimile_Click() {
    hideOtherDistributionWhenChosen(Field::Assimile);
}

void Principale::OptionAutre_Click() {
    if (m_form->isOn(Field::OptionAutre)) {
        setShown(Field::SaisieDiffuAutre, true);
        empty(Field::SaisieDiffuAutre);
        giveFocus(Field::SaisieDiffuAutre);
    }
}

void Principale::LimitationsOui_Click() {
    if (m_form->isOn(Field::LimitationsOui)) {
        empty(Field::Limitations);
        setShown(Field::Limitations, true);
        giveFocus(Field::Limitations);
    }
}

void Principale::LimitationsNon_Click() {
    if (m_form->isOn(Field::LimitationsNon)) {
        empty(Field::Limitations);
        setShown(Field::Limitations, false);
    }
}

void Principale::LicenceAutres_Click() {
    const bool ticked = m_form->isOn(Field::LicenceAutres);
    control(u"TitreAutresServices")->setVisible(ticked);
    setShown(Field::AutresServices, ticked);
    empty(Field::AutresServices);
    if (ticked) {
        giveFocus(Field::AutresServices);
    }
}

void Principale::MembreAutre_Click() {
    const bool ticked = m_form->isOn(Field::MembreAutre);
    setShown(Field::SaisieAutre, ticked);
    if (ticked) {
        giveFocus(Field::SaisieAutre);
    }
}

} // namespace scribel
