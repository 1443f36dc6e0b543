#pragma once

// Helpers the test executables share.

#include "platform/magazine.h"

#include <QMetaType>
#include <QTest>

namespace scribel {

// Names the magazine in a failed comparison.
inline char* toString(Magazine magazine) {
    switch (magazine) {
    case Magazine::Pixelor:
        return qstrdup("Magazine::Pixelor");
    case Magazine::Zorvane:
        return qstrdup("Magazine::Zorvane");
    case Magazine::None:
        break;
    }
    return qstrdup("Magazine::None");
}

} // namespace scribel

Q_DECLARE_METATYPE(scribel::Magazine)
