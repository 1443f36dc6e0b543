#include "cutlines.h"

#include "platform/core/linebreaks.h"

namespace scribel::print {

using namespace Qt::Literals::StringLiterals;

QString singleLine(const QString& text) {
    return normaliseLineBreaks(text).replace(u'\n', u' ');
}

namespace {

// A character drawn with a width of its own. Latin-1, what the fields hold, is answered
// here: it has no combining marks, only controls and the soft hyphen lack a width.
bool isPrinting(QChar ch) {
    const char16_t code = ch.unicode();
    if (code < 0x100) {
        return (code >= 0x20 && code < 0x7F) || (code >= 0xA0 && code != 0xAD);
    }
    return ch.isPrint() && !ch.isMark();
}

} // namespace

QString startThatCanShow(const QString& text) {
    qsizetype printing = 0;
    for (qsizetype i = 0; i < text.size(); ++i) {
        if (isPrinting(text[i]) && ++printing == kMostPrintingCharactersShown) {
            return text.left(i + 1);
        }
    }
    return text;
}

std::array<QString, 4> cutIntoLines(const QString& text, const LineCuts& cuts) {
    // A printed character comes from one or two (CR LF) of the text's: twice the last
    // line's end holds every character printed.
    const QString flat = singleLine(text.left(2 * qsizetype{cuts.back().last}));
    std::array<QString, 4> lines;
    for (std::size_t i = 0; i < cuts.size(); ++i) {
        const CharacterRange range = cuts[i];
        lines[i] = flat.mid(range.first - 1, range.last - range.first + 1);
    }
    return lines;
}

} // namespace scribel::print
