#pragma once

#include "messageboxes.h"

#include <QFileInfo>
#include <QString>

namespace scribel {

// What a file dialog does with the name the author confirmed.
enum class ChosenFileVerdict {
    Accept,
    AskReplace,        // save: the file exists; ask before replacing it
    AskCreate,         // save: no such file yet; ask before creating it
    RefusePattern,     // "*" or "?" in a name that no file bears: a pattern, not a file
    RefuseNameTooLong, // more than 255 bytes in the name
    RefusePathTooLong, // more than 4,096 bytes in the whole path
    RefuseInvalidName, // U+FFFD, which stands for bytes that were not UTF-8
    RefuseMissingFolder,
    RefuseFolderNotEnterable,
    RefuseReadOnlyFile,   // save only: reading a read-only file harms nothing
    RefuseReadOnlyFolder, // save only
    RefuseNotAFile,
};

// The folder must exist and be open to us; the file must be writable, and its folder
// too since the new file is written beside the old one before it takes its place.
ChosenFileVerdict checkSaveChoice(const QFileInfo& chosen);

// The folder must exist and be open to us; the file need not (loading then says so).
ChosenFileVerdict checkOpenChoice(const QFileInfo& chosen);

// What the dialog does on a verdict: close on the name, put a question first (closing
// on "Oui"), or tell why not and stay open.
struct ChosenFileResponse {
    enum class Kind { Close, Ask, Refuse };
    Kind kind = Kind::Close;
    QString text;
    DefaultAnswer defaultAnswer = DefaultAnswer::No; // for a question
};

ChosenFileResponse responseTo(ChosenFileVerdict verdict, const QFileInfo& chosen);

} // namespace scribel
