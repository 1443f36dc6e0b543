#pragma once

#include <functional>

class QWidget;

namespace scribel::bench {

class ChildReport;

// Calls done once the window's first frame is on screen. Marks "painted" when the
// window's first paint event starts the frame, and "frame" when the paint pass over the
// whole widget tree, and its flush, are over. Call it before showing the window.
void whenFirstFramePainted(QWidget& window, ChildReport& report, std::function<void()> done);

// The rest of a start-up child once its window is built: shows the window, waits for
// its first frame, reports and quits. Returns the event loop's exit code.
int showAndReport(QWidget& window, ChildReport& report);

} // namespace scribel::bench
