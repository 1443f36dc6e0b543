#include "sheetlayout.h"

#include "lineentry.h"
#include "platform/core/linebreaks.h"
#include "sheet/optiongroups.h"

namespace scribel::sheetfile {

namespace {

constexpr LineRule kSheetLayout[] = {
    {1, Entry::VersionMarker},
    {2, Entry::Text, Field::SaisieNom},
    {3, Entry::Text, Field::SaisiePrenom},
    {4, Entry::Text, Field::SaisieNumero},
    {5, Entry::Text, Field::SaisieIndice},
    {6, Entry::Text, Field::SaisieRue},
    {7, Entry::Text, Field::SaisieCodePostal},
    {8, Entry::Text, Field::SaisieVille},
    {9, Entry::Text, Field::SaisieTelDom},
    {10, Entry::Text, Field::SaisieTelBur},
    {11, Entry::Text, Field::SaisieTelPortable},
    {12, Entry::Text, Field::SaisieEmail},
    {13, Entry::Text, Field::SaisieWeb},
    {14, Entry::Text, Field::SaisieNaissance},
    {15, Entry::Text, Field::SaisieActivite},
    {16, Entry::Flag, Field::Qora},
    {17, Entry::Flag, Field::ZOLK},
    {18, Entry::OtherAssociation},
    {19, Entry::Text, Field::SaisieLogiciel},
    {20, Entry::Text, Field::SaisieDescription},
    numberedOption(21, kSoftwareLanguage),
    numberedOption(22, kDocumentationLanguage),
    numberedOption(23, kReleaseKind),
    {24, Entry::Text, Field::SaisieVersion},
    {25, Entry::Text, Field::SaisieDateCreation},
    {26, Entry::Text, Field::SaisieLangage},
    {27, Entry::Text, Field::SaisieVersionLangage},
    textOption(28, kLimitationAnswers),
    {29, Entry::Text, Field::Limitations},
    textOption(30, kRunsFromCd),
    {31, Entry::List, Field::ListeCategorie},
    {32, Entry::List, Field::ListeSousCategorie},
    {33, Entry::Distribution},
    {34, Entry::Text, Field::SaisieRetribution},
    service(35, Field::LicenceSources, 1),
    service(36, Field::LicenceVersionGratos, 2),
    service(37, Field::LicenceManuel, 3),
    service(38, Field::LicenceReduc, 4),
    service(39, Field::LicenceCourrier, 5),
    service(40, Field::LicenceTel, 6),
    service(41, Field::LicenceBBS, 7),
    {42, Entry::OtherServices},
    numberedOption(43, kOperatingSystems),
    {44, Entry::Magazine},
};

constexpr bool everyLineInOrder() {
    int expected = 1;
    for (const LineRule& rule : kSheetLayout) {
        if (rule.line != expected++) {
            return false;
        }
    }
    return expected == kSheetLineCount + 1;
}
static_assert(everyLineInOrder(), "the layout holds lines 1 to 44, one row each, in order");

} // namespace

QStringList sheetLines(const Form& form, Magazine magazine) {
    QStringList lines;
    lines.reserve(kSheetLineCount);
    for (const LineRule& rule : kSheetLayout) {
        // A line break stays inside its entry's line as a single LF, which the reader
        // leaves inside the line.
        lines.append(normaliseLineBreaks(writeEntry(rule, form, magazine)));
    }
    return lines;
}

LineLayout sheetLayout() {
    return kSheetLayout;
}

} // namespace scribel::sheetfile
