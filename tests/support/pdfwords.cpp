#include "support/pdfwords.h"

#include <QLatin1StringView>
#include <QProcess>
#include <QXmlStreamReader>
#include <algorithm>
#include <cmath>

namespace scribel::test {

double expectedPoints(PrintStyle style) {
    switch (style) {
    case PrintStyle::Opening:
        return 10;
    case PrintStyle::Title:
        return 22;
    case PrintStyle::Heading:
        return 13;
    case PrintStyle::Body:
    case PrintStyle::Emphasis:
        return 8;
    }
    return 0;
}

// The words of the PDF's pages, as `pdftotext -bbox` reads them; empty when it fails.
std::vector<PdfWord> readPdfWords(const QString& pdfPath) {
    QProcess pdftotext;
    pdftotext.start(QStringLiteral("pdftotext"),
                    {QStringLiteral("-bbox"), pdfPath, QStringLiteral("-")});
    if (!pdftotext.waitForFinished()) {
        return {};
    }
    std::vector<PdfWord> words;
    QXmlStreamReader xml(QString::fromUtf8(pdftotext.readAllStandardOutput()));
    while (!xml.atEnd()) {
        if (xml.readNext() != QXmlStreamReader::StartElement || xml.name() != u"word") {
            continue;
        }
        const auto millimetres = [&xml](const char* name) {
            return xml.attributes().value(QLatin1StringView(name)).toDouble() * kMmPerPoint;
        };
        const double top = millimetres("yMin");
        const double height = millimetres("yMax") - top;
        const double left = millimetres("xMin");
        words.push_back({xml.readElementText(), left, top, height});
    }
    return words;
}

// The item's first word at its corner (printable area's corner + item position), or
// nullptr.
const PdfWord* findItemWord(const std::vector<PdfWord>& words, const PageItem& item,
                            double printableLeftMm, double printableTopMm) {
    const QString firstWord = item.text.section(u' ', 0, 0, QString::SectionSkipEmpty);
    const double x = printableLeftMm + item.xMm;
    const double y = printableTopMm + item.yMm;
    const auto found = std::find_if(words.begin(), words.end(), [&](const PdfWord& word) {
        return word.text == firstWord && std::abs(word.xMm - x) <= kPositionToleranceMm &&
               std::abs(word.yMm - y) <= kPositionToleranceMm;
    });
    return found == words.end() ? nullptr : &*found;
}

// The words of a PDF on their baselines, as Ghostscript's text device reads them (at
// 720 dpi, for 0.035 mm steps): for a PDF whose fonts a print chain rewrote, since
// pdftotext's box then follows each font subset's glyphs. `yMm` is the baseline.
std::vector<PdfWord> readPdfBaselines(const QString& pdfPath) {
    QProcess gs;
    gs.start(QStringLiteral("gs"),
             {QStringLiteral("-q"), QStringLiteral("-dNOPAUSE"), QStringLiteral("-dBATCH"),
              QStringLiteral("-dSAFER"), QStringLiteral("-r720"),
              QStringLiteral("-sDEVICE=txtwrite"), QStringLiteral("-dTextFormat=0"),
              QStringLiteral("-sOutputFile=-"), pdfPath});
    if (!gs.waitForFinished()) {
        return {};
    }
    constexpr double kMmPerDot = 25.4 / kGhostscriptDotsPerInch;
    std::vector<PdfWord> words;
    bool startsWord = true;
    double lastEnd = 0;
    QXmlStreamReader xml(gs.readAllStandardOutput());
    while (!xml.atEnd()) {
        if (xml.readNext() != QXmlStreamReader::StartElement || xml.name() != u"char") {
            continue;
        }
        const QString character = xml.attributes().value(QLatin1StringView("c")).toString();
        if (character.trimmed().isEmpty()) {
            startsWord = true;
            continue;
        }
        const QStringList box =
            xml.attributes().value(QLatin1StringView("bbox")).toString().split(u' ');
        const double x = box.value(0).toDouble() * kMmPerDot;
        const double baseline = box.value(1).toDouble() * kMmPerDot;
        // A character far from the previous one's end, or on another line, starts a word.
        if (!startsWord && !words.empty() && std::abs(words.back().yMm - baseline) < 0.01 &&
            std::abs(lastEnd - x) < 0.5) {
            words.back().text += character;
        } else {
            words.push_back({character, x, baseline, 0}); // no height: the baseline is the point
        }
        lastEnd = box.value(2).toDouble() * kMmPerDot;
        startsWord = false;
    }
    return words;
}

// The item's first word with its corner at the item's position: its left edge there and
// its baseline one ascent below.
const PdfWord* findItemOnBaseline(const std::vector<PdfWord>& baselines, const PageItem& item,
                                  double printableLeftMm, double printableTopMm) {
    const QString firstWord = item.text.section(u' ', 0, 0, QString::SectionSkipEmpty);
    const double x = printableLeftMm + item.xMm;
    const double baseline =
        printableTopMm + item.yMm + kAscentPerEm * expectedPoints(item.style) * kMmPerPoint;
    const auto found = std::find_if(baselines.begin(), baselines.end(), [&](const PdfWord& word) {
        return word.text == firstWord && std::abs(word.xMm - x) <= kPositionToleranceMm &&
               std::abs(word.yMm - baseline) <= kPositionToleranceMm;
    });
    return found == baselines.end() ? nullptr : &*found;
}

// The font size the word's box shows, in points.
double wordPoints(const PdfWord& word) {
    return word.heightMm / kLineHeightPerEm / kMmPerPoint;
}

} // namespace scribel::test
