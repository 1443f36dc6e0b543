#pragma once

// A PDF read back with pdftotext -bbox: each word where it stands on the page, to check
// that printed items land where the page layout puts them.

#include "sheet/pageitem.h"

#include <QStringList>

namespace scribel::test {

inline constexpr double kMmPerPoint = 25.4 / 72;
inline constexpr double kPositionToleranceMm = 0.3;

double expectedPoints(PrintStyle style);

// What the program writes on its standard output; empty when it fails to finish.
QByteArray outputOf(const QString& program, const QStringList& arguments);

// One word as pdftotext found it, in millimetres from the page's top-left corner.
struct PdfWord {
    QString text;
    double xMm;
    double yMm;
    double heightMm;
};

// The words of the PDF's pages, as `pdftotext -bbox` reads them; empty when it fails.
std::vector<PdfWord> readPdfWords(const QString& pdfPath);

// The item's first word at its corner in the printable area, or nullptr.
const PdfWord* findItemWord(const std::vector<PdfWord>& words, const PageItem& item,
                            double printableLeftMm, double printableTopMm);

// The words on their baselines (`yMm`), as Ghostscript's text device reads them: for a
// PDF whose fonts a print chain rewrote, where pdftotext's box follows each subset's glyphs.
std::vector<PdfWord> readPdfBaselines(const QString& pdfPath);

// The item's first word with its corner at the item's position: its left edge there and
// its baseline one ascent below.
const PdfWord* findItemOnBaseline(const std::vector<PdfWord>& baselines, const PageItem& item,
                                  double printableLeftMm, double printableTopMm);

// The font size the word's box shows, in points.
double wordPoints(const PdfWord& word);

} // namespace scribel::test
