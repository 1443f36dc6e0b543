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

// One character, a surrogate pair being one: its length at the start of the text.
qsizetype characterLength(QStringView text) {
    return text.size() > 1 && text[0].isHighSurrogate() && text[1].isLowSurrogate() ? 2 : 1;
}

} // namespace

QString storableCharacters(QStringView inserted, bool multiLine) {
    const QString candidate = multiLine ? normaliseLineBreaks(inserted) : inserted.toString();
    const QString composed = candidate.normalized(QString::NormalizationForm_C);
    QString storable;
    storable.reserve(composed.size());
    for (qsizetype i = 0; i < composed.size();) {
        const QStringView character = QStringView(composed).mid(i);
        const qsizetype length = characterLength(character);
        i += length;
        if (length == 1 && isAdmitted(character.front(), multiLine)) {
            storable.append(character.front());
            continue;
        }
        const QString compatible =
            character.left(length).toString().normalized(QString::NormalizationForm_KC);
        if (std::all_of(compatible.begin(), compatible.end(),
                        [multiLine](QChar ch) { return isAdmitted(ch, multiLine); })) {
            storable.append(compatible);
        }
    }
    return storable;
}

QString admitInsertion(QStringView inserted, qsizetype keptLength, qsizetype previousLength,
                       int limit, bool multiLine) {
    QString admitted = storableCharacters(inserted, multiLine);
    const qsizetype capacity = std::max<qsizetype>(limit, previousLength);
    const qsizetype room = std::max<qsizetype>(0, capacity - keptLength);
    admitted.truncate(room);
    return admitted;
}

bool insertsText(QStringView keyText, Qt::KeyboardModifiers modifiers, bool multiLine) {
    if (keyText.isEmpty()) {
        return false;
    }
    const QChar first = keyText.front();
    if (first.category() == QChar::Other_Format) {
        return true;
    }
    if (modifiers == Qt::ControlModifier ||
        modifiers == (Qt::ControlModifier | Qt::ShiftModifier)) {
        return false; // a shortcut; Ctrl+Alt is AltGr on some keyboards and types
    }
    return first.isPrint() || first.category() == QChar::Other_PrivateUse || first.isSurrogate() ||
           (multiLine && first == u'\t');
}

Replacement keptWithinText(Replacement asked, int caret, int textLength) {
    const int from = std::clamp(caret + asked.start, 0, textLength);
    const int length = std::clamp(asked.length, 0, textLength - from);
    return {from - caret, length};
}

} // namespace scribel
