#include "pagerenderer.h"

#include <QFontMetricsF>
#include <QPagedPaintDevice>
#include <QPainter>
#include <algorithm>
#include <array>

namespace scribel {

using namespace Qt::Literals::StringLiterals;

namespace {

constexpr double kMmPerInch = 25.4;

struct StyleFont {
    double points;
    bool bold;
    bool italic;
};

// By PrintStyle, in the enum's order.
constexpr std::array<StyleFont, 5> kStyleFonts = {{
    {10, false, false}, // Opening
    {22, true, true},   // Title
    {13, true, false},  // Heading
    {8, false, false},  // Body
    {8, true, false},   // Emphasis
}};

// The part of the text that can show within `room` device units from its start, so that
// what lies beyond the paper is neither shaped nor embedded: the shortest start whose own
// width, as the font shapes it (kerning included), passes the room. The characters' own
// widths find it, and one shaping of that start checks it: kerning may leave it short,
// and the walk then goes on from the width measured. A base keeps its combining marks.
QString visiblePart(const QString& text, double room, const QFontMetricsF& metrics) {
    // Most texts are far shorter than a line: those are never measured.
    const double averageWidth = std::max(metrics.averageCharWidth(), 1.0);
    if (static_cast<double>(text.size()) <= room / averageWidth) {
        return text;
    }
    // Kerning shortens a line a little: the walk goes 1 % further, so that the start
    // measured is seldom short of the room.
    constexpr double kKerningAllowance = 1.01;
    // The characters' own widths, those of Latin-1 (what the fields hold) kept once asked for.
    std::array<double, 256> latin1Widths{};
    latin1Widths.fill(-1);
    const auto characterWidth = [&](QChar ch) {
        if (ch.unicode() >= latin1Widths.size()) {
            return metrics.horizontalAdvance(ch);
        }
        double& cached = latin1Widths[ch.unicode()];
        if (cached < 0) {
            cached = metrics.horizontalAdvance(ch);
        }
        return cached;
    };
    double width = 0; // of the start measured last
    qsizetype length = 0;
    while (true) {
        for (double estimate = width; estimate <= kKerningAllowance * room && length < text.size();
             ++length) {
            estimate += characterWidth(text[length]);
        }
        while (length < text.size() && (text[length].isLowSurrogate() || text[length].isMark())) {
            ++length;
        }
        if (length >= text.size()) {
            return text;
        }
        width = metrics.horizontalAdvance(text.left(length));
        if (width > room) {
            return text.left(length);
        }
    }
}

// The paper's right edge, in device units from the painter's origin (the printable
// area's left edge on a printer); the device's width elsewhere.
double paperRight(const QPaintDevice& device) {
    if (const auto* paged = dynamic_cast<const QPagedPaintDevice*>(&device)) {
        const QPageLayout layout = paged->pageLayout();
        const int dpi = device.logicalDpiX();
        return layout.fullRectPixels(dpi).right() - layout.paintRectPixels(dpi).left();
    }
    return device.width();
}

} // namespace

QFont printFont(PrintStyle style) {
    const StyleFont& styleFont = kStyleFonts[static_cast<std::size_t>(style)];
    QFont font(u"Arial"_s);
    font.setStyleHint(QFont::SansSerif);
    font.setPointSizeF(styleFont.points);
    font.setBold(styleFont.bold);
    font.setItalic(styleFont.italic);
    return font;
}

void drawPage(QPainter& painter, const Page& page) {
    const QPaintDevice& device = *painter.device();
    const double dotsPerMmX = device.logicalDpiX() / kMmPerInch;
    const double dotsPerMmY = device.logicalDpiY() / kMmPerInch;
    const double right = paperRight(device);
    painter.setPen(Qt::black);
    for (const PageItem& item : page) {
        const QFont font = printFont(item.style);
        painter.setFont(font);
        const QFontMetricsF metrics(font, &device);
        const double x = item.xMm * dotsPerMmX;
        // A line's height beyond the edge, for an italic glyph's overhang.
        const QString shown = visiblePart(item.text, right - x + metrics.height(), metrics);
        // drawText places the baseline; the item's y is the top of the line.
        painter.drawText(QPointF(x, item.yMm * dotsPerMmY + metrics.ascent()), shown);
    }
}

} // namespace scribel
