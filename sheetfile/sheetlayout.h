#pragma once

#include "platform/form.h"
#include "platform/magazine.h"

#include <QStringList>
#include <optional>

namespace scribel::sheetfile {

inline constexpr int kSheetLineCount = 44;

// The 44 lines of a sheet file for the sheet in the form, without line ends.
// The magazine is written on the last line.
QStringList sheetLines(const Form& form, Magazine magazine);

// Applies lines 2 to 44 (lines[1] to lines[43]) to the form in line order; missing
// lines count as empty, lines after the 44th are not read. Returns the magazine that
// line 44 chooses, if it chooses one.
std::optional<Magazine> applySheetLines(Form& form, const QStringList& lines);

} // namespace scribel::sheetfile
