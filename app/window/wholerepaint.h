#pragma once

class QWidget;

namespace scribel {

// Repaints the whole window each time its surface is exposed. When the compositor switches
// the window's decorations while it runs, Qt draws into a new buffer with other margins
// and exposes the window, yet repaints only the parts it knows to be out of date: the
// rest would stay blank until something else repainted it.
void repaintWholeOnExpose(QWidget& window);

} // namespace scribel
