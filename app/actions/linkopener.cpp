#include "app/actions/linkopener.h"

#include "app/about/links.h"

#include <QCoreApplication>
#include <QDir>
#include <QUrl>
#include <QWidget>

namespace scribel {

void LinkOpener::open(const Link& link) {
    const QString target = link.target.toString();
    QUrl url;
    switch (link.kind) {
    case LinkKind::Document: {
        // The current folder first (a dialog may have moved it), then the program's own.
        const QStringList folders = {QDir::currentPath(), QCoreApplication::applicationDirPath()};
        const std::optional<QString> path = findDocument(target, folders);
        if (!path) {
            tell(QStringLiteral("Le document « %1 » est introuvable : il n'est ni dans le "
                                "dossier courant (%2) ni dans celui du programme (%3).")
                     .arg(target, QDir::toNativeSeparators(folders[0]),
                          QDir::toNativeSeparators(folders[1])));
            return;
        }
        url = QUrl::fromLocalFile(*path);
        break;
    }
    case LinkKind::WebAddress:
        url = QUrl(target);
        break;
    case LinkKind::MailAddress:
        url = QUrl(QStringLiteral("mailto:") + target);
        break;
    }
    const QString shown = link.kind == LinkKind::Document ? target : url.toString();
    m_services.openAction.open(url, m_window.dialogParent(), [this, shown] {
        tell(QStringLiteral("Impossible d'ouvrir « %1 » : aucun programme "
                            "du bureau n'a pu s'en charger.")
                 .arg(shown));
    });
}

} // namespace scribel
