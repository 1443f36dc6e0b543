#include "support/pdfwords.h"

#include <QLatin1StringView>
#include <QProcess>
#include <QXmlStreamReader>
#include <algorithm>
#include <cmath>

namespace scribel::test {

namespace {

// pdftotext's word box spans the font's ascent and descent: 0.905 + 0.212 em for Arial
// and its metric twin, Liberation Sans, which puts the baseline 0.905 em below the top.
constexpr double kLineHeightPerEm = 1.117;
constexpr double kAscentPerEm = 0.905;

const PdfWord* findFirstWord(const std::vector<PdfWord>& words, const PageItem& item, double x,
                             double y) {
    const QString firstWord = item.text.section(u' ', 0, 0, QString::SectionSkipEmpty);
    const auto found = std::find_if(words.begin(), words.end(), [&](const PdfWord& word) {
        return word.text == firstWord && std::abs(word.xMm - x) <= kPositionToleranceMm &&
               std::abs(word.yMm - y) <= kPositionToleranceMm;
    });
    return found == words.end() ? nullptr : &*found;
}

} // namespace

QByteArray outputOf(const QString& program, const QStringList& arguments) {
    QProcess process;
    process.start(program, arguments);
    return process.waitForFinished() ? process.readAllStandardOutput() : QByteArray();
}

double expectedPoints(PrintStyle style) {
    constexpr double kPoints[] = {10, 22, 13, 8, 8}; // Opening, Title, Heading, Body, Emphasis
    return kPoints[static_cast<int>(style)];
}

std::vector<PdfWord> readPdfWords(const QString& pdfPath) {
    std::vector<PdfWord> words;
    QXmlStreamReader xml(outputOf(QStringLiteral("pdftotext"),
                                  {QStringLiteral("-bbox"), pdfPath, QStringLiteral("-")}));
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

const PdfWord* findItemWord(const std::vector<PdfWord>& words, const PageItem& item,
                            double printableLeftMm, double printableTopMm) {
    return findFirstWord(words, item, printableLeftMm + item.xMm, printableTopMm + item.yMm);
}

std::vector<PdfWord> readPdfBaselines(const QString& pdfPath) {
    constexpr double kMmPerDot = 25.4 / 720; // at 720 dpi, for 0.035 mm steps
    std::vector<PdfWord> words;
    bool startsWord = true;
    double lastEnd = 0;
    const QString options = QStringLiteral(
        "-q -dNOPAUSE -dBATCH -dSAFER -r720 -sDEVICE=txtwrite -dTextFormat=0 -sOutputFile=-");
    QXmlStreamReader xml(outputOf(QStringLiteral("gs"), options.split(u' ') << pdfPath));
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

const PdfWord* findItemOnBaseline(const std::vector<PdfWord>& baselines, const PageItem& item,
                                  double printableLeftMm, double printableTopMm) {
    return findFirstWord(baselines, item, printableLeftMm + item.xMm,
                         printableTopMm + item.yMm +
                             kAscentPerEm * expectedPoints(item.style) * kMmPerPoint);
}

double wordPoints(const PdfWord& word) {
    return word.heightMm / kLineHeightPerEm / kMmPerPoint;
}

} // namespace scribel::test
