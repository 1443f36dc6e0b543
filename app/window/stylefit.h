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
// parts fit, nothing moves. Called once, when every control stands at its twips.
void fitToStyle(QWidget& window, TwipsTabWidget& tabs);

} // namespace scribel
