#pragma once

#include <QString>
#include <QStringView>

namespace scribel {

// Line breaks as the multi-line fields hold them: CR LF, a lone CR and Qt's paragraph
// and line separators each become a single '\n'.
QString normaliseLineBreaks(QStringView text);

} // namespace scribel
