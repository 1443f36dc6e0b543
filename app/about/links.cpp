#include "links.h"

#include <QDir>
#include <QFileInfo>

namespace scribel {

QString linkCaption(const Link& link) {
    return link.kind == LinkKind::Document ? link.captionStart.toString()
                                           : link.captionStart.toString() + link.target.toString();
}

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
