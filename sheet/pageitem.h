#pragma once

#include <QString>
#include <vector>

namespace scribel {

// The font styles of the printed sheet (all Arial).
enum class PrintStyle {
    Opening,  // 10 pt
    Title,    // 22 pt bold italic
    Heading,  // 13 pt bold
    Body,     // 8 pt
    Emphasis, // 8 pt bold
};

// One text of the printed page, its top-left corner in millimetres from the
// top-left corner of the printable area.
struct PageItem {
    double xMm = 0;
    double yMm = 0;
    PrintStyle style = PrintStyle::Body;
    QString text;

    friend bool operator==(const PageItem& a, const PageItem& b) {
        return a.xMm == b.xMm && a.yMm == b.yMm && a.style == b.style && a.text == b.text;
    }
};

using Page = std::vector<PageItem>;

} // namespace scribel
