#include "typingfilter.h"

#include "platform/core/linebreaks.h"
#include "platform/core/windows1252.h"

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

// The form in which the code page holds one character: itself, its compatibility form,
// or nothing.
QString storableForm(QStringView character, bool multiLine) {
    if (character.size() == 1 && isAdmitted(character.front(), multiLine)) {
        return character.toString();
    }
    QString compatible = character.toString().normalized(QString::NormalizationForm_KC);
    return isStorable(compatible, multiLine) ? compatible : QString();
}

QString withLineBreaksOf(QStringView inserted, bool multiLine) {
    QString text = normaliseLineBreaks(inserted);
    if (!multiLine) {
        // One line: words on either side of a break stay apart.
        QString joined;
        joined.reserve(text.size());
        for (qsizetype i = 0; i < text.size(); ++i) {
            if (text[i] != u'\n') {
                joined.append(text[i]);
            } else if (i == 0 || text[i - 1] != u'\n') {
                joined.append(u' ');
            }
        }
        text = std::move(joined);
    }
    return text;
}

} // namespace

bool isStorable(QStringView text, bool multiLine) {
    return std::all_of(text.begin(), text.end(),
                       [multiLine](QChar ch) { return isAdmitted(ch, multiLine); });
}

Admission admitInsertion(QStringView inserted, QChar before, qsizetype keptLength,
                         qsizetype previousLength, int limit, bool multiLine) {
    const QString composed =
        withLineBreaksOf(inserted, multiLine).normalized(QString::NormalizationForm_C);
    const qsizetype capacity = std::max<qsizetype>(limit, previousLength);
    qsizetype room = std::max<qsizetype>(0, capacity - keptLength);
    Admission admission;
    admission.text.reserve(std::min(composed.size(), room) + 1);
    qsizetype i = 0;
    if (!before.isNull() && !composed.isEmpty() && composed.front().isMark()) {
        const QString joined =
            (QString(before) + composed.front()).normalized(QString::NormalizationForm_C);
        if (joined.size() == 1 && isAdmitted(joined.front(), multiLine)) {
            admission.text = joined;
            admission.replacesPrevious = true;
            i = 1;
        }
    }
    while (i < composed.size()) {
        const qsizetype length = characterLength(QStringView(composed).mid(i));
        const QString form = storableForm(QStringView(composed).mid(i, length), multiLine);
        i += length;
        if (form.isEmpty()) {
            admission.whole = false;
            continue;
        }
        if (form.size() > room) {
            admission.whole = false;
            break;
        }
        room -= form.size();
        admission.text.append(form);
    }
    return admission;
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
