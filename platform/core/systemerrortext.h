#pragma once

#include <QString>

namespace scribel {

// The system's error number (errno) said in French, as a short clause that fits in
// parentheses after what failed: the system's own English words never reach the author.
QString systemErrorText(int errorNumber);

} // namespace scribel
