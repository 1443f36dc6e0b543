#pragma once

// A sheet with every printed field filled in, shared by the layout, rendering and
// benchmark executables.

#include "print/pagelayout.h"
#include "sheetfile/sheetcodec.h"
#include "support/memoryform.h"

#include <QString>

namespace scribel::test {

using namespace Qt::Literals::StringLiterals;

// Long texts made of two parts, each exactly one printed line.
inline const QString kDescriptionLine1 = u"Un tableur de poche pour tenir les comptes du foyer "_s;
inline const QString kDescriptionLine2 = u"en euros"_s;
inline const QString kLimitationsLine1 =
    u"Limité à trente lignes par feuille de calcul et à deux "_s;
inline const QString kLimitationsLine2 = u"graphiques."_s;
inline const QString kOtherServicesLine1 = u"Disquettes de mises à jour pendant "_s;
inline const QString kOtherServicesLine2 = u"un an."_s;

inline MemoryForm fullPixelorSheet() {
    MemoryForm form;
    const auto text = [&form](Field field, const QString& value) {
        form.setText(field, value);
    };
    text(Field::SaisieNom, u"DUPONT"_s);
    text(Field::SaisiePrenom, u"Jean"_s);
    text(Field::SaisieNumero, u"12"_s);
    text(Field::SaisieIndice, u"Bis"_s);
    text(Field::SaisieRue, u"rue des Lilas"_s);
    text(Field::SaisieCodePostal, u"75011"_s);
    text(Field::SaisieVille, u"PARIS"_s);
    text(Field::SaisieTelDom, u"01 23 45 67 89"_s);
    text(Field::SaisieTelBur, u"01 98 76 54 32"_s);
    text(Field::SaisieTelPortable, u"06 11 22 33 44"_s);
    text(Field::SaisieEmail, u"jean.dupont@exemple.fr"_s);
    text(Field::SaisieWeb, u"http://www.exemple.fr/jean"_s);
    text(Field::SaisieNaissance, u"1970"_s);
    text(Field::SaisieActivite, u"Ingénieur"_s);
    text(Field::SaisieLogiciel, u"SUPERCALC"_s);
    text(Field::SaisieDescription, kDescriptionLine1 + kDescriptionLine2);
    text(Field::ListeCategorie, u"Bureautique"_s);
    text(Field::ListeSousCategorie, u"Euro"_s);
    text(Field::SaisieVersion, u"2.1"_s);
    text(Field::SaisieDateCreation, u"12/05/2000"_s);
    text(Field::SaisieLangage, u"Pascal"_s);
    text(Field::SaisieVersionLangage, u"7"_s);
    text(Field::Limitations, kLimitationsLine1 + kLimitationsLine2);
    text(Field::SaisieRetribution, u"100"_s);
    text(Field::AutresServices, kOtherServicesLine1 + kOtherServicesLine2);
    for (Field on : {Field::Qora, Field::LogFrancais, Field::DocAuChoix, Field::DiffuNouveaute,
                     Field::LimitationsOui, Field::CDoui, Field::Shareware, Field::LicenceSources,
                     Field::LicenceVersionGratos, Field::LicenceManuel, Field::LicenceReduc,
                     Field::LicenceCourrier, Field::LicenceTel, Field::LicenceBBS,
                     Field::LicenceAutres, Field::Windows98}) {
        form.setOn(on, true);
    }
    return form;
}

inline const QDate kToday{2026, 12, 7};

// The page of the sheet; a sheet the layout refuses is a broken test.
inline Page layOut(const Form& form, Magazine magazine,
                   const QLocale& locale = QLocale(QLocale::French)) {
    auto layout = print::layOutPage(form, magazine, locale, kToday);
    if (!std::holds_alternative<Page>(layout)) {
        qFatal("the sheet was refused");
    }
    return std::get<Page>(layout);
}

// The item whose text starts with the given text; a null item when there is none.
inline PageItem itemStartingWith(const Page& page, const QString& start) {
    for (const PageItem& item : page) {
        if (item.text.startsWith(start)) {
            return item;
        }
    }
    return {-1, -1, PrintStyle::Body, {}};
}

// Words run together to `length` characters, far wider than the page.
inline QString overlongText(qsizetype length) {
    const QString words = u"Texte bien trop long pour tenir sur la fiche, "_s;
    return words.repeated(length / words.size() + 1).left(length);
}

// The full sheet with every typed text as long as a sheet file's line may be (32,767
// characters): what lies beyond the paper is never seen. A shorter length still far
// wider than the paper, and a lead of characters without a width, are for comparison.
inline MemoryForm overlongPixelorSheet(qsizetype length = sheetfile::kMaxLineLength,
                                       const QString& lead = {}) {
    MemoryForm form = fullPixelorSheet();
    using F = Field;
    for (Field field :
         {F::SaisieNom,       F::SaisiePrenom,       F::SaisieNumero,   F::SaisieIndice,
          F::SaisieRue,       F::SaisieCodePostal,   F::SaisieVille,    F::SaisieTelDom,
          F::SaisieTelBur,    F::SaisieTelPortable,  F::SaisieEmail,    F::SaisieWeb,
          F::SaisieNaissance, F::SaisieActivite,     F::SaisieLogiciel, F::SaisieDescription,
          F::SaisieVersion,   F::SaisieDateCreation, F::SaisieLangage,  F::SaisieVersionLangage,
          F::Limitations,     F::AutresServices}) {
        form.setText(field, lead + overlongText(length - lead.size()));
    }
    return form;
}

} // namespace scribel::test
