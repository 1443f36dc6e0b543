#pragma once

#include "platform/form.h"
#include "platform/magazine.h"

#include <QStringList>
#include <optional>

namespace scribel::sheetfile {

// Applies the lines of a file of the earlier version (no version line; lines[0] is its
// line 1, the surname) to the form in line order. Its lines 21, 24 and 40 to 49 hold
// nothing the sheet uses; missing lines count as empty. Returns the magazine that
// line 50 chooses, if it chooses one.
std::optional<Magazine> applyEarlierLines(Form& form, const QStringList& lines);

} // namespace scribel::sheetfile
