#pragma once

class QWidget;

namespace scribel {

class TwipsTabWidget;

// Makes room for a desktop style whose parts are larger than the sheet was laid out for.
// A tab strip or frame taller than the band the sheet leaves above its pages' controls
// moves them down by the difference, and the tab control, the window and the window's own
// controls follow. Called once, with every control at its twips.
void fitToStyle(QWidget& window, TwipsTabWidget& tabs);
// Inside `page`, once: an option or check box whose indicator is taller than its row draws
// it scaled to the row; one whose caption still does not fit grows to the right, as far as
// its container and the next control on its row allow.
void fitButtonsToStyle(QWidget& page, const TwipsTabWidget& tabs);

} // namespace scribel
