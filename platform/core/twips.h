#pragma once

#include <QtGlobal>

namespace scribel {

// Twips (1/1440 inch) to pixels at the screen's logical resolution: 15 twips a pixel at 96 DPI.
inline int twipsToPixels(double twips, double logicalDpi) {
    return qRound(twips * logicalDpi / 1440.0);
}

} // namespace scribel
