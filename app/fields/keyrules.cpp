#include "keyrules.h"

#include "platform/core/windows1252.h"

namespace scribel {

QChar applyCaseRule(CaseRule rule, QChar typed, QStringView currentText) {
    const bool upper = rule == CaseRule::Always ||
                       (rule != CaseRule::None && currentText.isEmpty()) ||
                       (rule == CaseRule::WordStarts && currentText.endsWith(u' '));
    return upper ? cp1252::toUpper(typed) : typed;
}

} // namespace scribel
