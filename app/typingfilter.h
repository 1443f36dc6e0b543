#pragma once

#include <QString>
#include <QStringView>

namespace scribel {

// The part of a typed or pasted text that a field takes. Characters the code page
// lacks are refused, and so are control characters, but for a line break in a
// multi-line field (which counts as one character). The rest is cut so that the
// field does not grow past its limit; a field that already holds more than its
// limit (text set by the program) may shrink but not grow.
//   keptLength: what stays of the field around the insertion;
//   previousLength: the field's length before the edit.
QString admitInsertion(QStringView inserted, qsizetype keptLength, qsizetype previousLength,
                       int limit, bool multiLine);

} // namespace scribel
