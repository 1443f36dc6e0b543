#include "linebreaks.h"

namespace scribel {

QString normaliseLineBreaks(QStringView text) {
    const bool hasBreaks = text.contains(u'\r') || text.contains(QChar::ParagraphSeparator) ||
                           text.contains(QChar::LineSeparator);
    if (!hasBreaks) {
        return text.toString(); // the common case, and a long text's: one copy
    }
    QString result;
    result.reserve(text.size());
    for (qsizetype i = 0; i < text.size(); ++i) {
        const QChar ch = text[i];
        if (ch == u'\r') {
            if (i + 1 < text.size() && text[i + 1] == u'\n') {
                ++i;
            }
            result.append(u'\n');
        } else if (ch == QChar::ParagraphSeparator || ch == QChar::LineSeparator) {
            result.append(u'\n');
        } else {
            result.append(ch);
        }
    }
    return result;
}

} // namespace scribel
