#pragma once

#include "lineentry.h"

namespace scribel::sheetfile {

// The earlier version's layout, for applyLines: no version line (line 1 is the
// surname); lines 21, 24 and 40 to 49 hold nothing the sheet uses; line 50 holds the
// magazine.
LineLayout earlierLayout();

} // namespace scribel::sheetfile
