#pragma once

#include <QByteArrayView>
#include <QStringList>

namespace scribel::sheetfile {

// The lines of a sheet file, decoded from Windows-1252, without their line ends.
// A CR ends a line and one LF right after it is skipped; a lone LF stays inside its
// line, where it is a line break of a multi-line field. A file that holds LFs but no
// CR at all had its line ends converted, and each LF ends a line. The last line needs
// no line end; an empty file has no line.
QStringList splitLines(QByteArrayView bytes);

} // namespace scribel::sheetfile
