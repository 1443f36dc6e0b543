#pragma once

#include <functional>

class QWidget;

namespace scribel {

// Runs `then` once, as soon as the window's first frame has been painted and handed to
// the display: what the window does not show at first can wait until then.
void whenFirstFrameShown(QWidget& window, std::function<void()> then);

} // namespace scribel
