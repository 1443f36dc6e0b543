#include "typingfilter.h"

#include "platform/linebreaks.h"
#include "platform/windows1252.h"

#include <algorithm>

namespace scribel {

namespace {

bool isAdmitted(QChar ch, bool multiLine) {
    if (ch == u'\n') {
        return multiLine;
    }
    const char16_t code = ch.unicode();
    if (code < 0x20 || code == 0x7F || (code >= 0x80 && code <= 0x9F)) {
        return false;
    }
    return cp1252::isEncodable(ch);
}

} // namespace

QString admitInsertion(QStringView inserted, qsizetype keptLength, qsizetype previousLength,
                       int limit, bool multiLine) {
    const QString candidate = multiLine ? normaliseLineBreaks(inserted) : inserted.toString();
    QString admitted;
    admitted.reserve(candidate.size());
    for (const QChar ch : candidate) {
        if (isAdmitted(ch, multiLine)) {
            admitted.append(ch);
        }
    }
    const qsizetype capacity = std::max<qsizetype>(limit, previousLength);
    const qsizetype room = std::max<qsizetype>(0, capacity - keptLength);
    admitted.truncate(room);
    return admitted;
}

} // namespace scribel
