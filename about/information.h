#pragma once

#include <QString>

namespace scribel {

// The information text of the start tab, lines separated by CR LF.
QString informationText();

} // namespace scribel
