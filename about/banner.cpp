#include "banner.h"

#include <QStringList>

namespace scribel {

QString bannerText() {
    const QStringList copies(kBannerCopies, kBannerInvitation.toString());
    return copies.join(kBannerSeparator.toString());
}

} // namespace scribel
