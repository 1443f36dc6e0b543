#pragma once

#include "sheet/field.h"

namespace scribel::sheetfile {

// The option groups as the sheet files number them: the first option is number 1.
inline constexpr Field kSoftwareLanguage[] = {Field::LogFrancais, Field::LogAnglais,
                                              Field::LogAuChoix};
inline constexpr Field kDocumentationLanguage[] = {Field::DocFrancais, Field::DocAnglais,
                                                   Field::DocAuChoix};
inline constexpr Field kReleaseKind[] = {Field::DiffuInedit, Field::DiffuNouveaute,
                                         Field::DiffuMiseAjour, Field::DiffuBeta};
inline constexpr Field kLimitationAnswers[] = {Field::LimitationsOui, Field::LimitationsNon};
inline constexpr Field kRunsFromCd[] = {Field::CDoui, Field::CDnon};
inline constexpr Field kOperatingSystems[] = {
    Field::DOS,         Field::Windows3x, Field::Windows3xEtPlus, Field::Windows95,
    Field::Windows98,   Field::Windows9x, Field::Windows9xEtPlus, Field::WindowsNT351,
    Field::WindowsNT40, Field::Linux,
};

} // namespace scribel::sheetfile
