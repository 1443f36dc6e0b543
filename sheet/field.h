#pragma once

#include <QStringView>
#include <array>

namespace scribel {

// Every control of the window that holds a value of the sheet, by its control name.
// The list is written once here; the enum and the name table both come from it.
#define SCRIBEL_FIELDS(X)                                                                          \
    X(SaisieNom)                                                                                   \
    X(SaisiePrenom)                                                                                \
    X(SaisieNumero)                                                                                \
    X(SaisieIndice)                                                                                \
    X(SaisieRue)                                                                                   \
    X(SaisieCodePostal)                                                                            \
    X(SaisieVille)                                                                                 \
    X(SaisieTelDom)                                                                                \
    X(SaisieTelBur)                                                                                \
    X(SaisieTelPortable)                                                                           \
    X(SaisieEmail)                                                                                 \
    X(SaisieWeb)                                                                                   \
    X(SaisieNaissance)                                                                             \
    X(SaisieActivite)                                                                              \
    X(Qora)                                                                                        \
    X(ZOLK)                                                                                        \
    X(MembreAutre)                                                                                 \
    X(SaisieAutre)                                                                                 \
    X(SaisieLogiciel)                                                                              \
    X(SaisieVersion)                                                                               \
    X(SaisieDateCreation)                                                                          \
    X(SaisieDescription)                                                                           \
    X(SaisieLangage)                                                                               \
    X(SaisieVersionLangage)                                                                        \
    X(CDoui)                                                                                       \
    X(CDnon)                                                                                       \
    X(LimitationsOui)                                                                              \
    X(LimitationsNon)                                                                              \
    X(Limitations)                                                                                 \
    X(ListeCategorie)                                                                              \
    X(ListeSousCategorie)                                                                          \
    X(DiffuInedit)                                                                                 \
    X(DiffuMiseAjour)                                                                              \
    X(DiffuNouveaute)                                                                              \
    X(DiffuBeta)                                                                                   \
    X(LogFrancais)                                                                                 \
    X(LogAnglais)                                                                                  \
    X(LogAuChoix)                                                                                  \
    X(DocFrancais)                                                                                 \
    X(DocAnglais)                                                                                  \
    X(DocAuChoix)                                                                                  \
    X(Shareware)                                                                                   \
    X(Freeware)                                                                                    \
    X(Assimile)                                                                                    \
    X(DomainePublic)                                                                               \
    X(OptionAutre)                                                                                 \
    X(SaisieDiffuAutre)                                                                            \
    X(SaisieRetribution)                                                                           \
    X(LicenceSources)                                                                              \
    X(LicenceVersionGratos)                                                                        \
    X(LicenceManuel)                                                                               \
    X(LicenceReduc)                                                                                \
    X(LicenceCourrier)                                                                             \
    X(LicenceTel)                                                                                  \
    X(LicenceBBS)                                                                                  \
    X(LicenceAutres)                                                                               \
    X(AutresServices)                                                                              \
    X(DOS)                                                                                         \
    X(Windows3x)                                                                                   \
    X(Windows3xEtPlus)                                                                             \
    X(Windows95)                                                                                   \
    X(Windows98)                                                                                   \
    X(Windows9x)                                                                                   \
    X(Windows9xEtPlus)                                                                             \
    X(WindowsNT351)                                                                                \
    X(WindowsNT40)                                                                                 \
    X(Linux)

enum class Field {
#define SCRIBEL_FIELD_ENUM(name) name,
    SCRIBEL_FIELDS(SCRIBEL_FIELD_ENUM)
#undef SCRIBEL_FIELD_ENUM
};

inline constexpr std::array kFieldNames = {
#define SCRIBEL_FIELD_NAME(name) QStringView(u"" #name),
    SCRIBEL_FIELDS(SCRIBEL_FIELD_NAME)
#undef SCRIBEL_FIELD_NAME
};

inline constexpr int kFieldCount = static_cast<int>(kFieldNames.size());

// The control name, which is also the widget's objectName.
constexpr QStringView fieldName(Field field) {
    return kFieldNames[static_cast<std::size_t>(field)];
}

} // namespace scribel
