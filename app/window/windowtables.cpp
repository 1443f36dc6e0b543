#include "app/window/windowtables.h"

namespace scribel {

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
         {F::LogFrancais, F::LogAnglais, F::LogAuChoix, F::DocFrancais, F::DocAnglais,
          F::DocAuChoix, F::DiffuInedit, F::DiffuBeta, F::DiffuNouveaute, F::DiffuMiseAjour,
          F::LimitationsOui, F::LimitationsNon, F::CDoui, F::CDnon},
         {fieldName(F::Limitations)}},
        {{F::SaisieDiffuAutre},
         {F::Shareware, F::Freeware, F::DomainePublic, F::Assimile, F::OptionAutre},
         {fieldName(F::SaisieDiffuAutre)}},
        {{F::SaisieRetribution, F::AutresServices},
         {F::LicenceSources, F::LicenceVersionGratos, F::LicenceManuel, F::LicenceReduc,
          F::LicenceCourrier, F::LicenceTel, F::LicenceBBS, F::LicenceAutres},
         {fieldName(F::AutresServices), u"TitreAutresServices"}},
        {{},
         {F::DOS, F::Windows3x, F::Windows3xEtPlus, F::Windows95, F::Windows98, F::Windows9x,
          F::Windows9xEtPlus, F::WindowsNT351, F::WindowsNT40, F::Linux},
         {}},
    };
    return rows;
}

} // namespace scribel
