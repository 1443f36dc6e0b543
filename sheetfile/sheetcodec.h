#pragma once

#include "platform/core/form.h"
#include "sheet/magazine.h"

#include <QByteArray>
#include <QByteArrayView>
#include <QStringList>
#include <optional>

namespace scribel::sheetfile {

// The most lines a sheet file may have; a longer file is refused whole.
inline constexpr int kMaxLines = 71;

// The largest file read as a sheet: far above what 71 lines of typed fields fill, and
// a guard against reading a film or a device whole.
inline constexpr qint64 kMaxFileBytes = qint64{1024} * 1024;

// The longest line a sheet file may hold: as much as a single-line field can take, and
// far more than anything typed. The same bound for the multi-line fields keeps every
// field quick to lay out and to edit; a file with a longer line is refused whole.
inline constexpr qsizetype kMaxLineLength = 32767;

enum class Layout {
    Current, // the first line begins with the version marker
    Earlier, // anything else, an empty file included
};

struct SheetFileLines {
    Layout layout;
    QStringList lines;
};

// The lines of a sheet file and which layout they follow; nothing when the file has
// more than kMaxLines lines.
std::optional<SheetFileLines> readSheetFile(QByteArrayView bytes);

struct OverlongLine {
    int number;       // 1 for the file's first line
    qsizetype length; // in characters
};

// The first line longer than kMaxLineLength, if there is one.
std::optional<OverlongLine> firstOverlongLine(const QStringList& lines);

// The whole file for the sheet in the form: 44 lines in Windows-1252, each ended by
// CR LF. A character the code page lacks is written as '?'.
QByteArray encodeSheetFile(const Form& form, Magazine magazine);

} // namespace scribel::sheetfile
