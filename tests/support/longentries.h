#pragma once

// Sheet files whose lines are as long as loading takes, or longer: written by the tests
// of long entries and by their benchmark.

#include "sheetfile/sheetcodec.h"

namespace scribel::test {

// The lines of a current sheet file that carry a field's text.
inline const QList<int> kLinesWithText = {2,  3,  4,  5,  6,  7,  8,  9,  10, 11, 12, 13, 14,
                                          15, 18, 19, 20, 24, 25, 26, 27, 29, 33, 34, 42};

// A 44-line current sheet file (CR LF) whose given lines hold `length` characters: one
// word without a space, which line breaking likes least, after what makes the line a
// text ("1 " ticks MembreAutre on line 18).
QByteArray sheetWithLongLines(const QList<int>& lineNumbers, qsizetype length);

// The largest sheet loading accepts: every line with a text as long as a line may be.
QByteArray longestAcceptedSheet();

} // namespace scribel::test
