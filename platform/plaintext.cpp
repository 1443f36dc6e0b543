#include "plaintext.h"

#include <QPlainTextEdit>
#include <QTextDocument>

namespace scribel {

QString plainTextOf(const QPlainTextEdit& edit) {
    QString text = edit.document()->toRawText();
    for (QChar& ch : text) {
        if (ch == QChar::ParagraphSeparator || ch == QChar::LineSeparator) {
            ch = u'\n';
        }
    }
    return text;
}

} // namespace scribel
