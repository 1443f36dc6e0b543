#pragma once

#include "sheet/field.h"

#include <QChar>
#include <QStringView>
#include <array>

namespace scribel {

enum class CaseRule {
    Always,         // every letter becomes a capital
    FirstCharacter, // only while the field is empty
    WordStarts,     // while the field is empty or its text ends in a space
    None,
};

// What a key typed into one of the chained fields does: Enter moves to the next
// field of the chain, other characters pass through the field's case rule.
struct KeyRule {
    Field field;
    Field next;
    CaseRule caseRule;
};

// The author chain, then the programme chain, in Enter order.
inline constexpr std::array<KeyRule, 18> kKeyRules = {{
    {Field::SaisieNom, Field::SaisiePrenom, CaseRule::Always},
    {Field::SaisiePrenom, Field::SaisieNumero, CaseRule::WordStarts},
    {Field::SaisieNumero, Field::SaisieIndice, CaseRule::None},
    {Field::SaisieIndice, Field::SaisieRue, CaseRule::FirstCharacter},
    {Field::SaisieRue, Field::SaisieCodePostal, CaseRule::None},
    {Field::SaisieCodePostal, Field::SaisieVille, CaseRule::None},
    {Field::SaisieVille, Field::SaisieTelDom, CaseRule::Always},
    {Field::SaisieTelDom, Field::SaisieTelBur, CaseRule::Always},
    {Field::SaisieTelBur, Field::SaisieTelPortable, CaseRule::None},
    {Field::SaisieTelPortable, Field::SaisieEmail, CaseRule::None},
    {Field::SaisieEmail, Field::SaisieWeb, CaseRule::None},
    {Field::SaisieWeb, Field::SaisieNaissance, CaseRule::None},
    {Field::SaisieNaissance, Field::SaisieActivite, CaseRule::None},
    {Field::SaisieLogiciel, Field::SaisieVersion, CaseRule::Always},
    {Field::SaisieVersion, Field::SaisieDateCreation, CaseRule::Always},
    {Field::SaisieDateCreation, Field::SaisieLangage, CaseRule::Always},
    {Field::SaisieLangage, Field::SaisieVersionLangage, CaseRule::None},
    {Field::SaisieVersionLangage, Field::SaisieDescription, CaseRule::None},
}};

inline constexpr char16_t kEnterCode = 13;

// The character a field inserts for a typed one, given its text (never the caret's place).
QChar applyCaseRule(CaseRule rule, QChar typed, QStringView currentText);

} // namespace scribel
