#pragma once

namespace scribel {

// The magazine the sheet is written for (ChoixMagazine). Only the sheet file turns it
// into a number.
enum class Magazine { None, Pixelor, Zorvane };

} // namespace scribel
