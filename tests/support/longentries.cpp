#include "support/longentries.h"

namespace scribel::test {

QByteArray sheetWithLongLines(const QList<int>& lineNumbers, qsizetype length) {
    QList<QByteArray> lines(44);
    lines[0] = "V2";
    lines[43] = " 1 ";
    for (const int number : lineNumbers) {
        const QByteArray lead = number == 18 ? QByteArray("1 ") : QByteArray();
        lines[number - 1] = lead + QByteArray(length - lead.size(), 'm');
    }
    QByteArray file;
    for (const QByteArray& line : lines) {
        file += line + "\r\n";
    }
    return file;
}

QByteArray longestAcceptedSheet() {
    return sheetWithLongLines(kLinesWithText, sheetfile::kMaxLineLength);
}

} // namespace scribel::test
