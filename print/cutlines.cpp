#include "cutlines.h"

#include "platform/core/linebreaks.h"

namespace scribel::print {

using namespace Qt::Literals::StringLiterals;

QString singleLine(const QString& text) {
    return normaliseLineBreaks(text).replace(u'\n', u' ');
}

std::array<QString, 4> cutIntoLines(const QString& text, const LineCuts& cuts) {
    const QString flat = singleLine(text);
    std::array<QString, 4> lines;
    for (std::size_t i = 0; i < cuts.size(); ++i) {
        const CharacterRange range = cuts[i];
        lines[i] = flat.mid(range.first - 1, range.last - range.first + 1);
    }
    return lines;
}

} // namespace scribel::print
