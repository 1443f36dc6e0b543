#include "qtopenaction.h"

#include <QDesktopServices>
#include <QUrl>

namespace scribel {

bool QtOpenAction::open(const QUrl& target) {
    return QDesktopServices::openUrl(target);
}

} // namespace scribel
