#pragma once

// A sheet with every printed field filled in, for the layout, rendering and benchmarks.

#include "print/pagelayout.h"
#include "sheetfile/sheetcodec.h"
#include "support/memoryform.h"

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
    form.preset(
        utf8List({"SaisieNom=DUPONT", "SaisiePrenom=Jean", "SaisieNumero=12", "SaisieIndice=Bis",
                  "SaisieRue=rue des Lilas", "SaisieCodePostal=75011", "SaisieVille=PARIS",
                  "SaisieTelDom=01 23 45 67 89", "SaisieTelBur=01 98 76 54 32",
                  "SaisieTelPortable=06 11 22 33 44", "SaisieEmail=jean.dupont@exemple.fr",
                  "SaisieWeb=http://www.exemple.fr/jean", "SaisieNaissance=1970",
                  "SaisieActivite=Ingénieur", "SaisieLogiciel=SUPERCALC",
                  "ListeCategorie=Bureautique", "ListeSousCategorie=Euro", "SaisieVersion=2.1",
                  "SaisieDateCreation=12/05/2000"}) +
        utf8List({"SaisieLangage=Pascal", "SaisieVersionLangage=7", "SaisieRetribution=100",
                  "Qora:on", "LogFrancais:on", "DocAuChoix:on", "DiffuNouveaute:on",
                  "LimitationsOui:on", "CDoui:on", "Shareware:on", "LicenceSources:on",
                  "LicenceVersionGratos:on", "LicenceManuel:on", "LicenceReduc:on",
                  "LicenceCourrier:on", "LicenceTel:on", "LicenceBBS:on", "LicenceAutres:on",
                  "Windows98:on"}));
    form.setText(Field::SaisieDescription, kDescriptionLine1 + kDescriptionLine2);
    form.setText(Field::Limitations, kLimitationsLine1 + kLimitationsLine2);
    form.setText(Field::AutresServices, kOtherServicesLine1 + kOtherServicesLine2);
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
