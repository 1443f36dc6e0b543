#pragma once

#include "lineentry.h"
#include "platform/core/form.h"
#include "sheet/magazine.h"

#include <QStringList>

namespace scribel::sheetfile {

inline constexpr int kSheetLineCount = 44;

// The 44 lines of a sheet file for the sheet in the form, without line ends.
// The magazine is written on the last line.
QStringList sheetLines(const Form& form, Magazine magazine);

// The current layout, for applyLines: line 1 is the version line, lines 2 to 44 hold
// the sheet, line 44 the magazine; lines after the 44th are not read.
LineLayout sheetLayout();

} // namespace scribel::sheetfile
