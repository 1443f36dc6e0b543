#include "information.h"

#include "links.h"

#include <QStringList>

namespace scribel {

QString informationText() {
    const QStringList lines = {
        QStringLiteral("Ce logiciel va vous permettre d'imprimer la Scribel et de sauver vos "
                       "données dans un fichier, ce qui "),
        QStringLiteral("vous permettra d'archiver et de réutiliser ces données."),
        QStringLiteral("Pensez à sauvegarder avant de quitter car il n'y a pas de sauvegarde "
                       "automatique."),
        QString(),
        QStringLiteral("Luc Ferrand"),
        QStringLiteral("12, rue des Tilleuls"),
        QStringLiteral("21000 Dijon"),
        QStringLiteral("Tél : 03 80 00 00 00"),
        QStringLiteral("e-mail : ") + kAuthorMail.toString(),
        QStringLiteral("url : ") + kAuthorWebPage.toString(),
    };
    return lines.join(QStringLiteral("\r\n")) + QStringLiteral("\r\n");
}

} // namespace scribel
