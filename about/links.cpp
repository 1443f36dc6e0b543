#include "links.h"

namespace scribel {

QString linkCaption(const Link& link) {
    if (link.kind == LinkKind::Document) {
        return link.captionStart.toString();
    }
    return link.captionStart.toString() + link.target.toString();
}

} // namespace scribel
