#include "printrun.h"

#include "cutlines.h"

namespace scribel::print {

void PrintRun::beginColumn(double originMm, double linePositionMm) {
    m_columnOrigin = originMm;
    m_linePosition = linePositionMm;
}

void PrintRun::print(PrintStyle style, const QString& text, double indentMm) {
    if (text.isEmpty()) {
        return;
    }
    // A field loaded from a file may hold a line break even where the window shows one line.
    m_page.push_back({m_columnOrigin + indentMm, m_linePosition, style, singleLine(text)});
}

void PrintRun::printAfter(double gapMm, PrintStyle style, const QString& text, double indentMm) {
    m_linePosition += gapMm;
    print(style, text, indentMm);
}

void PrintRun::printNextLine(PrintStyle style, const QString& text, double indentMm) {
    printAfter(m_lineStep, style, text, indentMm);
}

} // namespace scribel::print
