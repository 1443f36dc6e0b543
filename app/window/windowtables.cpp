#include "app/window/windowtables.h"

#include "sheet/optiongroups.h"

#include <initializer_list>

namespace scribel {

namespace {

std::vector<Field> optionsOf(std::initializer_list<OptionGroup> groups) {
    std::vector<Field> fields;
    for (const OptionGroup& group : groups) {
        for (const Option& option : group) {
            fields.push_back(option.field);
        }
    }
    return fields;
}

} // namespace

const std::vector<StartStateRow>& startState() {
    using F = Field;
    static const std::vector<StartStateRow> rows = {
        {{F::SaisieNom, F::SaisiePrenom, F::SaisieNumero, F::SaisieIndice, F::SaisieRue,
          F::SaisieCodePostal, F::SaisieVille, F::SaisieTelDom, F::SaisieTelBur,
          F::SaisieTelPortable, F::SaisieEmail, F::SaisieWeb, F::SaisieNaissance, F::SaisieActivite,
          F::SaisieAutre},
         {F::Qora, F::ZOLK, F::MembreAutre},
         {fieldName(F::SaisieAutre)}},
        {{F::SaisieLogiciel, F::SaisieDescription, F::SaisieVersion, F::SaisieDateCreation,
          F::SaisieLangage, F::SaisieVersionLangage, F::Limitations},
         optionsOf({kSoftwareLanguage, kDocumentationLanguage, kReleaseKind, kLimitationAnswers,
                    kRunsFromCd}),
         {fieldName(F::Limitations)}},
        {{F::SaisieDiffuAutre},
         {F::Shareware, F::Freeware, F::DomainePublic, F::Assimile, F::OptionAutre},
         {fieldName(F::SaisieDiffuAutre)}},
        {{F::SaisieRetribution, F::AutresServices},
         {F::LicenceSources, F::LicenceVersionGratos, F::LicenceManuel, F::LicenceReduc,
          F::LicenceCourrier, F::LicenceTel, F::LicenceBBS, F::LicenceAutres},
         {fieldName(F::AutresServices), u"TitreAutresServices"}},
        {{}, optionsOf({kOperatingSystems}), {}},
    };
    return rows;
}

} // namespace scribel
