#include "keyrules.h"

#include "platform/core/windows1252.h"

namespace scribel {

QChar applyCaseRule(CaseRule rule, QChar typed, QStringView currentText) {
    bool upper = false;
    switch (rule) {
    case CaseRule::Always:
        upper = true;
        break;
    case CaseRule::FirstCharacter:
        upper = currentText.isEmpty();
        break;
    case CaseRule::WordStarts:
        upper = currentText.isEmpty() || currentText.back() == u' ';
        break;
    case CaseRule::None:
        break;
    }
    return upper ? cp1252::toUpper(typed) : typed;
}

} // namespace scribel
