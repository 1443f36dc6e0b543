#pragma once

#include <functional>

class QWidget;

namespace scribel::bench {

class ChildReport;

// Calls done once the window's first frame is on screen and the program is idle. Marks
// "painted" when the window's first paint event starts the frame, "frame" when the paint
// pass over the whole widget tree, and its flush, are over, and "idle" when the event loop
// next has nothing to do. Call it before showing the window.
void whenFirstFramePainted(QWidget& window, ChildReport& report, std::function<void()> done);

// The rest of a start-up child once its window is built: shows the window, waits for
// its first frame and idleness, reports and quits. Returns the event loop's exit code.
int showAndReport(QWidget& window, ChildReport& report);

} // namespace scribel::bench
