#pragma once

#include <cstddef>

namespace scribel {

// The magazine the sheet is written for (ChoixMagazine). What each one changes lives in
// its profile (magazineprofile.h).
enum class Magazine { None, Pixelor, Zorvane };

// Every value but None, each with one profile.
inline constexpr std::size_t kMagazineCount = 2;

} // namespace scribel
