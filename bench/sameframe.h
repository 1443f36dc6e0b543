#pragma once

#include <memory>

class QWidget;

namespace scribel::bench {

// The floor of the start-up benchmark: a plain Qt Widgets window that shows the same first
// frame as La Scribel's, every control of every tab made at once from the same catalogue,
// with Qt's own widgets and nothing of the window's.
std::unique_ptr<QWidget> makeSameFrameWindow();

} // namespace scribel::bench
