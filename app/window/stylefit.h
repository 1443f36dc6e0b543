#pragma once

class QWidget;

namespace scribel {

class TwipsTabWidget;

// Makes room for a desktop style whose parts are larger than the ones the sheet was laid
// out for. When the tab strip or frame is taller than the band the sheet leaves above its
// pages' controls, those controls move down by the difference, and the tab control, the
// window and the window's own controls standing over the pages follow. An option or check
// box whose indicator is taller than its row draws it scaled to the row. One whose caption
// still does not fit beside the style's larger indicator grows to the right,
// as far as its container and the next control on its row allow. Under a style whose
// parts fit, nothing moves. Called once, when the tab control and the window's own
// controls stand at their twips; a page's buttons are fitted once they are made.
void fitToStyle(QWidget& window, TwipsTabWidget& tabs);
// The indicators and captions of the option and check boxes inside `page`, once.
void fitButtonsToStyle(QWidget& page, const TwipsTabWidget& tabs);

} // namespace scribel
