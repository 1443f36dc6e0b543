#include "textfile.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>
#include <QScopeGuard>
#include <algorithm>
#include <cerrno>
#include <climits>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace scribel {

namespace {

// Whether a folder above the file refuses to be entered.
bool folderOnTheWayIsClosed(const QString& path) {
    QDir folder = QFileInfo(path).absoluteDir();
    while (true) {
        if (::access(QFile::encodeName(folder.absolutePath()).constData(), X_OK) != 0 &&
            errno == EACCES) {
            return true;
        }
        if (folder.isRoot() || !folder.cdUp()) {
            return false;
        }
    }
}

// The problems of the name itself, which the system reports as a missing file, a
// refusal or a name too long; else `otherwise`.
FileError nameError(const QString& path, int systemError, FileProblem otherwise) {
    if (systemError == ENAMETOOLONG) {
        return {QFile::encodeName(QFileInfo(path).absoluteFilePath()).size() >= PATH_MAX
                    ? FileProblem::PathTooLong
                    : FileProblem::NameTooLong,
                systemError};
    }
    // A name read from the disk with bytes that are not UTF-8 was given U+FFFD in their
    // place, and no longer names the file.
    if (systemError == ENOENT && path.contains(QChar::ReplacementCharacter)) {
        return {FileProblem::InvalidName, systemError};
    }
    if (systemError == EACCES && folderOnTheWayIsClosed(path)) {
        return {FileProblem::FolderNotEnterable, systemError};
    }
    return {otherwise, systemError};
}

FileBytes failed(FileProblem problem, int systemError = 0) {
    return {{}, FileError{problem, systemError}};
}

} // namespace

bool isWriteProtected(const QFileInfo& info) {
    // WriteUser is left out: it says what we may do, which for root is everything.
    constexpr auto anyWrite =
        QFileDevice::WriteOwner | QFileDevice::WriteGroup | QFileDevice::WriteOther;
    return !info.isWritable() || !(info.permissions() & anyWrite);
}

FileBytes readFileBytes(const QString& path, qint64 maxBytes) {
    // Opened without waiting, then checked on the descriptor itself: whatever took the
    // file's place since it was chosen is what gets checked.
    const int file =
        ::open(QFile::encodeName(path).constData(), O_RDONLY | O_NONBLOCK | O_CLOEXEC | O_NOCTTY);
    if (file < 0) {
        const int systemError = errno;
        const FileProblem problem = systemError == ENOENT ? FileProblem::Missing
                                    : systemError == EACCES || systemError == EPERM
                                        ? FileProblem::AccessDenied
                                        : FileProblem::CannotOpen;
        return {{}, nameError(path, systemError, problem)};
    }
    const auto closeFile = qScopeGuard([file] { ::close(file); });
    struct stat status {};
    if (::fstat(file, &status) != 0) {
        return failed(FileProblem::CannotRead, errno);
    }
    if (!S_ISREG(status.st_mode)) {
        return failed(FileProblem::NotAFile);
    }
    QByteArray bytes(maxBytes + 1, Qt::Uninitialized);
    qint64 total = 0;
    while (total < bytes.size()) {
        const ssize_t count =
            ::read(file, bytes.data() + total, static_cast<size_t>(bytes.size() - total));
        if (count == 0) {
            break;
        }
        if (count < 0 && errno != EINTR) {
            return failed(FileProblem::CannotRead, errno);
        }
        total += std::max<ssize_t>(count, 0);
    }
    if (total > maxBytes) {
        return failed(FileProblem::TooLarge);
    }
    bytes.truncate(total);
    return {std::move(bytes), std::nullopt};
}

std::optional<FileError> writeFileAtomically(const QString& path, const QByteArray& bytes) {
    const QFileInfo info(path);
    if (info.exists() && !info.isFile()) {
        return FileError{FileProblem::NotAFile};
    }
    if (info.exists() && isWriteProtected(info)) {
        return FileError{FileProblem::ReadOnlyTarget};
    }
    // Each errno is taken right after the call that failed, before anything else runs.
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly)) {
        return nameError(path, errno, FileProblem::CannotCreate);
    }
    // commit() can report success after a short write or a failed flush, and would then
    // put a truncated file in the old one's place: check both before committing.
    if (file.write(bytes) != bytes.size() || !file.flush()) {
        const int systemError = errno;
        file.cancelWriting();
        return FileError{FileProblem::WriteFailed, systemError};
    }
    if (!file.commit()) {
        return FileError{FileProblem::CannotReplace, errno};
    }
    return std::nullopt;
}

} // namespace scribel
