#include "plaintext.h"

#include "platform/core/linebreaks.h"

#include <QPlainTextEdit>
#include <QTextDocument>

namespace scribel {

QString plainTextOf(const QPlainTextEdit& edit) {
    return normaliseLineBreaks(edit.document()->toRawText());
}

} // namespace scribel
