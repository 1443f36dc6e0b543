#include "typingfilter.h"

#include "platform/core/linebreaks.h"
#include "platform/core/windows1252.h"

#include <algorithm>

namespace scribel {

namespace {

bool isAdmitted(QChar ch, bool multiLine) {
    const char16_t code = ch.unicode();
    if (code == u'\n') {
        return multiLine;
    }
    return code >= 0x20 && code != 0x7F && (code < 0x80 || code > 0x9F) && cp1252::isEncodable(ch);
}

// One character, a surrogate pair being one: its length at the start of the text.
qsizetype characterLength(QStringView text) {
    return text.size() > 1 && text[0].isHighSurrogate() && text[1].isLowSurrogate() ? 2 : 1;
}

// How the code page holds one character: itself, its compatibility form, or not at all.
QString storableForm(QStringView character, bool multiLine) {
    if (character.size() == 1 && isAdmitted(character.front(), multiLine)) {
        return character.toString();
    }
    QString compatible = character.toString().normalized(QString::NormalizationForm_KC);
    return isStorable(compatible, multiLine) ? compatible : QString();
}

// Every line break and tab as the field holds it: on several lines a break is '\n' and a tab
// a space; on one line each run of them is one space, keeping the words apart.
QString withSeparatorsOf(QStringView inserted, bool multiLine) {
    QString text = normaliseLineBreaks(inserted);
    qsizetype kept = 0;
    bool inRun = false;
    for (qsizetype i = 0; i < text.size(); ++i) {
        const QChar ch = text[i];
        const bool breaks = ch == u'\n' || ch == u'\v' || ch == u'\f' || ch == QChar(0x85);
        const bool separates = breaks || ch == u'\t';
        if (!(separates && inRun && !multiLine)) {
            text[kept++] = !separates ? ch : breaks && multiLine ? QChar(u'\n') : QChar(u' ');
        }
        inRun = separates;
    }
    text.truncate(kept);
    return text;
}

// Joins each combining mark to the character before it, `before` included, or refuses it.
QString withMarksJoined(QStringView text, QChar before, bool multiLine, Admission& admission) {
    QString joined = before.isNull() ? QString() : QString(before);
    joined.reserve(joined.size() + text.size());
    for (const QChar ch : text) {
        if (!ch.isMark()) {
            joined.append(ch);
            continue;
        }
        const QString composed = (joined.right(1) + ch).normalized(QString::NormalizationForm_C);
        if (!joined.isEmpty() && composed.size() == 1 && isAdmitted(composed.front(), multiLine)) {
            joined.back() = composed.front();
        } else {
            admission.whole = false;
        }
    }
    if (!before.isNull()) {
        admission.replacesPrevious = joined.front() != before;
        joined.remove(0, admission.replacesPrevious ? 0 : 1);
    }
    return joined;
}

} // namespace

bool isStorable(QStringView text, bool multiLine) {
    return std::all_of(text.begin(), text.end(),
                       [multiLine](QChar ch) { return isAdmitted(ch, multiLine); });
}

Admission admitInsertion(QStringView inserted, QChar before, qsizetype keptLength,
                         qsizetype previousLength, int limit, bool multiLine) {
    Admission admission;
    const QString joined =
        withMarksJoined(withSeparatorsOf(inserted, multiLine), before, multiLine, admission);
    const qsizetype capacity = std::max<qsizetype>(limit, previousLength);
    // A joined character before the insertion takes no more room than it had.
    qsizetype room =
        std::max<qsizetype>(0, capacity - keptLength + (admission.replacesPrevious ? 1 : 0));
    admission.text.reserve(std::min(joined.size(), room));
    qsizetype i = 0;
    while (i < joined.size()) {
        const qsizetype length = characterLength(QStringView(joined).mid(i));
        const QString form = storableForm(QStringView(joined).mid(i, length), multiLine);
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

std::optional<Commit> admitCommit(const QInputMethodEvent& event, int caret, int selected,
                                  int length, const std::function<QChar(int)>& characterAt,
                                  int limit, bool multiLine) {
    Commit commit{{},
                  keptWithinText({event.replacementStart(), event.replacementLength()}, caret,
                                 length - selected)};
    if (event.commitString().isEmpty()) {
        return commit;
    }
    const int from = caret + commit.replaced.start; // once the selection is removed
    const QChar before =
        from > 0 ? characterAt(from - 1 < caret ? from - 1 : from - 1 + selected) : QChar();
    commit.admission =
        admitInsertion(event.commitString(), before, length - selected - commit.replaced.length,
                       length, limit, multiLine);
    if (commit.admission.text.isEmpty()) {
        return std::nullopt;
    }
    if (commit.admission.replacesPrevious) {
        --commit.replaced.start;
        ++commit.replaced.length;
    }
    return commit;
}

} // namespace scribel
