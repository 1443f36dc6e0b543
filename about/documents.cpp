#include "documents.h"

#include <QDir>
#include <QFileInfo>

namespace scribel {

std::optional<QString> findDocument(QStringView name, const QStringList& folders) {
    for (const QString& folder : folders) {
        const QFileInfo candidate(QDir(folder), name.toString());
        if (candidate.isFile()) {
            return candidate.absoluteFilePath();
        }
    }
    return std::nullopt;
}

} // namespace scribel
