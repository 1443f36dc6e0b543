#include "sheetcodec.h"

#include "lineentry.h"
#include "linesplitter.h"
#include "platform/core/windows1252.h"
#include "sheetlayout.h"

namespace scribel::sheetfile {

std::optional<SheetFileLines> readSheetFile(QByteArrayView bytes) {
    QStringList lines = splitLines(bytes);
    if (lines.size() > kMaxLines) {
        return std::nullopt;
    }
    const bool current = !lines.isEmpty() && lines.front().startsWith(currentVersionMarker());
    return SheetFileLines{current ? Layout::Current : Layout::Earlier, std::move(lines)};
}

std::optional<OverlongLine> firstOverlongLine(const QStringList& lines) {
    for (qsizetype i = 0; i < lines.size(); ++i) {
        if (lines[i].size() > kMaxLineLength) {
            return OverlongLine{static_cast<int>(i + 1), lines[i].size()};
        }
    }
    return std::nullopt;
}

QByteArray encodeSheetFile(const Form& form, Magazine magazine) {
    const QString lineEnd = QStringLiteral("\r\n");
    return cp1252::encode(sheetLines(form, magazine).join(lineEnd) + lineEnd);
}

} // namespace scribel::sheetfile
