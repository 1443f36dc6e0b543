#include "earlierlayout.h"

#include "lineentry.h"
#include "sheet/optiongroups.h"

namespace scribel::sheetfile {

namespace {

// Only the lines the sheet uses; the others are skipped.
constexpr LineRule kEarlierLayout[] = {
    {1, Entry::Text, Field::SaisieNom},
    {2, Entry::Text, Field::SaisiePrenom},
    {3, Entry::Text, Field::SaisieNumero},
    {4, Entry::Text, Field::SaisieIndice},
    {5, Entry::Text, Field::SaisieRue},
    {6, Entry::Text, Field::SaisieCodePostal},
    {7, Entry::Text, Field::SaisieVille},
    {8, Entry::Text, Field::SaisieTelDom},
    {9, Entry::Text, Field::SaisieTelBur},
    {10, Entry::Text, Field::SaisieEmail},
    {11, Entry::Text, Field::SaisieWeb},
    {12, Entry::BirthYear, Field::SaisieNaissance},
    {13, Entry::Text, Field::SaisieActivite},
    {14, Entry::Flag, Field::Qora},
    {15, Entry::Flag, Field::ZOLK},
    {16, Entry::OtherAssociation},
    {17, Entry::Text, Field::SaisieLogiciel},
    {18, Entry::Text, Field::SaisieDescription},
    numberedOption(19, kSoftwareLanguage),
    numberedOption(20, kDocumentationLanguage),
    {22, Entry::Text, Field::SaisieVersion},
    {23, Entry::Text, Field::SaisieDateCreation},
    {25, Entry::Text, Field::SaisieLangage},
    {26, Entry::Text, Field::SaisieVersionLangage},
    textOption(27, kLimitationAnswers),
    {28, Entry::Text, Field::Limitations},
    textOption(29, kRunsFromCd),
    {30, Entry::EarlierDistribution},
    {31, Entry::Text, Field::SaisieRetribution},
    service(32, Field::LicenceSources, 1),
    service(33, Field::LicenceVersionGratos, 2),
    service(34, Field::LicenceManuel, 3),
    service(35, Field::LicenceReduc, 4),
    service(36, Field::LicenceCourrier, 5),
    service(37, Field::LicenceTel, 6),
    service(38, Field::LicenceBBS, 7),
    {39, Entry::OtherServices},
    {50, Entry::Magazine},
};

} // namespace

LineLayout earlierLayout() {
    return kEarlierLayout;
}

} // namespace scribel::sheetfile
