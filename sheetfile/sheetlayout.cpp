#include "sheetlayout.h"

#include "lineentry.h"
#include "platform/core/linebreaks.h"
#include "sheet/optiongroups.h"

namespace scribel::sheetfile {

namespace {

constexpr LineRule kSheetLayout[] = {
    versionMarker(1),
    text(2, Field::SaisieNom),
    text(3, Field::SaisiePrenom),
    text(4, Field::SaisieNumero),
    text(5, Field::SaisieIndice),
    text(6, Field::SaisieRue),
    text(7, Field::SaisieCodePostal),
    text(8, Field::SaisieVille),
    text(9, Field::SaisieTelDom),
    text(10, Field::SaisieTelBur),
    text(11, Field::SaisieTelPortable),
    text(12, Field::SaisieEmail),
    text(13, Field::SaisieWeb),
    text(14, Field::SaisieNaissance),
    text(15, Field::SaisieActivite),
    flag(16, Field::Qora),
    flag(17, Field::ZOLK),
    otherAssociation(18),
    text(19, Field::SaisieLogiciel),
    text(20, Field::SaisieDescription),
    numberedOption(21, kSoftwareLanguage),
    numberedOption(22, kDocumentationLanguage),
    numberedOption(23, kReleaseKind),
    text(24, Field::SaisieVersion),
    text(25, Field::SaisieDateCreation),
    text(26, Field::SaisieLangage),
    text(27, Field::SaisieVersionLangage),
    textOption(28, kLimitationAnswers),
    text(29, Field::Limitations),
    textOption(30, kRunsFromCd),
    list(31, Field::ListeCategorie),
    list(32, Field::ListeSousCategorie),
    distribution(33),
    text(34, Field::SaisieRetribution),
    service(35, Field::LicenceSources, 1),
    service(36, Field::LicenceVersionGratos, 2),
    service(37, Field::LicenceManuel, 3),
    service(38, Field::LicenceReduc, 4),
    service(39, Field::LicenceCourrier, 5),
    service(40, Field::LicenceTel, 6),
    service(41, Field::LicenceBBS, 7),
    otherServices(42),
    numberedOption(43, kOperatingSystems),
    magazine(44),
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

// A line break kept inside its entry's line: a single LF, which the reader leaves
// inside the line.
QString keptOnOneLine(const QString& line) {
    return normaliseLineBreaks(line);
}

} // namespace

QStringList sheetLines(const Form& form, Magazine magazine) {
    QStringList lines;
    lines.reserve(kSheetLineCount);
    for (const LineRule& rule : kSheetLayout) {
        lines.append(keptOnOneLine(writeEntry(rule, form, magazine)));
    }
    return lines;
}

LineLayout sheetLayout() {
    return kSheetLayout;
}

} // namespace scribel::sheetfile
