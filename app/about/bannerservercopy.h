#pragma once

namespace scribel {

class BannerLabel;

// On an X11 display, the box's pixels come straight from the X server: the whole banner is
// handed to it once as a picture, and at each move of the banner the server copies the box's
// part of that picture into the window, without a repaint, a shared-memory wait or an answer
// awaited. False where it cannot (another display, a scaled one, pixels it does not hold as
// QImage's RGB32): Qt then moves the banner's pixels itself. Once it is true, Qt paints the
// banner only when it repaints the box for another reason, at the same place.
bool moveBannerOnServer(BannerLabel& label);

} // namespace scribel
