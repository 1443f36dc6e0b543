#include "linesplitter.h"

#include "platform/core/windows1252.h"

namespace scribel::sheetfile {

QStringList splitLines(QByteArrayView bytes) {
    const QString text = cp1252::decode(bytes);
    const bool lineFeedsOnly = !text.contains(u'\r') && text.contains(u'\n');
    const QChar lineEnd = lineFeedsOnly ? u'\n' : u'\r';

    QStringList lines;
    qsizetype start = 0;
    while (start < text.size()) {
        const qsizetype end = text.indexOf(lineEnd, start);
        if (end < 0) {
            lines.append(text.mid(start));
            break;
        }
        lines.append(text.mid(start, end - start));
        start = end + 1;
        if (!lineFeedsOnly && start < text.size() && text[start] == u'\n') {
            ++start;
        }
    }
    return lines;
}

} // namespace scribel::sheetfile
