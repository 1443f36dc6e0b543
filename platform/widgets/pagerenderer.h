#pragma once

#include "sheet/pageitem.h"

#include <QFont>

class QPainter;

namespace scribel {

// Arial at the style's size and weight; where Arial is absent the system puts its
// metric twin in its place.
QFont printFont(PrintStyle style);

// Draws the page with a painter active on a printer or a PDF writer, whose origin is the
// top-left corner of the printable area: each item's top-left corner (the top of its
// line, not of its ink) lands at its millimetre position.
void drawPage(QPainter& painter, const Page& page);

} // namespace scribel
