#pragma once

#include <QFileInfo>

namespace scribel {

// What a file dialog does with the name the author confirmed.
enum class ChosenFileVerdict {
    Accept,
    AskReplace, // save: the file exists; ask before replacing it
    AskCreate,  // save: no such file yet; ask before creating it
    StayOpen,   // a pattern such as "*.pxr" names no file
    RefuseMissingFolder,
    RefuseReadOnlyFile,   // save only: reading a read-only file harms nothing
    RefuseReadOnlyFolder, // save only
    RefuseNotAFile,
};

// The folder must exist; the file must be writable, and its folder too since the
// new file is written beside the old one before it takes its place.
ChosenFileVerdict checkSaveChoice(const QFileInfo& chosen);

// The folder must exist; the file need not (loading then says so).
ChosenFileVerdict checkOpenChoice(const QFileInfo& chosen);

} // namespace scribel
