#include "textfile.h"

#include <QFile>
#include <QFileInfo>
#include <QSaveFile>

namespace scribel {

bool isWriteProtected(const QFileInfo& info) {
    // WriteUser is left out: it says what we may do, which for root is everything.
    constexpr auto anyWrite =
        QFileDevice::WriteOwner | QFileDevice::WriteGroup | QFileDevice::WriteOther;
    return !info.isWritable() || !(info.permissions() & anyWrite);
}

FileBytes readFileBytes(const QString& path, qint64 maxBytes) {
    const QFileInfo info(path);
    if (!info.exists()) {
        return {{}, FileError{FileProblem::Missing, {}}};
    }
    if (!info.isFile()) {
        return {{}, FileError{FileProblem::NotAFile, {}}};
    }
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        return {{}, FileError{FileProblem::CannotOpen, file.errorString()}};
    }
    QByteArray bytes = file.read(maxBytes + 1);
    if (file.error() != QFileDevice::NoError) {
        return {{}, FileError{FileProblem::CannotRead, file.errorString()}};
    }
    if (bytes.size() > maxBytes) {
        return {{}, FileError{FileProblem::TooLarge, {}}};
    }
    return {std::move(bytes), std::nullopt};
}

std::optional<FileError> writeFileAtomically(const QString& path, const QByteArray& bytes) {
    const QFileInfo info(path);
    if (info.exists() && !info.isFile()) {
        return FileError{FileProblem::NotAFile, {}};
    }
    if (info.exists() && isWriteProtected(info)) {
        return FileError{FileProblem::ReadOnlyTarget, {}};
    }
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly)) {
        return FileError{FileProblem::CannotCreate, file.errorString()};
    }
    // commit() can report success after a short write or a failed flush, and would then
    // put a truncated file in the old one's place: check both before committing.
    if (file.write(bytes) != bytes.size() || !file.flush()) {
        const QString detail = file.errorString();
        file.cancelWriting();
        return FileError{FileProblem::WriteFailed, detail};
    }
    if (!file.commit()) {
        return FileError{FileProblem::CannotReplace, file.errorString()};
    }
    return std::nullopt;
}

} // namespace scribel
