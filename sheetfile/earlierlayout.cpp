#include "earlierlayout.h"

#include "lineentry.h"
#include "sheet/optiongroups.h"

namespace scribel::sheetfile {

namespace {

// Only the lines the sheet uses; the others are skipped.
constexpr LineRule kEarlierLayout[] = {
    text(1, Field::SaisieNom),
    text(2, Field::SaisiePrenom),
    text(3, Field::SaisieNumero),
    text(4, Field::SaisieIndice),
    text(5, Field::SaisieRue),
    text(6, Field::SaisieCodePostal),
    text(7, Field::SaisieVille),
    text(8, Field::SaisieTelDom),
    text(9, Field::SaisieTelBur),
    text(10, Field::SaisieEmail),
    text(11, Field::SaisieWeb),
    birthYear(12),
    text(13, Field::SaisieActivite),
    flag(14, Field::Qora),
    flag(15, Field::ZOLK),
    otherAssociation(16),
    text(17, Field::SaisieLogiciel),
    text(18, Field::SaisieDescription),
    numberedOption(19, kSoftwareLanguage),
    numberedOption(20, kDocumentationLanguage),
    text(22, Field::SaisieVersion),
    text(23, Field::SaisieDateCreation),
    text(25, Field::SaisieLangage),
    text(26, Field::SaisieVersionLangage),
    textOption(27, kLimitationAnswers),
    text(28, Field::Limitations),
    textOption(29, kRunsFromCd),
    earlierDistribution(30),
    text(31, Field::SaisieRetribution),
    service(32, Field::LicenceSources, 1),
    service(33, Field::LicenceVersionGratos, 2),
    service(34, Field::LicenceManuel, 3),
    service(35, Field::LicenceReduc, 4),
    service(36, Field::LicenceCourrier, 5),
    service(37, Field::LicenceTel, 6),
    service(38, Field::LicenceBBS, 7),
    otherServices(39),
    magazine(50),
};

} // namespace

LineLayout earlierLayout() {
    return kEarlierLayout;
}

} // namespace scribel::sheetfile
