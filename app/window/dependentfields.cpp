// The handlers of the fields that depend on an option or a check box: each one reads its
// own control's state and shows, hides, empties or focuses the field that hangs on it.

#include "app/window/principale.h"

namespace scribel {

void Principale::hideOtherDistributionWhenChosen(Field option) {
    if (m_form->isOn(option)) {
        field(Field::SaisieDiffuAutre)->hide();
        m_form->setText(Field::SaisieDiffuAutre, QString());
    }
}

void Principale::OptionAutre_Click() {
    if (m_form->isOn(Field::OptionAutre)) {
        field(Field::SaisieDiffuAutre)->show();
        m_form->setText(Field::SaisieDiffuAutre, QString());
        giveFocus(Field::SaisieDiffuAutre);
    }
}

void Principale::LimitationsOui_Click() {
    if (m_form->isOn(Field::LimitationsOui)) {
        m_form->setText(Field::Limitations, QString());
        field(Field::Limitations)->show();
        giveFocus(Field::Limitations);
    }
}

void Principale::LimitationsNon_Click() {
    if (m_form->isOn(Field::LimitationsNon)) {
        m_form->setText(Field::Limitations, QString());
        field(Field::Limitations)->hide();
    }
}

void Principale::LicenceAutres_Click() {
    const bool ticked = m_form->isOn(Field::LicenceAutres);
    control(u"TitreAutresServices")->setVisible(ticked);
    field(Field::AutresServices)->setVisible(ticked);
    m_form->setText(Field::AutresServices, QString());
    if (ticked) {
        giveFocus(Field::AutresServices);
    }
}

void Principale::MembreAutre_Click() {
    const bool ticked = m_form->isOn(Field::MembreAutre);
    field(Field::SaisieAutre)->setVisible(ticked);
    if (ticked) {
        giveFocus(Field::SaisieAutre);
    }
}

} // namespace scribel
