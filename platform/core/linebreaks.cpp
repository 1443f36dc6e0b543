#include "linebreaks.h"

namespace scribel {

QString normaliseLineBreaks(QStringView text) {
    // Each replace copies nothing when it finds nothing: a text without breaks, the common
    // case, is copied once.
    QString result = text.toString();
    return result.replace(QStringLiteral("\r\n"), QStringLiteral("\n"))
        .replace(u'\r', u'\n')
        .replace(QChar::ParagraphSeparator, u'\n')
        .replace(QChar::LineSeparator, u'\n');
}

} // namespace scribel
