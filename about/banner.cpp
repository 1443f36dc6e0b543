#include "banner.h"

#include <QStringList>

namespace scribel {

QString bannerText() {
    const QStringList copies(11, QStringLiteral("Faites le choix de votre magazine !!"));
    return copies.join(QStringLiteral("   "));
}

} // namespace scribel
