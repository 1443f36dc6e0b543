#include "pagerenderer.h"

#include <QFontMetricsF>
#include <QPaintDevice>
#include <QPainter>
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
    painter.setPen(Qt::black);
    for (const PageItem& item : page) {
        const QFont font = printFont(item.style);
        painter.setFont(font);
        // drawText places the baseline; the item's y is the top of the line.
        const double ascent = QFontMetricsF(font, &device).ascent();
        painter.drawText(QPointF(item.xMm * dotsPerMmX, item.yMm * dotsPerMmY + ascent), item.text);
    }
}

} // namespace scribel
