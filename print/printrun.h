#pragma once

#include "sheet/pageitem.h"

#include <QString>
#include <utility>

namespace scribel::print {

// The moving print position of one print run and the items printed so far. Lines go
// down the current column; an indent moves its one line only.
class PrintRun final {
public:
    // Where a column begins: its x and the line position of its first line.
    void beginColumn(double originMm, double linePositionMm);
    void setLineStep(double stepMm) { m_lineStep = stepMm; }
    double lineStep() const { return m_lineStep; }

    // Keeps the current line position as the left column's end.
    void recordLeftColumnEnd() { m_leftColumnEnd = m_linePosition; }
    double leftColumnEnd() const { return m_leftColumnEnd; }

    // Prints at the current line position. An empty text prints nothing: its line's
    // space stays empty.
    void print(PrintStyle style, const QString& text, double indentMm = 0);
    // Advances the line position by a gap, then prints.
    void printAfter(double gapMm, PrintStyle style, const QString& text, double indentMm = 0);
    // Advances by the line step, then prints.
    void printNextLine(PrintStyle style, const QString& text, double indentMm = 0);

    Page takePage() { return std::move(m_page); }

private:
    double m_columnOrigin = 0;
    double m_linePosition = 0;
    double m_lineStep = 0;
    double m_leftColumnEnd = 0;
    Page m_page;
};

} // namespace scribel::print
