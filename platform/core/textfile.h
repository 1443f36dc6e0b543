#pragma once

#include <QByteArray>
#include <QString>
#include <optional>

class QFileInfo;

namespace scribel {

enum class FileProblem {
    Missing,            // no file by that name
    NotAFile,           // a folder, a device or a pipe
    CannotOpen,         // it exists but cannot be opened for reading
    CannotRead,         // reading stopped part-way
    TooLarge,           // more bytes than the caller accepts
    ReadOnlyTarget,     // the file to replace is read-only
    CannotCreate,       // no new file can be made in that folder
    WriteFailed,        // the bytes did not all reach the disk (a full disk, for one)
    CannotReplace,      // the new file could not take the old one's place
    AccessDenied,       // the system refuses us the file itself
    FolderNotEnterable, // a folder on the way may not be entered
    NameTooLong,        // a name of more than 255 bytes
    PathTooLong,        // a whole path of more than 4,096 bytes
    InvalidName,        // a name whose bytes are not valid UTF-8 cannot be reached again
};

// What went wrong, and the system's error number (errno) when it gave one.
struct FileError {
    FileProblem problem;
    int systemError = 0;
};

struct FileBytes {
    QByteArray bytes;
    std::optional<FileError> error;
};

// Whether nobody may write the file or folder: no write permission bit at all (even
// for root, whom the system would let write it), or none that we have.
bool isWriteProtected(const QFileInfo& info);

// The whole file, or why it could not be read. The file is opened without waiting (a
// pipe or a device put in its place never blocks) and must be a regular file by the
// descriptor opened; one of more than maxBytes bytes is refused without being read whole.
FileBytes readFileBytes(const QString& path, qint64 maxBytes);

// Replaces the file with exactly these bytes, or leaves it as it was: the bytes go to
// a temporary file beside it, which takes the file's place only once every byte has
// been written and flushed. A read-only file is not replaced.
std::optional<FileError> writeFileAtomically(const QString& path, const QByteArray& bytes);

} // namespace scribel
